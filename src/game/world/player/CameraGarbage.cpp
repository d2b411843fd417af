#include "game/world/player/CameraGarbage.h"

#include <cstdio>

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/meshes/MeshMgr.h"
#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/RenderMesh.h"

namespace {

constexpr float Reach = 1280; // beyond this the rock is put back ahead
constexpr float ReachSquared = Reach * Reach;
constexpr float SpinRate = 32; // degrees per second about its own forward axis

// A direction from three coordinates of rand() % 1024 - 512 each.
Vec3 RandomDirection()
{
    const auto coordinate = [] { return static_cast<float>(EngineRandom() % 1024 - 512); };
    const float x = coordinate(), y = coordinate(), z = coordinate();
    Vec3 direction(x, y, z);
    const float length = direction.Length();
    return length > 0 ? direction * (1.0f / length) : Vec3(0, 0, 1);
}

// The rock mesh of the level's debris kind.
std::string RockMesh(eDebrisType type)
{
    char name[64];
    switch (type)
    {
    case DEBRIS_ROCK:
    case DEBRIS_CRYSTAL:
        std::snprintf(name, sizeof(name), "env//asteroids//rock000//debris_%.2d.sms", EngineRandom() % 12);
        break;
    case DEBRIS_ICE:
        std::snprintf(name, sizeof(name), "env//asteroids//ice003//debris_%.2d.sms", EngineRandom() % 14);
        break;
    case DEBRIS_LAVA:
        std::snprintf(name, sizeof(name), "env//asteroids//lava000//debris_%.2d.sms", EngineRandom() % 6);
        break;
    default: std::snprintf(name, sizeof(name), "env//asteroids//debris_unknown.sms"); break;
    }
    return name;
}

} // namespace

void CameraGarbage::Initialize(const Vec3& position, eDebrisType debrisType)
{
    _points.reserve(1);
    RenderScene* scene = game.GetRenderScene();
    MaterialSystem* render = game.GetRender();
    if (!scene)
        return;
    Point point;
    const std::string file = RockMesh(debrisType);
    point.bone = scene->CreateBone(SL_STAGE);
    point.mesh = scene->CreateMesh(SL_STAGE);
    if (render && render->GetMeshMgr())
        point.mesh->BindMesh(render->GetMeshMgr()->CreateMeshFromFile(file.c_str()), false);
    const Vec3 direction = RandomDirection();
    point.bone->SetPosition(position + direction * static_cast<float>(EngineRandom() % 280 + 1000));
    point.bone->Pitch(static_cast<float>(EngineRandom() % 360), CS_LOCAL);
    point.bone->Yaw(static_cast<float>(EngineRandom() % 360), CS_LOCAL);
    point.bone->Roll(static_cast<float>(EngineRandom() % 360), CS_LOCAL);
    point.bone->Attach(point.mesh);
    _points.push_back(point);
}

void CameraGarbage::Proceed(const Vec3& position)
{
    const float spf = game.GetSPF();
    for (Point& point : _points)
    {
        point.bone->Roll(SpinRate * spf, CS_LOCAL);
        if (point.bone->GetGlobalPos().DistanceSquared(position) > ReachSquared)
        {
            const Vec3 direction = RandomDirection();
            point.bone->SetPosition(position + direction * static_cast<float>(EngineRandom() % 512 + 792));
        }
    }
}

void CameraGarbage::ShutDown()
{
    RenderScene* scene = game.GetRenderScene();
    for (const Point& point : _points)
    {
        if (scene)
            scene->DestroyNode(point.bone);
    }
    _points.clear();
}
