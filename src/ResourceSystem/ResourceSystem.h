#pragma once
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ResourceSystem/IResourceMgr.h"

class Dumper;
class ZipArchive;

// Maps file extensions to resource managers, finds a resource's bytes as a plain
// file under the manager's root or as a member of the ".apk" archive that is its root,
// and drives the manager through header, create, init and proxy to build it.
// The system does not own its managers: whoever registers a manager destroys it.
class ResourceSystem
{
public:
    ResourceSystem(Dumper* dumper, int options);
    ResourceSystem(const ResourceSystem&) = delete;
    ResourceSystem& operator=(const ResourceSystem&) = delete;
    ~ResourceSystem();

    // An extension already registered keeps its first manager.
    void RegisterResMgr(const char* extension, IResourceMgr* manager);
    void UnregisterResMgr(IResourceMgr* manager);

    // Finds the manager by the name's extension. order 1 tries the plain file first,
    // any other value the archive first.
    IResource* LoadResource(const char* name, unsigned long flags, int order);
    IResource* LoadResource(const char* name, IResourceMgr* manager, unsigned long flags, int order);

    // For the resource being loaded: skips skip bytes, then reads up to size bytes
    // into buffer when both are given. Returns the count read.
    unsigned long ReadNextChunk(unsigned long skip, void* buffer, unsigned long size);

    bool PrecacheResource(const char* name, unsigned long flags);
    bool LoadPrecachedResources();

    bool RemoveResource(IResource* resource);
    bool RemoveResource(const char* name);

    // Unregisters every manager; the managers themselves stay with their owners.
    void RemoveAll();
    // Closes the cached archive of that path; null closes all.
    void ClearZ(const char* archive);

    // root + name (the name alone for an empty root), in lower case.
    static void GetFullPath(const char* name, const char* root, std::string& out);

private:
    struct PrecacheEntry
    {
        ResourceInfo info;
        std::string name; // as the caller wrote it
    };
    struct FileCloser
    {
        void operator()(FILE* file) const { std::fclose(file); }
    };

    IResourceMgr* FindManager(const char* name, bool fatal) const;
    int Locate(int order, const std::string& fullPath, const char* root, const char* lowerName);
    bool TestFile(const std::string& fullPath);
    bool TestArchive(const char* root, const char* lowerName);
    ZipArchive* GetArchive(const char* root);
    IResource* BuildFromFile(const std::string& fullPath, IResourceMgr* manager, const ResourceInfo& info);
    IResource* BuildFromArchive(IResourceMgr* manager, const ResourceInfo& info);
    IResource* BuildCurrent(IResourceMgr* manager, const ResourceInfo& info);
    Dumper& Log() const;

    std::unique_ptr<FILE, FileCloser> _file; // plain file being read, none between loads
    ZipArchive* _archive = nullptr;          // archive whose current member is being read
    Dumper* _dumper;
    int _options;
    std::map<std::string, IResourceMgr*> _managers;
    std::map<std::string, std::unique_ptr<ZipArchive>> _archives; // null: failed to open
    std::vector<PrecacheEntry> _precache;
    unsigned long _precacheLargest = 0;
    unsigned long _precacheTotal = 0;
    unsigned long _foundSize = 0; // size found by the last location test
};
