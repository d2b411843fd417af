#include "ResourceFixtures.h"
#include "ResourceSystem/ILuaScriptMgr.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/lua/Table.h"
#include "foundation/lua/VirtualMachine.h"

namespace {

struct ScriptResource : IResource
{
    explicit ScriptResource(const ResourceInfo& info) : IResource(info) {}
    bool parsed = false;
    std::string title;
    double speed = 0;
};

// Scripts assign the global table "Material".
class ScriptMgr : public ILuaScriptMgr
{
public:
    using ILuaScriptMgr::OnCreateResource;

    ScriptMgr() : ILuaScriptMgr("Material") { CreateLuaVM(); }

    IResource* OnCreateResource(const ResourceInfo& info) override
    {
        _current = new ScriptResource(info);
        AddResource(_current);
        return _current;
    }
    bool OnParseEntryTable(Table table) override
    {
        char title[32] = {};
        table.GetString("title", title, sizeof(title));
        _current->title = title;
        table.GetNumber("speed", _current->speed);
        _current->parsed = true;
        return true;
    }

private:
    ScriptResource* _current = nullptr;
};

TEST(LuaScriptMgr, RunsScriptsFromFoldersAndArchives)
{
    TempDir dir;
    WriteFile(dir / "scripts/hull.mat", "Material = { title = 'Hull', speed = 2.5 }\n");
    WriteFile(dir / "scripts/broken.mat", "Material = { title = \n");
    WriteFile(dir / "scripts/stale.mat", "Material = { title = 'Stale' }\nundefined()\n");
    WriteFile(dir / "scripts/other.mat", "Something = { title = 'x' }\n");
    WriteFile(dir / "scripts/spinning.mat", "Material = { title = 'Spin' }\nwhile true do end\n");
    WriteZip(dir / "scripts.apk", {{"Packed.MAT", "Material = { title = 'Packed' }"}});

    Dumper dumper;
    ResourceSystem system(&dumper, 1);
    ScriptMgr folder, archive;
    folder.SetRootDir((dir / "scripts").c_str());
    archive.SetRootDir((dir / "scripts.apk").c_str());
    system.RegisterResMgr("mat", &folder);
    system.RegisterResMgr("packed", &archive);

    auto* hull = static_cast<ScriptResource*>(system.LoadResource("hull.mat", 0, 0));
    ASSERT_NE(hull, INVALID_RES_HANDLE);
    EXPECT_TRUE(hull->parsed);
    EXPECT_EQ(hull->title, "Hull");
    EXPECT_DOUBLE_EQ(hull->speed, 2.5);
    // The table is gone once read, so the next script starts clean.
    EXPECT_FALSE(folder.GetLuaVM()->GetGlobalTable("Material").IsValid());

    // A broken script, one that runs too long or one without the table still gives the (empty)
    // resource, and the log names those that do not run; a script that fails after assigning the
    // table leaves nothing for the next one.
    testing::internal::CaptureStdout();
    for (const char* name : {"broken.mat", "stale.mat", "other.mat", "spinning.mat"})
    {
        auto* resource = static_cast<ScriptResource*>(system.LoadResource(name, 0, 0));
        ASSERT_NE(resource, INVALID_RES_HANDLE) << name;
        EXPECT_FALSE(resource->parsed) << name;
    }
    const std::string log = testing::internal::GetCapturedStdout();
    for (const char* name : {"broken.mat", "stale.mat", "spinning.mat"})
        EXPECT_NE(log.find(std::string("Script \"") + name + "\" does not run"), std::string::npos) << log;
    EXPECT_NE(log.find("the script ran too long and was stopped"), std::string::npos) << log;

    auto* packed = static_cast<ScriptResource*>(system.LoadResource("packed.mat", &archive, 0, 0));
    ASSERT_NE(packed, INVALID_RES_HANDLE);
    EXPECT_EQ(packed->title, "Packed");
}

TEST(LuaScriptMgr, BorrowedMachineOutlivesTheManager)
{
    VirtualMachine shared;
    {
        ScriptMgr mgr;
        mgr.SetLuaVM(&shared);
        EXPECT_EQ(mgr.GetLuaVM(), &shared);
    }
    EXPECT_EQ(shared.ExecString("x = 1"), 0);
}

} // namespace
