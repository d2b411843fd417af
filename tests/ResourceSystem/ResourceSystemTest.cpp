#include <memory>

#include "ResourceFixtures.h"
#include "ResourceSystem/LowerCase.h"
#include "ResourceSystem/ResourceSystem.h"

namespace {

// A resource system with its own log, and one fake manager registered for "dds".
class ResourceSystemTest : public ::testing::Test
{
protected:
    ResourceSystemTest()
    {
        dumper.RegisterClient(new LogCapture(log));
        system = std::make_unique<ResourceSystem>(&dumper, 1);
    }
    ~ResourceSystemTest() override
    {
        system.reset();
        manager.reset();
    }

    FakeMgr& Register(const std::string& root, size_t headerSize = 0)
    {
        manager = std::make_unique<FakeMgr>(headerSize);
        manager->SetRootDir(root.c_str());
        system->RegisterResMgr("dds", manager.get());
        return *manager;
    }
    FakeResource* Load(const char* name, int order = 0)
    {
        IResource* resource = system->LoadResource(name, 0, order);
        EXPECT_NE(resource, INVALID_RES_HANDLE);
        return static_cast<FakeResource*>(resource);
    }

    std::vector<std::string> log;
    Dumper dumper;
    TempDir dir;
    std::unique_ptr<FakeMgr> manager;
    std::unique_ptr<ResourceSystem> system;
};

TEST(ResourceRoots, FolderAndArchiveRoots)
{
    struct Case
    {
        const char* root;
        const char* stored;
    } cases[] = {
        {"", ""},
        {"Materials", "materials\\"},
        {"ShaderLib\\", "shaderlib\\"},
        {"data/Meshes/", "data/meshes/"},
        {"Data\\Textures.APK", "data\\textures.apk"},
    };
    for (const Case& c : cases)
    {
        FakeMgr manager;
        manager.SetRootDir(c.root);
        EXPECT_STREQ(manager.GetRootDir(), c.stored) << c.root;
    }

    std::string path;
    ResourceSystem::GetFullPath("Ships\\Hull.DDS", "textures\\", path);
    EXPECT_EQ(path, "textures\\ships\\hull.dds");
    ResourceSystem::GetFullPath("Hull.DDS", "", path);
    EXPECT_EQ(path, "hull.dds");
}

TEST_F(ResourceSystemTest, RegistrationLogsAndMakesBuiltIns)
{
    FakeMgr& mgr = Register(dir / "textures");
    EXPECT_EQ(mgr.GetMaster(), system.get());
    EXPECT_EQ(mgr.defaultsMade, 1);
    EXPECT_TRUE(HasLine(log, DUMP_STARTUP, "Extension \".dds\" registered\n"));
    EXPECT_NE(mgr.GetResource("$proxy"), INVALID_RES_HANDLE);
}

TEST_F(ResourceSystemTest, FolderRootFindsMixedCaseNamesOnce)
{
    // The root and the name are lower-cased; the folder and file on disk are not.
    WriteFile(dir / "Textures/Ships/Hull.dds", "HDR!hull bytes");
    FakeMgr& mgr = Register(dir / "Textures", 4);

    FakeResource* hull = Load("SHIPS\\Hull.DDS");
    EXPECT_EQ(hull->header, std::string("HDR!", 4));
    EXPECT_EQ(hull->data, "hull bytes");
    EXPECT_EQ(mgr.lastExtension, "dds");
    EXPECT_EQ(mgr.lastDataSize, 10u);
    EXPECT_EQ(hull->GetInfo().location, RES_LOCATION_FILE);
    EXPECT_EQ(hull->GetInfo().size, 14u);
    EXPECT_STREQ(hull->GetInfo().name, "ships\\hull.dds");
    EXPECT_EQ(mgr.initialised, 1);

    // Every spelling of the path names the one resource.
    for (const char* name : {"ships\\hull.dds", "ships/hull.dds", "Ships//HULL.dds", "ships\\\\hull.dds"})
        EXPECT_EQ(Load(name), hull) << name;
    EXPECT_EQ(mgr.created, 1);
}

TEST_F(ResourceSystemTest, ArchiveRootFindsMembersInAnyCase)
{
    WriteZip(dir / "Pack.apk", {{"Ships/Hull.DDS", "archived hull"}, {"plain.dds", std::string(3000, 'x')}});
    FakeMgr& mgr = Register(dir / "Pack.apk");

    FakeResource* hull = Load("ships\\hull.dds");
    EXPECT_EQ(hull->data, "archived hull");
    EXPECT_EQ(hull->GetInfo().location, RES_LOCATION_ARCHIVE);
    EXPECT_EQ(hull->GetInfo().size, 13u);

    // Skipping inside a compressed member reads past the bytes, into the buffer or a scratch one.
    mgr.skip = 2990;
    EXPECT_EQ(Load("PLAIN.dds")->data, "xxxxxxxxxx");
    system->RemoveResource("plain.dds");
    mgr.skip = 10;
    EXPECT_EQ(Load("plain.dds")->data.size(), 2990u);
}

// Reads half its member, loads the named resources through the system, then reads the rest.
class NestingMgr : public FakeMgr
{
public:
    IResource* OnCreateResource(const ResourceInfo& info, unsigned long dataSize) override
    {
        std::string data(dataSize, '\0');
        unsigned long half = dataSize / 2;
        unsigned long got = ReadNextChunk(0, data.data(), half);
        for (const std::string& name : nested)
            loaded.push_back(GetMaster()->LoadResource(name.c_str(), 0, 0));
        got += ReadNextChunk(0, data.data() + got, dataSize - got);
        data.resize(got);
        auto* resource = new FakeResource(info, "", data, &destroyed);
        AddResource(resource);
        return resource;
    }

