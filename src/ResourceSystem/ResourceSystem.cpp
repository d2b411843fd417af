#include "ResourceSystem/ResourceSystem.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "ResourceSystem/LowerCase.h"
#include "ResourceSystem/ZipArchive.h"
#include "foundation/base/Assert.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Format.h"
#include "foundation/base/Path.h"

namespace {
const char* const SOURCE_PATH = "..\\ResourceSystem\\ResourceSystem";
constexpr int LINE_NO_EXTENSION = 32;
constexpr int LINE_NO_PROXY = 84;
constexpr int LINE_INCORRECT_LOADING = 307;
constexpr int LINE_NO_MANAGER = 320;
constexpr unsigned long SKIP_CHUNK = 64 * 1024;

// The text after the last "." of a name, or null when it has none.
const char* Extension(const char* name)
{
    const char* dot = name ? std::strrchr(name, '.') : nullptr;
    return dot ? dot + 1 : nullptr;
}

// An archive root is the archive's path, maybe with a separator after it.
std::string ArchivePath(const char* root)
{
    std::string path = NormalizePath(root);
    while (!path.empty() && path.back() == '/')
        path.pop_back();
    return ResolvePath(path);
}

bool IsRegularFile(const std::string& path, uintmax_t* size)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    if (size)
    {
        *size = std::filesystem::file_size(path, error);
        if (error)
            return false;
    }
    return true;
}
} // namespace

ResourceSystem::ResourceSystem(Dumper* dumper, int options) : _dumper(dumper), _options(options) {}

ResourceSystem::~ResourceSystem()
{
    ClearZ(nullptr);
    RemoveAll();
}

void ResourceSystem::RegisterResMgr(const char* extension, IResourceMgr* manager)
{
    if (!extension || !manager)
        return;
    // A manager of several extensions makes its built-ins once.
    bool first = manager->_master != this;
    _managers.emplace(ToLowerCase(extension), manager);
    manager->_master = this;
    Log().Print(DUMP_STARTUP, "Extension \".%s\" registered\n", extension);
    if (first)
        manager->InitDefaultResources();
}

void ResourceSystem::UnregisterResMgr(IResourceMgr* manager)
{
    // Every extension of the manager goes, so no entry outlives it.
    for (auto it = _managers.begin(); it != _managers.end();)
    {
        if (it->second == manager)
            it = _managers.erase(it);
        else
            ++it;
    }
    if (manager)
        manager->_master = nullptr;
}

void ResourceSystem::RemoveAll()
{
    for (auto& [extension, manager] : _managers)
        manager->_master = nullptr;
    _managers.clear();
}

void ResourceSystem::ClearZ(const char* archive)
{
    if (!archive)
    {
        _archives.clear();
        return;
    }
    _archives.erase(ToLowerCase(archive));
}

void ResourceSystem::GetFullPath(const char* name, const char* root, std::string& out)
{
    out = ToLowerCase(root ? root : "");
    out += ToLowerCase(name ? name : "");
}

Dumper& ResourceSystem::Log() const { return _dumper ? *_dumper : Dumper::Instance(); }

IResourceMgr* ResourceSystem::FindManager(const char* name, bool fatal) const
{
    const char* extension = Extension(name);
    if (!extension)
    {
        if (!fatal)
            return nullptr;
        ExecRuntimeAssert("ext", nullptr, SOURCE_PATH, LINE_NO_EXTENSION,
                          Format("Resource \"%s\" doesn't have an extension!", name ? name : "(null)"));
    }
    auto it = _managers.find(ToLowerCase(extension));
    if (it != _managers.end())
        return it->second;
    if (fatal)
        ExecRuntimeAssert("ASSERT_Forced", nullptr, SOURCE_PATH, LINE_NO_MANAGER,
                          Format("No ResMgr's are registered for resource type <%s>", extension));
    return nullptr;
}

IResource* ResourceSystem::LoadResource(const char* name, unsigned long flags, int order)
{
    return LoadResource(name, FindManager(name, true), flags, order);
}

