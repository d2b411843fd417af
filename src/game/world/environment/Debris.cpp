#include "game/world/environment/Debris.h"

#include <cstdio>

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/effects/WorldScene.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/hud/GuiShipHudGlassDecals.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/RenderMesh.h"
#include "services/sound/SoundEngine.h"

namespace {

constexpr float HitDistanceSquared = 64;         // 8 units from the player's ship
constexpr float EffectDistanceSquared = 1048576; // 1024 units
constexpr float HitDamage = 12;

float Spin() { return static_cast<float>(50 - EngineRandom() % 100); }

} // namespace

Debris::Debris(const Vec3& position, const Vec3& velocity, eDebrisType kind, bool expires)
    : _startPosition(position), _velocity(velocity), _spinAxis(velocity), _kind(kind), _expires(expires)
{
    SetName("Debris");
    SetClassname("Debris");
    SetTagName("");
    RaiseFlag(ACTOR_FLAG_DEBRIS);
    if (velocity == Vec3(0, 0, 0))
    {
        _spinSpeed = Spin();
        _spinAxis.z = Spin();
        _spinAxis.y = Spin();
        _spinAxis.x = Spin();
    }
    else
        _spinSpeed = velocity.Length();
    // Three draws of 50 give no axis at all.
    if (_spinAxis.LengthSquared() > 0)
        _spinAxis.Normalize();
    else
        _spinAxis = Vec3(0, 0, 1);
}

void Debris::UserInit()
{
    float scale = 0.1f + static_cast<float>(EngineRandom() % 2000) * 0.001f;
    const std::string file = DebrisMeshFile(_kind, true);
    if (_kind == DEBRIS_CRYSTAL)
        scale *= static_cast<float>(EngineRandom() % 5);
    else if (_kind == DEBRIS_ICE)
        scale = 7;
    else if (_kind == DEBRIS_LAVA)
        scale = static_cast<float>(3 + EngineRandom() % 2);
    if (RenderScene* scene = GetWorldScene())
    {
        RenderMesh* mesh = scene->CreateMesh(SL_STAGE);
        _group = scene->CreateGroup(SL_STAGE);
        mesh->BindMesh(LoadWorldMesh(file.c_str()), false);
        _group->Attach(mesh);
        _group->SetScale(scale, scale, scale);
        _group->SetPosition(_startPosition);
    }
    // The distance to the player's ship is measured from the chunk.
    _mainModel = _group;
    if (_expires)
        SetLifetime(6 + static_cast<float>(EngineRandom() % 100) * 0.1f);
}

void Debris::UserProceed()
{
    const float dt = game.GetSPF();
    if (_group)
    {
        _group->SetPosition(_group->GetLocalPos() + _velocity * dt);
        const float turn = _spinSpeed * dt;
        _group->Roll(_spinAxis.x * turn, CS_LOCAL);
        _group->Pitch(_spinAxis.y * turn, CS_LOCAL);
        _group->Yaw(_spinAxis.z * turn, CS_LOCAL);
    }
    if (!_hitPlayer && DistanceToCameraSquared() < HitDistanceSquared)
        HitPlayer();
}

void Debris::HitPlayer()
{
    Player* player = GetMissionPlayer();
    PlayerShip* ship = player ? player->GetShip() : nullptr;
    // Without the player's ship the distance is the camera's, and there is no one to hurt.
    if (!ship)
        return;
    SendMessage(MESSAGE_DO_DAMAGE, ship, 0, new MessageDoDamage(HitDamage));
    if (SoundEngine* sound = game.GetSoundEngine())
    {
        char name[32];
        std::snprintf(name, sizeof name, "debris_hit_%.2d.wav", EngineRandom() % 8);
        sound->CreateSound2D(name, true, -1);
    }
    player->ShakeCamera(12);
    AddGlassDecalOnDebrisHit();
    _hitPlayer = true;
    SetLifetime(0.001f);
}

void Debris::UserPreDeleteEffect()
{
    SingleLevel* level = game.GetLevel();
    if (!level || !_group || _kind == DEBRIS_CRYSTAL || DistanceToCameraSquared() >= EffectDistanceSquared)
        return;
    const Vec3 position = _group->GetGlobalPos();
    if (_kind == DEBRIS_YTG)
        level->CreateSprite(LoadWorldMaterial("prt_particlesexp00_add.mat"), position, 16, Vec2(0, 0), 24, 0.03f);
    else
        level->CreateParticleEffect("astExplosionDebris.pse", position, _group->GetGlobalOrientation(), false, nullptr,
                                    Vec3(0, 0, 0));
}

void Debris::UserShutDown()
{
    if (RenderScene* scene = GetWorldScene())
        scene->DestroyNode(_group);
    _group = nullptr;
    _mainModel = nullptr;
}