    std::vector<std::string> nested;
    std::vector<IResource*> loaded;
};

// Bytes that deflate poorly, so a member spans several reads of the archive.
std::string Noise(size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    for (char& byte : bytes)
    {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<char>(seed >> 16);
    }
    return bytes;
}

TEST_F(ResourceSystemTest, LoadsFromTheSameArchiveWhileReadingAMemberOfIt)
{
    const std::string material = Noise(200000, 1), hull = Noise(150000, 2), wing = Noise(90000, 3);
    WriteZip(dir / "pack.apk", {{"ship.mat", material}, {"hull.dds", hull}, {"wing.dds", wing}, {"late.dds", "late"}});
    Register(dir / "pack.apk");
    NestingMgr materials;
    materials.SetRootDir((dir / "pack.apk").c_str());
    system->RegisterResMgr("mat", &materials);
    materials.nested = {"hull.dds", "wing.dds", "hull.dds"};

    IResource* ship = system->LoadResource("ship.mat", 0, 0);
    ASSERT_NE(ship, materials.GetResource("$proxy"));
    EXPECT_EQ(static_cast<FakeResource*>(ship)->data, material);
    ASSERT_EQ(materials.loaded.size(), 3u);
    EXPECT_EQ(static_cast<FakeResource*>(materials.loaded[0])->data, hull);
    EXPECT_EQ(static_cast<FakeResource*>(materials.loaded[1])->data, wing);
    EXPECT_EQ(materials.loaded[2], materials.loaded[0]);

    // The archive still serves ordinary loads afterwards.
    EXPECT_EQ(Load("late.dds")->data, "late");
    system->UnregisterResMgr(&materials);
}

TEST_F(ResourceSystemTest, SkipInPlainFileMovesThePosition)
{
    WriteFile(dir / "t/skip.dds", "0123456789");
    FakeMgr& mgr = Register(dir / "t");
    mgr.skip = 4;
    EXPECT_EQ(Load("skip.dds")->data, "456789");
}

TEST_F(ResourceSystemTest, SkipPastTheEndReadsNothing)
{
    // A skip taken from a corrupt header must neither allocate it nor move backwards.
    WriteFile(dir / "t/a.dds", "0123456789");
    WriteZip(dir / "pack.apk", {{"a.dds", "0123456789"}});
    for (const std::string& root : {dir / "t", dir / "pack.apk"})
    {
        FakeMgr mgr;
        mgr.SetRootDir(root.c_str());
        system->RegisterResMgr("dds", &mgr);
        mgr.skip = ~0ul - 1;
        EXPECT_EQ(static_cast<FakeResource*>(system->LoadResource("a.dds", 0, 0))->data, "") << root;
        system->UnregisterResMgr(&mgr);
    }
}

TEST_F(ResourceSystemTest, OrderChoosesFileOrArchiveFirst)
{
    // An archive root's full path is the archive path followed by the name.
    WriteZip(dir / "pack.apk", {{"both.dds", "from archive"}});
    WriteFile(dir / "pack.apkboth.dds", "from file");
    Register(dir / "pack.apk");

    EXPECT_EQ(Load("both.dds", 1)->data, "from file");
    system->RemoveResource("both.dds");
    EXPECT_EQ(Load("both.dds", 0)->data, "from archive");
    system->RemoveResource("both.dds");
    EXPECT_EQ(Load("both.dds", 2)->data, "from archive");
}

TEST_F(ResourceSystemTest, FailuresGiveTheProxyWithALoggedLine)
{
    WriteFile(dir / "t/bad.dds", "HDR!BAD data");
    WriteFile(dir / "t/short.dds", "ab");
    FakeMgr& mgr = Register(dir / "t", 4);
    IResource* proxy = mgr.GetResource("$proxy");

    EXPECT_EQ(system->LoadResource("Missing.dds", 0, 0), proxy);
    EXPECT_TRUE(HasLine(log, DUMP_WARNING, "Failed to load resource \"Missing.dds\" : File not found\n"));

    EXPECT_EQ(system->LoadResource("bad.dds", 0, 0), proxy);
    EXPECT_TRUE(
        HasLine(log, DUMP_WARNING, "Failed to load resource \"" + dir / "t/bad.dds" + "\" : Incorrect file format\n"));

    // Shorter than its header: refused before the manager sees it.
    int before = mgr.created;
    EXPECT_EQ(system->LoadResource("short.dds", 0, 0), proxy);
    EXPECT_EQ(mgr.created, before);
    EXPECT_EQ(mgr.initialised, 0);
}

TEST_F(ResourceSystemTest, BrokenArchivesGiveTheProxy)
{
    WriteFile(dir / "junk.apk", "this is not a zip archive");
    WriteZip(dir / "whole.apk", {{"a.dds", std::string(5000, 'a')}});
    std::string bytes;
    {
        std::ifstream in(dir / "whole.apk", std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    WriteFile(dir / "cut.apk", bytes.substr(0, bytes.size() / 2));

    for (const char* archive : {"junk.apk", "cut.apk"})
    {
        FakeMgr mgr;
        mgr.SetRootDir((dir / archive).c_str());
        system->RegisterResMgr("dds", &mgr);
        EXPECT_EQ(system->LoadResource("a.dds", 0, 0), mgr.GetResource("$proxy")) << archive;
        system->UnregisterResMgr(&mgr);
    }
    EXPECT_TRUE(HasLine(log, DUMP_ERROR, "Resource archive \"" + dir / "junk.apk" + "\" cannot be opened\n"));
}

// A stored member whose sizes stand in a Zip64 extra field, with all ones in the headers, as
// streaming zip writers leave them.
std::string Zip64Archive(const std::string& name, const std::string& data)
{
    auto put = [](std::string& out, uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<char>(value >> (8 * i)));
    };
    const uint32_t crc = static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(data.data()), data.size()));
    std::string extra;
    put(extra, 1, 2);
    put(extra, 16, 2);
    put(extra, data.size(), 8);
    put(extra, data.size(), 8);
    std::string local, central, end;
    for (uint64_t field : {0x04034b50ull, 45ull, 0ull, 0ull, 0ull, 0ull})
        put(local, field, field == 0x04034b50ull ? 4 : 2);
    put(local, crc, 4);
    put(local, 0xFFFFFFFF, 4);
    put(local, 0xFFFFFFFF, 4);
    put(local, name.size(), 2);
    put(local, extra.size(), 2);
    local += name + extra + data;
    put(central, 0x02014b50, 4);
    for (int i = 0; i < 2; ++i)
        put(central, 45, 2);
    for (int i = 0; i < 4; ++i)
        put(central, 0, 2);
    put(central, crc, 4);
    put(central, 0xFFFFFFFF, 4);
    put(central, 0xFFFFFFFF, 4);
    put(central, name.size(), 2);
    put(central, extra.size(), 2);
    for (int i = 0; i < 3; ++i) // comment length, disk, internal attributes
        put(central, 0, 2);
    put(central, 0, 4); // external attributes
    put(central, 0, 4); // the local header's offset
    central += name + extra;
    put(end, 0x06054b50, 4);
    for (int i = 0; i < 2; ++i)
        put(end, 0, 2);
    for (int i = 0; i < 2; ++i)
        put(end, 1, 2);
    put(end, central.size(), 4);
    put(end, local.size(), 4);
    put(end, 0, 2);
    return local + central + end;
}