IResource* ResourceSystem::LoadResource(const char* name, IResourceMgr* manager, unsigned long flags, int order)
{
    if (!manager || !name)
        return INVALID_RES_HANDLE;
    IResource* resource = manager->GetResource(name);
    if (resource != INVALID_RES_HANDLE)
        return resource;

    std::string lowerName = ToLowerCase(name);
    std::string fullPath;
    GetFullPath(lowerName.c_str(), manager->GetRootDir(), fullPath);

    // A manager may load other resources while it builds this one. The archive whose
    // member is being read leaves the cache meanwhile, so a nested load from it opens
    // a handle of its own instead of moving the outer member.
    auto outerFile = std::move(_file);
    ZipArchive* outerArchive = _archive;
    _archive = nullptr;
    std::string outerKey;
    std::unique_ptr<ZipArchive> outerHandle;
    if (outerArchive)
    {
        for (auto it = _archives.begin(); it != _archives.end(); ++it)
        {
            if (it->second.get() == outerArchive)
            {
                outerKey = it->first;
                outerHandle = std::move(it->second);
                _archives.erase(it);
                break;
            }
        }
    }

    ResourceInfo info;
    info.flags = static_cast<uint32_t>(flags);
    if (lowerName.size() >= ResourceInfo::NAME_SIZE)
    {
        // The manager would file it under a cut name and never find it again.
        Log().Print(DUMP_WARNING, "Failed to load resource \"%s\" : Name too long\n", name);
    }
    else
    {
        info.location = Locate(order, fullPath, manager->GetRootDir(), lowerName.c_str());
        info.size = static_cast<uint32_t>(_foundSize);
        info.SetName(lowerName.c_str());
        if (info.location == RES_LOCATION_NONE)
            Log().Print(DUMP_WARNING, "Failed to load resource \"%s\" : File not found\n", name);
    }

    if (info.location == RES_LOCATION_FILE)
        resource = BuildFromFile(fullPath, manager, info);
    else if (info.location == RES_LOCATION_ARCHIVE)
        resource = BuildFromArchive(manager, info);

    _file = std::move(outerFile);
    _archive = outerArchive;
    if (outerHandle)
        _archives[outerKey] = std::move(outerHandle);

    if (resource == INVALID_RES_HANDLE)
    {
        resource = manager->OnCreateProxyResource(info);
        if (!resource)
            resource = INVALID_RES_HANDLE;
        if (resource == INVALID_RES_HANDLE)
            ExecRuntimeAssert("res != INVALID_RES_HANDLE", nullptr, SOURCE_PATH, LINE_NO_PROXY,
                              Format("Proxy cannot be evaluated for this resource type (%s)", name));
    }
    return resource;
}

int ResourceSystem::Locate(int order, const std::string& fullPath, const char* root, const char* lowerName)
{
    _foundSize = 0;
    if (order == 1)
    {
        if (TestFile(fullPath))
            return RES_LOCATION_FILE;
        if (TestArchive(root, lowerName))
            return RES_LOCATION_ARCHIVE;
    }
    else
    {
        if (TestArchive(root, lowerName))
            return RES_LOCATION_ARCHIVE;
        if (TestFile(fullPath))
            return RES_LOCATION_FILE;
    }
    return RES_LOCATION_NONE;
}

bool ResourceSystem::TestFile(const std::string& fullPath)
{
    uintmax_t size = 0;
    if (!IsRegularFile(ResolvePath(fullPath), &size) || size > UINT32_MAX)
        return false;
    _foundSize = static_cast<unsigned long>(size);
    return true;
}

bool ResourceSystem::TestArchive(const char* root, const char* lowerName)
{
    if (!root || !std::strstr(root, ".apk"))
        return false;
    ZipArchive* archive = GetArchive(root);
    if (!archive)
        return false;
    std::string member = NormalizePath(lowerName);
    while (!member.empty() && member.front() == '/')
        member.erase(0, 1);
    uint32_t size = 0;
    std::string refusal;
    if (!archive->Locate(member, size, &refusal))
    {
        if (!refusal.empty())
            Log().Print(DUMP_ERROR, "Member \"%s\" of archive \"%s\" is not read: %s\n", member.c_str(), root,
                        refusal.c_str());
        return false;
    }
    _foundSize = size;
    return true;
}

ZipArchive* ResourceSystem::GetArchive(const char* root)
{
    std::string key = ToLowerCase(root);
    auto it = _archives.find(key);
    if (it != _archives.end())
        return it->second.get();
    std::string path = ArchivePath(root);
    if (!IsRegularFile(path, nullptr))
        return nullptr;
    auto archive = ZipArchive::Open(path);
    if (!archive)
        Log().Print(DUMP_ERROR, "Resource archive \"%s\" cannot be opened\n", path.c_str());
    return _archives.emplace(key, std::move(archive)).first->second.get();
}

IResource* ResourceSystem::BuildFromFile(const std::string& fullPath, IResourceMgr* manager, const ResourceInfo& info)
{
    std::string path = ResolvePath(fullPath);
    _file.reset(std::fopen(path.c_str(), "rb"));
    IResource* resource = INVALID_RES_HANDLE;
    if (_file)
        resource = BuildCurrent(manager, info);
    _file.reset();
    if (resource == INVALID_RES_HANDLE)
        Log().Print(DUMP_WARNING, "Failed to load resource \"%s\" : Incorrect file format\n", path.c_str());
    return resource;
}

