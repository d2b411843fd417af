#include "game/world/races/ShipYtgFighter02.h"

#include <cstdio>
#include <cstring>

#include "foundation/base/Random.h"
#include "MaterialSystem/MaterialSystem.h"
#include "game/ai/ShipEntity.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/effects/WorldScene.h"
#include "game/world/objects/Object.h"
#include "game/world/races/RaceShipEffects.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Model.h"

namespace {

constexpr float SparksWithin = 16777216;  // 4096 units, squared
constexpr float ShatterWithin = 67108864; // 8192 units, squared
constexpr long TumbleTurn = 500;
constexpr float TumbleSpeedFactor = 5;
constexpr float AxisLength = 24; // of the AI entity's debug axes

const char* const FlashMaterial = "prt_particlesexp00_add.mat";
const char* const TrailMaterial = "ytg_fighter_02_rocket_strip.mat";
const DeathEffects YtgFighterDeath{32, 100, "expFireYtgFtr02.pse", "rocketExplosionSparks.pse", 5, 48};

float Draw(int modulo) { return static_cast<float>(EngineRandom() % modulo); }

float NextSparkTime() { return Draw(10) * 0.01f + 0.1f; }

// Each component 100 - rand % 200.
Vec3 Scatter()
{
    const float x = 100 - Draw(200);
    const float y = 100 - Draw(200);
    const float z = 100 - Draw(200);
    return Vec3(x, y, z);
}

Vec3 UnitOr(const Vec3& v, const Vec3& fallback)
{
    if (v.LengthSquared() <= 0)
        return fallback;
    Vec3 unit = v;
    unit.Normalize();
    return unit;
}

} // namespace

ShipYtgFighter02::ShipYtgFighter02()
{
    RaiseFlag(ACTOR_FLAG_SMALL_CRAFT);
    SetName("ShipYtgFighter02");
    SetClassname("ShipYtgFighter02");
    _explodeTimer = Draw(30) * 0.1f + 1;
    _sparkTimer = NextSparkTime();
}

void ShipYtgFighter02::UserInit()
{
    Fighter::UserInit();
    CreateEngineTrails(*this, {{0, TrailMaterial, 1, 1.5f},
                               {1, TrailMaterial, 0.5f, 1},
                               {2, TrailMaterial, 0.5f, 1},
                               {3, TrailMaterial, 0.5f, 1},
                               {4, TrailMaterial, 0.5f, 1}});
    const ShipType* type = GetPrototype();
    AddWeapon(type && std::strcmp(type->name, "ytg_fighter_02") == 0 ? "Blaster00" : "Blaster01", 0, nullptr, 0);
    CreateEngineFlares();
}

void ShipYtgFighter02::UserProceed()
{
    Fighter::UserProceed();
    if (!IsDead())
    {
        UpdateEngineFlares();
        if (_tumbling)
            Tumble();
        else if (GetCurrentStructure() < GetMaximumStructure())
            StartTumbling();
    }
    ShowDeathEffects(*this, YtgFighterDeath);
}

void ShipYtgFighter02::StartTumbling()
{
    if (SingleLevel* level = game.GetLevel())
        level->CreateExplosion(GetRoot(), 32, 100, EXPLOSION_SHIP, false);
    _tumbling = true;
    const Matrix& root = GetRoot();
    switch (EngineRandom() % 4)
    {
    case 0: _tumbleAxis = root.Up(); break;
    case 1: _tumbleAxis = -root.Up(); break;
    case 2: _tumbleAxis = root.Right(); break;
    default: _tumbleAxis = -root.Right(); break;
    }
    SetMaxSpeed(GetMaxSpeed() * TumbleSpeedFactor);
    // Its AI lets go: from now on only the controller's orders turn it and speed it up, to the
    // new maximum.
    SetOutOfControl();
    SetSpeed(100);
}

void ShipYtgFighter02::Tumble()
{
    SetRotateToDir(_tumbleAxis);
    Roll(TumbleTurn);
    Yaw(TumbleTurn);
    Pitch(TumbleTurn);
    const float spf = game.GetSPF();
    _explodeTimer -= spf;
    _sparkTimer -= spf;
    if (_sparkTimer <= 0)
    {
        if (DistanceToCameraSquared() < SparksWithin)
            SprayBurst();
        // Far away the burst is skipped, but the next one is timed all the same.
        _sparkTimer = NextSparkTime();
    }
    if (_explodeTimer <= 0 && !IsDead())
        Explode();
}

