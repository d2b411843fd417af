#include "services/physics/PhysicsLoader.h"

#include <memory>
#include <vector>

#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Singletons.h"
#include "services/physics/PhysicsAsset.h"
#include "services/physics/shim/NxScene.h"

namespace {

constexpr const char* Root = "phys/";

bool IsTriggerGroup(unsigned group) { return group == 4 || group == 5 || group == 8; }

std::unique_ptr<NxShapeDesc> ShapeFrom(const PhysicsShapeRecord& record, uint8_t defaultGroup, const Vec3& scale)
{
    const unsigned group = record.group ? record.group : defaultGroup;
    std::unique_ptr<NxShapeDesc> desc;
    switch (record.type)
    {
    case NX_SHAPE_SPHERE:
    {
        auto sphere = std::make_unique<NxSphereShapeDesc>();
        sphere->radius = record.radius;
        desc = std::move(sphere);
        // Spheres are either triggers or ordinary solids.
        desc->group = IsTriggerGroup(group) ? NxCollisionGroup(group) : 1;
        break;
    }
    case NX_SHAPE_BOX:
    {
        auto box = std::make_unique<NxBoxShapeDesc>();
        box->dimensions = record.dimensions;
        desc = std::move(box);
        desc->group = NxCollisionGroup(group);
        break;
    }
    case NX_SHAPE_CONVEX:
    {
        auto convex = std::make_unique<NxConvexShapeDesc>();
        convex->points = record.points;
        convex->triangles = record.triangles;
        // A mirrored part mirrors its vertices; other scales only move the shape.
        if (scale.x < 0 || scale.y < 0 || scale.z < 0)
            for (Vec3& p : convex->points)
                p *= scale;
        desc = std::move(convex);
        desc->group = NxCollisionGroup(group);
        desc->localPose.t = record.position * scale;
        break;
    }
    case NX_SHAPE_MESH:
    {
        auto mesh = std::make_unique<NxTriangleMeshShapeDesc>();
        mesh->points = record.points;
        mesh->triangles = record.triangles;
        desc = std::move(mesh);
        desc->group = NxCollisionGroup(group);
        break;
    }
    default: return nullptr;
    }
    if (record.type != NX_SHAPE_CONVEX)
        desc->localPose.t = record.position;
    desc->density = record.density;
    desc->name = record.name;
    if (record.type != NX_SHAPE_MESH && IsTriggerGroup(group))
        desc->shapeFlags = NX_TRIGGER_ENABLE;
    return desc;
}

std::unique_ptr<NxBodyDesc> BodyFrom(const PhysicsAssetData& data)
{
    auto body = std::make_unique<NxBodyDesc>();
    body->angularDamping = data.angularDamping;
    body->linearDamping = data.linearDamping;
    body->wakeUpCounter = data.wakeUpCounter;
    return body;
}

} // namespace

PhysicsLoader& PhysicsLoader::Attach(ResourceSystem& resources)
{
    static PhysicsLoader* const loader = Singletons::Adopt(std::unique_ptr<PhysicsLoader>(new PhysicsLoader()));
    if (loader->GetMaster() != &resources)
    {
        if (ResourceSystem* old = loader->GetMaster())
            old->UnregisterResMgr(loader);
        // Assets of another resource system may come from other roots.
        loader->RemoveAllResources(true);
        resources.RegisterResMgr("mdl", loader);
        resources.RegisterResMgr("pea", loader);
    }
    return *loader;
}

const PhysicsAsset* PhysicsLoader::GetAsset(const char* name)
{
    ResourceSystem* master = GetMaster();
    if (!master)
        return nullptr;
    SetRootDir(Root);
    IResource* resource = master->LoadResource(name, this, 0, 0);
    if (resource == INVALID_RES_HANDLE)
        return nullptr;
    return static_cast<const PhysicsAsset*>(resource);
}

NxActor* PhysicsLoader::CreateActor(NxScene& scene, const char* name)
{
    const PhysicsAsset* asset = GetAsset(name);
    if (!asset)
        return nullptr;
    const PhysicsAssetData& data = asset->GetData();
    NxActorDesc desc;
    desc.body = BodyFrom(data);
    desc.group = data.actorGroup;
    bool hasMesh = false;
    for (const PhysicsShapeRecord& record : data.shapes)
    {
        hasMesh = hasMesh || record.type == NX_SHAPE_MESH;
        desc.shapes.push_back(ShapeFrom(record, data.actorGroup, Vec3(1, 1, 1)));
    }
    // A triangle mesh makes the actor static.
    if (hasMesh)
        desc.body.reset();
    NxActor* actor = scene.createActor(desc);
    if (!actor)
        Dumper::Instance().Print(DUMP_ERROR, "Physics: no actor from \"%s\"\n", name);
    return actor;
}

NxActor* PhysicsLoader::CreateMultiModelActor(NxScene& scene, int count, char** names, const NxMat34* poses,
                                              const Vec3* scales, void** userPointers)
{
    NxActorDesc desc;
    uint8_t actorGroup = 0;
    for (int i = 0; i < count; ++i)
    {
        const PhysicsAsset* asset = GetAsset(names[i]);
        if (!asset)
            continue;
        const PhysicsAssetData& data = asset->GetData();
        if (!desc.body)
        {
            desc.body = BodyFrom(data);
            desc.group = actorGroup = data.actorGroup;
        }
        for (const PhysicsShapeRecord& record : data.shapes)
        {
            if (record.type == NX_SHAPE_MESH)
            {
                Dumper::Instance().Print(DUMP_WARNING,
                                         "Physics: triangle mesh \"%s\" of \"%s\" left out of a "
                                         "multi-model actor\n",
                                         record.name.c_str(), names[i]);
                continue;
            }
            std::unique_ptr<NxShapeDesc> shape = ShapeFrom(record, actorGroup, scales[i]);
            shape->group = 1; // a trigger stays a trigger
            // The shape sits in its part as the file places it, and the part in the actor.
            shape->localPose = poses[i] * shape->localPose;
            shape->userData = userPointers ? userPointers[i] : nullptr;
            desc.shapes.push_back(std::move(shape));
        }
    }
    NxActor* actor = scene.createActor(desc);
    if (!actor)
        Dumper::Instance().Print(DUMP_ERROR, "Physics: no multi-model actor from %d parts\n", count);
    return actor;
}

void* PhysicsLoader::OnQueryHeader(unsigned long& headerSize, const char*)
{
    headerSize = 0;
    return nullptr;
}

IResource* PhysicsLoader::OnCreateProxyResource(const ResourceInfo& info)
{
    auto* asset = new PhysicsAsset(info, DefaultPhysicsAsset());
    AddResource(asset);
    return asset;
}

IResource* PhysicsLoader::OnCreateResource(const ResourceInfo& info, unsigned long dataSize)
{
    std::vector<uint8_t> bytes(dataSize);
    if (ReadNextChunk(0, bytes.data(), dataSize) != dataSize)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Physics asset \"%s\": short read\n", info.name);
        return INVALID_RES_HANDLE;
    }
    PhysicsAssetData data;
    std::string error;
    if (!ReadPhysicsAsset(bytes.data(), bytes.size(), info.name, data, error))
    {
        Dumper::Instance().Print(DUMP_ERROR, "Physics asset \"%s\": %s\n", info.name, error.c_str());
        return INVALID_RES_HANDLE;
    }
    auto* asset = new PhysicsAsset(info, std::move(data));
    AddResource(asset);
    return asset;
}