IResource* ResourceSystem::BuildFromArchive(IResourceMgr* manager, const ResourceInfo& info)
{
    ZipArchive* archive = GetArchive(manager->GetRootDir());
    IResource* resource = INVALID_RES_HANDLE;
    uint32_t size = 0;
    std::string member = NormalizePath(info.name);
    while (!member.empty() && member.front() == '/')
        member.erase(0, 1);
    if (archive && archive->Locate(member, size) && archive->OpenMember())
    {
        _archive = archive;
        resource = BuildCurrent(manager, info);
        archive->CloseMember();
        _archive = nullptr;
    }
    if (resource == INVALID_RES_HANDLE)
        Log().Print(DUMP_WARNING, "Failed to load resource \"%s\" : Incorrect file format\n", info.name);
    return resource;
}

IResource* ResourceSystem::BuildCurrent(IResourceMgr* manager, const ResourceInfo& info)
{
    const char* extension = Extension(info.name);
    unsigned long headerSize = 0;
    void* header = manager->OnQueryHeader(headerSize, extension ? extension : "");
    if (!header)
        headerSize = 0;
    // A file shorter than its header is not of the manager's format.
    if (headerSize > info.size)
        return INVALID_RES_HANDLE;
    if (header && headerSize > 0 && ReadNextChunk(0, header, headerSize) != headerSize)
        return INVALID_RES_HANDLE;
    IResource* resource = manager->OnCreateResource(info, info.size - headerSize);
    if (!resource)
        resource = INVALID_RES_HANDLE;
    if (resource != INVALID_RES_HANDLE)
        manager->OnInitResource();
    return resource;
}

unsigned long ResourceSystem::ReadNextChunk(unsigned long skip, void* buffer, unsigned long size)
{
    if (_file)
    {
        // A skip beyond what fseek takes would turn negative and move backwards.
        if (skip > static_cast<unsigned long>(LONG_MAX))
            return 0;
        if (skip && std::fseek(_file.get(), static_cast<long>(skip), SEEK_CUR) != 0)
            return 0;
        if (!buffer || !size)
            return 0;
        return static_cast<unsigned long>(std::fread(buffer, 1, size, _file.get()));
    }
    if (_archive)
    {
        if (skip)
        {
            // Members are compressed: skipping means reading.
            if (buffer && size >= skip)
            {
                if (_archive->Read(buffer, skip) != skip)
                    return 0;
            }
            else
            {
                // A bounded scratch buffer: the skip may come from a corrupt header.
                std::vector<unsigned char> scratch(std::min(skip, SKIP_CHUNK));
                for (unsigned long left = skip; left > 0;)
                {
                    unsigned long part = std::min(left, SKIP_CHUNK);
                    if (_archive->Read(scratch.data(), part) != part)
                        return 0;
                    left -= part;
                }
            }
        }
        if (!buffer || !size)
            return 0;
        return _archive->Read(buffer, size);
    }
    ExecRuntimeAssert("size", nullptr, SOURCE_PATH, LINE_INCORRECT_LOADING, "Incorrect loading");
}

bool ResourceSystem::PrecacheResource(const char* name, unsigned long flags)
{
    IResourceMgr* manager = FindManager(name, true);
    std::string lowerName = ToLowerCase(name);
    if (lowerName.size() >= ResourceInfo::NAME_SIZE)
        return false;
    std::string fullPath;
    GetFullPath(lowerName.c_str(), manager->GetRootDir(), fullPath);
    int location = Locate(0, fullPath, manager->GetRootDir(), lowerName.c_str());
    if (location == RES_LOCATION_NONE || _foundSize == 0)
        return false;
    PrecacheEntry entry;
    entry.info.flags = static_cast<uint32_t>(flags);
    entry.info.location = location;
    entry.info.size = static_cast<uint32_t>(_foundSize);
    entry.info.SetName(name);
    entry.name = name;
    _precache.push_back(std::move(entry));
    if (_foundSize > _precacheLargest)
        _precacheLargest = _foundSize;
    _precacheTotal += _foundSize;
    return true;
}

bool ResourceSystem::LoadPrecachedResources()
{
    if (_precacheLargest == 0)
        return false;
    // Loading may precache more; take the list first.
    std::vector<PrecacheEntry> entries = std::move(_precache);
    _precache.clear();
    _precacheLargest = 0;
    _precacheTotal = 0;
    for (const PrecacheEntry& entry : entries)
        LoadResource(entry.name.c_str(), entry.info.flags, entry.info.location);
    return true;
}

bool ResourceSystem::RemoveResource(IResource* resource)
{
    if (!resource || resource == INVALID_RES_HANDLE)
        return false;
    std::string name = resource->GetInfo().name;
    return RemoveResource(name.c_str());
}

bool ResourceSystem::RemoveResource(const char* name)
{
    IResourceMgr* manager = FindManager(name, false);
    return manager && manager->RemoveResource(name);
}