void ShipYtgFighter02::SprayBurst()
{
    SingleLevel* level = game.GetLevel();
    if (!level)
        return;
    Material* flash = LoadWorldMaterial(FlashMaterial);
    const Vec3 behind = GetRoot().Pos() - GetRoot().Dir() * 16;
    level->CreateSprite(flash, behind, 12, Vec2(0, 0), 24, 0.03f);
    for (int extra = EngineRandom() % 5; extra > 0; --extra)
    {
        const float x = 8 - Draw(16);
        const float y = 8 - Draw(16);
        const float z = 8 - Draw(16);
        level->CreateSprite(flash, behind + Vec3(x, y, z), 32, Vec2(0, 0), 24, 0.03f);
    }
    const Bone* model = GetMainModel();
    level->CreateParticleEffect("expFireGib.pse", behind, model ? model->GetGlobalOrientation() : Quaternion::identity,
                                false, nullptr, Vec3(0, 0, 0));
}

void ShipYtgFighter02::StartBurning()
{
    _fireEmitter = StartFire(*this);
    Fighter::StartBurning();
}

void ShipYtgFighter02::Explode()
{
    HandFireToKeeper(_fireEmitter);
    if (RenderScene* scene = GetWorldScene())
    {
        // The wreck takes the intact model's place at once, not only with the next frame.
        const Vec3 position = _mainModel ? _mainModel->GetGlobalPos() : GetPosition();
        const Quaternion orientation = _mainModel ? _mainModel->GetGlobalOrientation() : Quaternion::identity;
        // The flares and trails hang under the intact model and go with it.
        scene->DestroyNode(_mainModel);
        _flareSet = nullptr;
        _mainModel = scene->CreateModel("ytg_fighter_02_damaged.mod", SL_STAGE);
        _mainModel->SetPosition(position);
        _mainModel->SetOrientation(orientation);
    }
    Fighter::Explode();
}

void ShipYtgFighter02::UserShutDown()
{
    const SingleLevel* level = game.GetLevel();
    if (level && level->IsExist() && DistanceToCameraSquared() < ShatterWithin)
        Shatter();
    Fighter::UserShutDown();
}

void ShipYtgFighter02::Shatter()
{
    SingleLevel* level = game.GetLevel();
    Model* model = GetMainModelEx();
    const Vec3 ahead = GetRoot().Dir();
    for (int piece = 0; piece < PieceCount; ++piece)
    {
        char name[32];
        std::snprintf(name, sizeof name, "ytg_fighter_02_%c", 'a' + piece);
        // A model without the piece's bone (the intact one, when the fighter goes without
        // exploding) has no place to start it from.
        const Bone* bone = model ? model->FindBone(Name(name)) : nullptr;
        if (!bone)
            continue;
        Object* object = level->CreateObject(name, nullptr);
        if (!object)
            continue;
        object->SetPose(bone->GetWorldMatrix());
        // The first three fly on almost straight ahead, the others spread; all lean forward.
        Vec3 direction = piece < 3 ? UnitOr(ahead + Scatter() * 0.0001f, ahead) : UnitOr(Scatter(), ahead);
        direction = UnitOr(direction + ahead * 3, ahead);
        const float push = Draw(96) + 64;
        object->AddForce(direction * push * 3, NX_SMOOTH_VELOCITY_CHANGE);
        object->AddTorque(direction * 2, NX_SMOOTH_VELOCITY_CHANGE);
    }
}

void ShipYtgFighter02::OnRender(eSceneLayerType layer, Camera* camera, MaterialSystem* system)
{
    const Pelloris::ShipEntity* entity = GetEntity();
    // A mission run without the AI gives the ship no entity, and so no axes.
    if (IsDead() || layer != SL_STAGE || camera != game.GetCamera() || !entity || !system)
        return;
    const Vec3 origin = entity->GetPosition().ToVec3();
    const struct
    {
        Vec3 axis;
        uint32_t color;
    } axes[3] = {{entity->GetForward().ToVec3(), 0xFFFF0000},
                 {entity->GetUp().ToVec3(), 0xFF0000FF},
                 {entity->GetSide().ToVec3(), 0xFF00FF00}};
    for (int i = 0; i < 3; ++i)
        _axisLines[i] = {{origin, origin + axes[i].axis * AxisLength}, axes[i].color};
    system->DrawLines(_axisLines, 3);
}

void ShipYtgFighter02::CreateEngineFlares()
{
    _flareSet = ::CreateEngineFlares(GetMainModel(), {"ytg_engine_glow_00.mat", 8, 5, {16, 8, 8, 8, 8}});
}

void ShipYtgFighter02::UpdateEngineFlares() { ::UpdateEngineFlares(_flareSet, GetMainModelEx()); }