TEST_F(ResourceSystemTest, ArchiveMembersThatCannotBeReadGiveTheProxy)
{
    WriteFile(dir / "zip64.apk", Zip64Archive("big.dds", "streamed"));
    {
        zipFile zip = zipOpen((dir / "locked.apk").c_str(), APPEND_STATUS_CREATE);
        ASSERT_NE(zip, nullptr);
        zip_fileinfo info = {};
        const std::string bytes = "secret bytes";
        ASSERT_EQ(zipOpenNewFileInZip3(zip, "big.dds", &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                       Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY,
                                       "password", 0),
                  ZIP_OK);
        ASSERT_EQ(zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size())), ZIP_OK);
        ASSERT_EQ(zipCloseFileInZip(zip), ZIP_OK);
        ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);
    }
    const struct
    {
        const char* archive;
        const char* reason;
    } cases[] = {{"zip64.apk", "its size does not fit 32 bits"}, {"locked.apk", "it is encrypted"}};
    for (const auto& c : cases)
    {
        log.clear();
        FakeMgr mgr;
        mgr.SetRootDir((dir / c.archive).c_str());
        system->RegisterResMgr("dds", &mgr);
        EXPECT_EQ(system->LoadResource("big.dds", 0, 0), mgr.GetResource("$proxy")) << c.archive;
        EXPECT_EQ(mgr.created, 0) << c.archive;
        EXPECT_TRUE(HasLine(log, DUMP_ERROR,
                            "Member \"big.dds\" of archive \"" + ToLowerCase((dir / c.archive).c_str()) +
                                "\" is not read: " + c.reason + "\n"))
            << c.archive;
        system->UnregisterResMgr(&mgr);
    }
}

