#include "game/world/weapons/BurstPoint.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/draw/DrawTypes.h"
#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/effects/WorldScene.h"
#include "game/world/weapons/RaycastReport.h"
#include "game/world/weapons/Shooter.h"
#include "game/world/weapons/Weapon.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/particles/ParticleSet.h"
#include "services/physics/PhysicsSpace.h"
#include "services/physics/shim/NxScene.h"

namespace {

const char* const PlasmaMesh = "ytg_plasma_01.sms";
const char* const DefaultFlare = "ytg_engine_glow_00.mat";
const char* const SparkMaterial = "prt_particlesexp00_add.mat";
// A flare fades out towards this squared distance from the camera (4096 units).
constexpr float FlareFadeSquared = 16777216;
// The groups a bolt's ray meets: hulls, hull parts and sensor spheres.
constexpr NxU32 RayGroups = 30;

bool IsValid(const char* name) { return name && name[0]; }

} // namespace

BurstPoint::BurstPoint(float lifetime, Actor* shooter, Weapon* weapon, Bone* bone)
    : _lifetime(lifetime), _shooter(shooter), _weapon(weapon), _bone(bone), _report(std::make_unique<RaycastReport>())
{
    _report->setParent(this);
}

BurstPoint::~BurstPoint() = default;

void BurstPoint::Initialize(const Vec3& velocity, const Vec3& position)
{
    _velocity = velocity;
    _direction = velocity;
    if (_direction.LengthSquared() > 0)
        _direction.Normalize();
    _position = _previousPosition = position;
    if (_bone)
        _orientation = _bone->GetGlobalOrientation();
    const WeaponType* type = _weapon ? _weapon->GetPrototype() : nullptr;
    _speed = type ? type->speed : 0;
    RenderScene* scene = GetWorldScene();
    if (!scene)
        return;
    RenderMesh* mesh = scene->CreateMesh(SL_STAGE);
    mesh->BindMesh(LoadWorldMesh(PlasmaMesh), false);
    if (type && IsValid(type->material))
        mesh->SetMaterial(0, LoadWorldMaterial(type->material));
    _node = scene->CreateGroup(SL_STAGE);
    _node->Attach(mesh);
    _node->SetPosition(_position);
    _node->SetOrientation(_orientation);
    CreateFlare();
}

void BurstPoint::CreateFlare()
{
    // The player's own bolts carry no glow.
    RenderScene* scene = GetWorldScene();
    if (IsPlayerShip(_shooter) || !scene || !_node)
        return;
    const WeaponType* type = _weapon ? _weapon->GetPrototype() : nullptr;
    _flareSet = scene->CreateParticleSet(SL_STAGE);
    _node->Attach(_flareSet);
    _flareSet->SetParticleShape(PS_BILLBOARD);
    _flareSet->SetDefaultSize(24);
    _flareSet->SetMaterial(
        LoadWorldMaterial(type && IsValid(type->materialFlare) ? type->materialFlare : DefaultFlare));
    _flareSet->SetMaxParticles(1);
    _flareSet->SetTintStrength(0.5f);
    _flareParticle = _flareSet->CreateParticle();
    _flareParticle->position = _position;
}

void BurstPoint::Proceed()
{
    const float dt = game.GetSPF();
    const Vec3 step = _velocity * dt;
    _report->SetDirection(_direction);
    _lifetime -= dt;
    const float reach = _speed * dt;
    const SingleLevel* level = game.GetLevel();
    const PhysicsSpace* space = level ? level->GetSpace() : nullptr;
    if (reach > 0 && space)
    {
        NxRay ray;
        ray.orig = _position;
        ray.dir = _direction;
        space->GetScene()->raycastAllShapes(ray, *_report, NX_ALL_SHAPES, RayGroups, reach);
    }
    _previousPosition = _position;
    _position += step;
    if (_node)
        _node->SetPosition(_position);
    UpdateFlare();
}

void BurstPoint::UpdateFlare()
{
    if (!_flareParticle)
        return;
    _flareParticle->position = _position;
    const Camera* camera = game.GetCamera();
    const float distanceSquared = camera ? _position.DistanceSquared(camera->GetGlobalPos()) : 0;
    const float a = distanceSquared <= FlareFadeSquared ? 1 - distanceSquared / FlareFadeSquared : 0;
    _flareParticle->color = Color(a, a, a, a);
}

void BurstPoint::ShutDown()
{
    SingleLevel* level = game.GetLevel();
    if (_dead && _hitTo && !_hitTo->HasFlag(ACTOR_FLAG_PLAYER_SHIP) && level)
    {
        const WeaponType* type = _weapon ? _weapon->GetPrototype() : nullptr;
        if (IsDynLighting())
            level->CreateDynamicLight(_deathPosition, Color(static_cast<uint32_t>(type ? type->color : -1)), 64, 1, 1);
        const float size = static_cast<float>(8 + EngineRandom() % 12);
        level->CreateSprite(LoadWorldMaterial(SparkMaterial), _deathPosition, size, Vec2(0, 0), 24, 0.03f);
    }
    if (RenderScene* scene = GetWorldScene())
        scene->DestroyNode(_node);
    _node = nullptr;
    _flareSet = nullptr;
    _flareParticle = nullptr;
}

void BurstPoint::OnRender(eSceneLayerType layer, Camera* camera, MaterialSystem* system)
{
    // The path of the last step, seen from the game's own camera.
    if (layer != SL_STAGE || camera != game.GetCamera() || !system)
        return;
    const HelperLine line = {{_previousPosition, _position}, 0xFFFF0000u};
    system->DrawLines(&line, 1);
}
