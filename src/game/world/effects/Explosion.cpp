#include "game/world/effects/Explosion.h"

#include <algorithm>
#include <cstdio>

#include "MaterialSystem/Renderable.h"
#include "MaterialSystem/meshes/MeshRenderable.h"
#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/actor/Limiter.h"
#include "game/world/effects/WorldScene.h"
#include "game/world/player/HudCalls.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/Omni.h"
#include "scene/nodes/RenderMesh.h"
#include "services/sound/SoundEngine.h"

namespace {

const char* const FlashMaterial = "prt_particlesexp00_add.mat";

// Squared distances from the player's ship that decide the staging.
constexpr float Near = 262144;    // 512 units
constexpr float Middle = 1048576; // 1024 units
constexpr float Far = 16777216;   // 4096 units
constexpr float Silent = 3000;    // no sound from here on
constexpr int GlassCracks = 8;    // on the cockpit glass, from a blast that reaches the player

float Random(int modulo) { return static_cast<float>(EngineRandom() % modulo); }

const Vec3& CameraPosition()
{
    static const Vec3 origin(0, 0, 0);
    const Camera* camera = game.GetCamera();
    return camera ? camera->GetGlobalPos() : origin;
}

} // namespace

Explosion::Explosion(const Matrix& pose, float radius, float, eExplosionType type, bool wave)
    : _radius(radius), _radiusSquared(radius * radius), _wave(wave), _type(type)
{
    SetName("Explosion");
    SetClassname("Explosion");
    RaiseFlag(ACTOR_FLAG_EXPLOSION);
    GetRoot() = pose;
}

bool Explosion::SoundName(eExplosionType type, float distance, char (&name)[SoundNameSize])
{
    name[0] = '\0';
    if (distance >= Silent)
        return false;
    const char* kind = "exp_%.2d.wav";
    if (type == EXPLOSION_ASTEROID)
        kind = "exp_ast_%.2d.wav";
    else if (type == EXPLOSION_ICE)
        kind = "exp_ice_%.2d.wav";
    else if (type == EXPLOSION_LAVA)
        kind = "exp_lava_%.2d.wav";
    const char* format = kind;
    int number = 0;
    if (distance < 512)
        number = EngineRandom() % 2;
    else if (distance < 1024)
        number = 1 + EngineRandom() % 2;
    else if (distance < 2048)
    {
        format = "exp_%.2d.wav";
        number = 2 + EngineRandom() % 2;
    }
    else
        number = 3 + EngineRandom() % 2;
    std::snprintf(name, sizeof name, format, number);
    return true;
}

void Explosion::UserInit()
{
    SetLifetime(_duration);
    const SingleLevel* level = game.GetLevel();
    const float distanceSquared = level ? level->DistanceToCameraSquared(GetPosition()) : 0;
    if (RenderScene* scene = GetWorldScene())
    {
        _node = scene->CreateGroup(SL_STAGE);
        _node->SetPosition(GetPosition());
        if (_wave)
        {
            _waveNode = scene->CreateGroup(SL_STAGE);
            _node->Attach(_waveNode);
            _waveMesh = scene->CreateMesh(SL_STAGE);
            _waveMesh->BindMesh(LoadWorldMesh("exp_wave.sms"), false);
            _waveNode->Attach(_waveMesh);
        }
    }
    Stage(distanceSquared);
    Limiter* limiter = game.GetLimiter();
    if (limiter && limiter->CanExplosionSound())
    {
        CreateSound();
        limiter->ExplosionSound();
    }
    CreateExplosionWave();
}

void Explosion::Stage(float distanceSquared)
{
    const Vec3 position = GetPosition();
    switch (_type)
    {
    case EXPLOSION_SHIP:
        CreateSprite(position, 36, Vec2(0, 0), 24, 0.03f);
        if (SingleLevel* level = game.GetLevel())
            level->AddForceByExplosion(position, 64, 64, 100);
        break;
    case EXPLOSION_BLAST:
        CreateSprite(position, 2, Vec2(0, 0), 24, 0.03f);
        CreateEffect("sparksBurstHit.pse");
        CreateEffect("rocketExplosion.pse");
        CreateEffect("rocketExplosionSparks.pse");
        for (int i = 0; i < 16; ++i)
        {
            const float frameTime = 0.02f + Random(2000) * 0.00001f;
            const float size = 32 + Random(32);
            const float z = 16 - Random(32);
            const float y = 16 - Random(32);
            const float x = 32 - Random(32);
            CreateSprite(position + Vec3(x, y, z), size, Vec2(0, 0), 24, frameTime);
        }
        CreateLight();
        if (distanceSquared < Far)
        {
            for (int i = 0; i < 32; ++i)
            {
                for (int unused = 0; unused < 3; ++unused)
                    EngineRandom();
                const float z = 256 - Random(512);
                const float y = 256 - Random(512);
                const float x = 256 - Random(512);
                if (SingleLevel* level = game.GetLevel())
                    level->CreateDebris(position, Vec3(x, y, z), DEBRIS_YTG, true);
            }
        }
        break;
    case EXPLOSION_ENERGY:
        if (distanceSquared < Middle)
            CreateEffect("sparksYtgMiddle.pse");
        CreateSprite(position, 96, Vec2(0, 0), 24, 0.05f);
        if (distanceSquared < Near)
        {
            for (int i = 0; i < 6; ++i)
            {
                const float frameTime = 0.01f + Random(30) * 0.001f;
                const Vec2 cell(0, static_cast<float>((i % 2) * 4));
                const float size = 12 + Random(24);
                const float z = 24 - Random(48);
                const float y = 24 - Random(48);
                const float x = 24 - Random(48);
                CreateSprite(position + Vec3(x, y, z), size, cell, 12, frameTime);
            }
        }
        CreateLight();
        break;
    case EXPLOSION_ICE: CreateEffect("astIceExplosion.pse"); break;
    case EXPLOSION_LAVA: CreateEffect("astLavaExplosion.pse"); break;
    default:
        CreateEffect("astExplosion.pse");
        if (distanceSquared < Middle)
            CreateEffect("sparksSmall.pse");
        break;
    }
}

