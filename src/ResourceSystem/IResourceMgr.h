#pragma once
#include <map>
#include <string>

#include "ResourceSystem/IResource.h"

class ResourceSystem;

// Base of every file-backed asset manager: owns the resources it builds, keyed by
// their lower-case names, and builds them when the resource system hands it a file.
// The manager deletes the resources still in its map when it is destroyed, and leaves
// the resource system it is registered with.
class IResourceMgr
{
public:
    IResourceMgr() = default;
    IResourceMgr(const IResourceMgr&) = delete;
    IResourceMgr& operator=(const IResourceMgr&) = delete;
    virtual ~IResourceMgr();

    // A buffer of the manager's for the file header, and its size; null for none.
    virtual void* OnQueryHeader(unsigned long& headerSize, const char* extension) = 0;
    // A stand-in for a resource that failed to load, or INVALID_RES_HANDLE.
    virtual IResource* OnCreateProxyResource(const ResourceInfo& info) = 0;
    // Builds the resource from dataSize bytes after the header (read with ReadNextChunk).
    virtual IResource* OnCreateResource(const ResourceInfo& info, unsigned long dataSize) = 0;
    virtual void OnInitResource() {}
    // A name already present keeps its first resource: the clash is logged and the result is
    // false, and the caller still owns the resource it offered.
    virtual bool AddResource(IResource* resource, const char* name);
    virtual bool AddResource(IResource* resource);
    // Deletes the resource of that name; false when there is none.
    virtual bool RemoveResource(const char* name);
    virtual bool RemoveResource(IResource* resource);
    // Deletes every resource; built-ins (names beginning with "$") only when all is true.
    virtual void RemoveAllResources(bool all);
    // Called once on registration to create the built-in resources.
    virtual void InitDefaultResources() {}

    // A folder root is stored in lower case with a trailing separator; an archive root
    // (a path holding ".apk") is stored as the archive's path.
    void SetRootDir(const char* root);
    const char* GetRootDir() const { return _root.c_str(); }
    ResourceSystem* GetMaster() const { return _master; }

    // The resource of that name (any letter case), or INVALID_RES_HANDLE.
    IResource* GetResource(const char* name) const;

    // Walk in name order: BeginResource gives the first resource, NextResource each
    // following one; both give INVALID_RES_HANDLE past the end.
    IResource* BeginResource();
    IResource* NextResource();

protected:
    // For OnCreateResource: forwards to the master's ReadNextChunk.
    unsigned long ReadNextChunk(unsigned long skip, void* buffer, unsigned long size);

private:
    friend class ResourceSystem;

    std::map<std::string, IResource*> _resources;
    std::string _cursor; // name of the resource the walk stands on
    bool _walking = false;
    std::string _root;
    ResourceSystem* _master = nullptr;
};