TEST_F(ResourceSystemTest, ExtensionIsFoundInAnyCase)
{
    WriteFile(dir / "t/x.dds", "x");
    Register(dir / "t");
    EXPECT_EQ(Load("X.DDS")->data, "x");
}

TEST_F(ResourceSystemTest, PrecacheLoadsLater)
{
    WriteFile(dir / "t/a.dds", "aaaa");
    WriteFile(dir / "t/b.dds", "bb");
    WriteFile(dir / "t/empty.dds", "");
    FakeMgr& mgr = Register(dir / "t");

    EXPECT_FALSE(system->PrecacheResource("missing.dds", 0));
    EXPECT_FALSE(system->PrecacheResource("empty.dds", 0));
    EXPECT_FALSE(system->LoadPrecachedResources());

    EXPECT_TRUE(system->PrecacheResource("A.dds", 0));
    EXPECT_TRUE(system->PrecacheResource("b.dds", 0));
    EXPECT_EQ(mgr.created, 0);
    EXPECT_TRUE(system->LoadPrecachedResources());
    EXPECT_EQ(mgr.created, 2);
    EXPECT_EQ(static_cast<FakeResource*>(mgr.GetResource("a.dds"))->data, "aaaa");
    EXPECT_FALSE(system->LoadPrecachedResources());
}

TEST_F(ResourceSystemTest, RemoveAllOnlyUnregisters)
{
    WriteFile(dir / "t/a.dds", "a");
    FakeMgr& mgr = Register(dir / "t");
    system->RegisterResMgr("tga", &mgr);
    EXPECT_EQ(mgr.defaultsMade, 1);
    Load("a.dds");

    system->RemoveAll();
    EXPECT_EQ(mgr.GetMaster(), nullptr);
    EXPECT_EQ(mgr.destroyed, 0);
    EXPECT_NE(mgr.GetResource("a.dds"), INVALID_RES_HANDLE);

    // Registered again, the manager may be destroyed before the system: it leaves every extension.
    system->RegisterResMgr("dds", &mgr);
    system->RegisterResMgr("tga", &mgr);
    manager.reset();
    EXPECT_FALSE(system->RemoveResource("a.tga"));
    system.reset();
}

TEST(ResourceSystemFatal, ProgrammingErrorsEndTheProcess)
{
    FakeMgr noProxy(0, false);
    ResourceSystem system(nullptr, 1);
    system.RegisterResMgr("dds", &noProxy);
    EXPECT_EXIT(system.LoadResource("noextension", 0, 0), ::testing::ExitedWithCode(1), "doesn't have an extension");
    EXPECT_EXIT(system.LoadResource("a.xyz", 0, 0), ::testing::ExitedWithCode(1), "No ResMgr's are registered");
    EXPECT_EXIT(system.LoadResource("missing.dds", 0, 0), ::testing::ExitedWithCode(1), "Proxy cannot be evaluated");
    EXPECT_EXIT(system.ReadNextChunk(0, nullptr, 0), ::testing::ExitedWithCode(1), "Incorrect loading");
}

} // namespace