void Explosion::CreateEffect(const char* file)
{
    SingleLevel* level = game.GetLevel();
    if (!level)
        return;
    const Quaternion orientation = _node ? _node->GetGlobalOrientation() : Quaternion::identity;
    level->CreateParticleEffect(file, GetPosition(), orientation, false, nullptr, Vec3(0, 0, 0));
}

void Explosion::CreateSprite(const Vec3& position, float size, const Vec2& cell, unsigned frames, float frameTime)
{
    if (SingleLevel* level = game.GetLevel())
        level->CreateSprite(LoadWorldMaterial(FlashMaterial), position, size, cell, frames, frameTime);
}

void Explosion::CreateLight()
{
    RenderScene* scene = GetWorldScene();
    if (!IsDynLighting() || !scene || !_node)
        return;
    _light = scene->CreateOmni(SL_STAGE);
    _node->Attach(_light);
    _light->SetDiffuse(Color(1, 0.9f, 0.25f, 1));
    _light->SetRange(_radius);
    _light->SetIntensity(4);
    if (_type == EXPLOSION_ENERGY)
        _light->SetDiffuse(Color(0, 0.5f, 0.9f, 1));
}

void Explosion::CreateSound()
{
    SoundEngine* sound = game.GetSoundEngine();
    char name[SoundNameSize];
    if (!sound || !SoundName(_type, GetPosition().Distance(CameraPosition()), name))
        return;
    SOUND3D_POSE pose;
    pose.position = GetPosition();
    sound->CreateSound3D(name, pose, false, true, -1);
}

void Explosion::CreateExplosionWave()
{
    const float distanceSquared = GetPosition().DistanceSquared(CameraPosition());
    if (distanceSquared >= _radiusSquared)
        return;
    Player* player = GetMissionPlayer();
    PlayerShip* ship = player ? player->GetShip() : nullptr;
    // Without the player's ship there is no one to hurt.
    if (!ship)
        return;
    const float k = 1 - distanceSquared / _radiusSquared;
    SendMessage(MESSAGE_DO_DAMAGE, ship, 0, new MessageDoDamage(k * 50));
    player->ShakeCamera(k * 30);
    Limiter* limiter = game.GetLimiter();
    if (limiter && limiter->CanDebrisHitSound())
    {
        char name[SoundNameSize];
        std::snprintf(name, sizeof name, "debris_explosion_%.2d.wav", EngineRandom() % 3);
        SendMessage(MESSAGE_PLAY_2D_SOUND, ship, 1 - k, new MessagePlay2DSound(name));
        limiter->DebrisHitSound();
        HudAddGlassCracks(player->GetHUD(), ship, GlassCracks);
    }
}

void Explosion::UserProceed()
{
    const float t = GetLifetime() / _duration;
    if (_light)
        _light->SetRange(std::max(0.0f, t * _radius));
    if (!_waveNode)
        return;
    const float scale = (1 - t) * _radius;
    _waveNode->SetScale(scale, scale, scale);
    const float animation = std::max(0.0f, t - 0.2f);
    for (unsigned material = 0; material < _waveMesh->GetMaterialCount(); ++material)
    {
        for (unsigned lod = 0; lod < RenderMesh::MaxLods; ++lod)
        {
            RenderSubMesh* subMesh = _waveMesh->GetSubMesh(lod, material);
            if (subMesh && subMesh->renderable)
                subMesh->renderable->GetParams().SetAnimation(animation);
        }
    }
}

void Explosion::UserShutDown()
{
    if (RenderScene* scene = GetWorldScene())
        scene->DestroyNode(_node);
    _node = nullptr;
    _light = nullptr;
    _waveNode = nullptr;
    _waveMesh = nullptr;
}
