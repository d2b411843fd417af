#include "ResourceSystem/IResourceMgr.h"

#include "foundation/base/Dumper.h"

#include <cstring>
#include <vector>

#include "ResourceSystem/LowerCase.h"
#include "ResourceSystem/ResourceSystem.h"

IResourceMgr::~IResourceMgr()
{
    if (_master)
        _master->UnregisterResMgr(this);
    for (auto& [name, resource] : _resources)
        delete resource;
}

bool IResourceMgr::AddResource(IResource* resource, const char* name)
{
    if (!resource || resource == INVALID_RES_HANDLE || !name)
        return false;
    auto [it, added] = _resources.emplace(ResourceKey(name), resource);
    if (!added && it->second != resource)
        Dumper::Instance().Print(DUMP_WARNING, "Resource \"%s\" is already present; the second one is not kept\n",
                                 name);
    return added;
}

bool IResourceMgr::AddResource(IResource* resource)
{
    if (!resource || resource == INVALID_RES_HANDLE)
        return false;
    return AddResource(resource, resource->GetInfo().name);
}

bool IResourceMgr::RemoveResource(const char* name)
{
    if (!name)
        return false;
    auto it = _resources.find(ResourceKey(name));
    if (it == _resources.end())
        return false;
    delete it->second;
    _resources.erase(it);
    return true;
}

bool IResourceMgr::RemoveResource(IResource* resource)
{
    if (!resource || resource == INVALID_RES_HANDLE)
        return false;
    // Copy the name first: removing deletes the resource that holds it.
    std::string name = resource->GetInfo().name;
    return RemoveResource(name.c_str());
}

void IResourceMgr::RemoveAllResources(bool all)
{
    std::map<std::string, IResource*> builtIns;
    for (auto& [name, resource] : _resources)
    {
        if (!name.empty() && name[0] == '$')
            builtIns.emplace(name, resource);
        else
            delete resource;
    }
    _resources.clear();
    if (all)
    {
        for (auto& [name, resource] : builtIns)
            delete resource;
    }
    else
    {
        _resources = std::move(builtIns);
    }
}

void IResourceMgr::SetRootDir(const char* root)
{
    _root.clear();
    if (!root || !*root)
        return;
    _root = ToLowerCase(root);
    char last = _root.back();
    if (last != '\\' && last != '/' && _root.find(".apk") == std::string::npos)
        _root += '\\';
}

IResource* IResourceMgr::GetResource(const char* name) const
{
    if (!name)
        return INVALID_RES_HANDLE;
    auto it = _resources.find(ResourceKey(name));
    return it == _resources.end() ? INVALID_RES_HANDLE : it->second;
}

IResource* IResourceMgr::BeginResource()
{
    auto it = _resources.begin();
    _walking = it != _resources.end();
    if (!_walking)
        return INVALID_RES_HANDLE;
    _cursor = it->first;
    return it->second;
}

IResource* IResourceMgr::NextResource()
{
    if (!_walking)
        return INVALID_RES_HANDLE;
    // Keyed by name, so removing resources during a walk is safe.
    auto it = _resources.upper_bound(_cursor);
    _walking = it != _resources.end();
    if (!_walking)
        return INVALID_RES_HANDLE;
    _cursor = it->first;
    return it->second;
}

unsigned long IResourceMgr::ReadNextChunk(unsigned long skip, void* buffer, unsigned long size)
{
    return _master ? _master->ReadNextChunk(skip, buffer, size) : 0;
}
