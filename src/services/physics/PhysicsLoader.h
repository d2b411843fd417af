#pragma once
// The resource manager of physics assets (".mdl" and ".pea" under "phys/") and the builder of
// actors from them. One loader serves the whole process: it is made with the first space and
// registers with whichever resource system the current space uses.
#include "ResourceSystem/IResourceMgr.h"
#include "services/physics/shim/NxTypes.h"

class NxActor;
class NxScene;
class PhysicsAsset;
class ResourceSystem;

class PhysicsLoader : public IResourceMgr
{
public:
    // The process's loader, registered with `resources` (and forgotten by an earlier one).
    static PhysicsLoader& Attach(ResourceSystem& resources);

    // A broken or missing file yields the default unit sphere.
    const PhysicsAsset* GetAsset(const char* name);

    // Null (logged) when the scene cannot build it.
    NxActor* CreateActor(NxScene& scene, const char* name);
    NxActor* CreateMultiModelActor(NxScene& scene, int count, char** names, const NxMat34* poses, const Vec3* scales,
                                   void** userPointers);

    void* OnQueryHeader(unsigned long& headerSize, const char* extension) override;
    IResource* OnCreateProxyResource(const ResourceInfo& info) override;
    IResource* OnCreateResource(const ResourceInfo& info, unsigned long dataSize) override;

private:
    PhysicsLoader() = default;
};
