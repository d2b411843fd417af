#include "game/world/weapons/Bullet.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "foundation/base/Random.h"
#include "game/ai/EntityManager.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/effects/ParticleKeeper.h"
#include "game/world/effects/Trail.h"
#include "game/world/effects/WorldScene.h"
#include "game/world/objects/Object.h"
#include "game/world/ships/Ship.h"
#include "game/world/weapons/Weapon.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/Model.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/EmitterMgr.h"
#include "scene/particles/ParticleEmitter.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/PhysicsSpace.h"
#include "services/sound/SoundEngine.h"

namespace {

const char* const FlashMaterial = "prt_particlesexp00_add.mat";
const char* const TorpedoFlashMaterial = "prt_particlesexp01_add.mat";
// Hits farther than this from the player (squared, 8192 units) make no effects.
constexpr float EffectsDistanceSquared = 67108864;
// Spacing of the fragments behind the divided bullet.
constexpr float FragmentSpacing = 4;

PhysicsSpace* Space()
{
    const SingleLevel* level = game.GetLevel();
    return level ? level->GetSpace() : nullptr;
}

bool IsValid(const char* name) { return name && name[0]; }

// 0.801 to 1.2: how much faster or slower a shot leaves.
float SpeedFactor() { return 1.2f - static_cast<float>(EngineRandom() % 400) / 1000.0f; }

Vec3 Normalized(Vec3 v)
{
    if (v.LengthSquared() > 0)
        v.Normalize();
    return v;
}

} // namespace

Bullet::Bullet(Actor* shooter, Actor* target, Weapon* weapon) : _shooter(shooter), _target(target), _weapon(weapon)
{
    SetClassname("Bullet");
    RaiseFlag(ACTOR_FLAG_BULLET);
}

bool Bullet::IsTorpedo() const
{
    const WeaponType* type = _weapon ? _weapon->GetPrototype() : nullptr;
    return type && std::strstr(type->name, "Torpeda");
}

Vec3 Bullet::BodyPosition() const { return _physEntity ? _physEntity->GetGlobalPosition() : GetPosition(); }

Vec3 Bullet::BodyDirection() const
{
    return Normalized(_physEntity ? _physEntity->GetGlobalPose().Dir() : GetRoot().Dir());
}

void Bullet::UserInit()
{
    const WeaponType* type = _weapon ? _weapon->GetPrototype() : nullptr;
    if (!type)
    {
        SetLifetime(0);
        return;
    }
    // A fragment flies the rest of its parent's time.
    SetLifetime(_launched ? _weapon->GetBulletLifetime() : _weapon->GetBulletLifetime() - type->delayBefforeDivision);
    _divisionDelay = type->delayBefforeDivision;
    if (PhysicsSpace* space = Space())
        _physEntity = space->CreatePhysicsActor(this, type->physAsset);
    RecalcVelocity();
    if (RenderScene* scene = GetWorldScene())
    {
        if (IsValid(type->renderAsset))
            _mainModel = scene->CreateModel(type->renderAsset, SL_STAGE);
        if (!_mainModel)
            _mainModel = scene->CreateGroup(SL_STAGE);
        if (IsValid(type->stripMaterial))
            CreateStrip();
        if (IsValid(type->particles) && _launched)
            CreateParticles();
    }
}

void Bullet::SetPose(Matrix pose)
{
    GetRoot() = pose;
    if (_physEntity)
        _physEntity->SetGlobalPose(pose);
    if (_mainModel)
    {
        _mainModel->SetPosition(pose.Pos());
        _mainModel->SetOrientation(pose.Right(), pose.Up(), pose.Dir());
    }
}

void Bullet::RecalcVelocity()
{
    const WeaponType* type = _weapon ? _weapon->GetPrototype() : nullptr;
    if (!_physEntity || !type)
        return;
    Vec3 velocity;
    if (_launched)
    {
        const PhysicsActor* shooterBody = _shooter ? _shooter->GetPhysEntity() : nullptr;
        const float speed =
            (shooterBody ? shooterBody->GetGlobalLinearVelocity().Length() : 0) + _weapon->GetBulletSpeed();
        const Vec3 direction = _shooter ? Normalized(_shooter->GetRoot().Dir()) : BodyDirection();
        velocity = direction * (speed * SpeedFactor());
    }
    else
    {
        // A radius below half a unit spreads nothing rather than dividing by zero.
        const int span = static_cast<int>(2 * type->divisionRadius);
        auto component = [&] {
            return span > 0 ? type->divisionRadius - static_cast<float>(EngineRandom() % span) : 0.0f;
        };
        const float x = component();
        const float y = component();
        const float z = component();
        const Vec3 spread = Vec3(x, y, z) * SpeedFactor();
        velocity = BodyDirection() * _weapon->GetBulletSpeed() + spread;
    }
    _physEntity->SetGlobalLinearVelocity(velocity);
}

void Bullet::CreateStrip()
{
    RenderScene* scene = GetWorldScene();
    const WeaponType* type = _weapon->GetPrototype();
    Group* group = scene->CreateGroup(SL_STAGE);
    _mainModel->Attach(group);
    Emitter* strip = scene->CreateEmitter(SL_STAGE);
    group->Attach(strip);
    ParticleEmitter* trail = strip->AddParticleEmitter();
    SetUpTrail(trail, LoadWorldMaterial(type->stripMaterial), 0, 50, _launched ? 1.2f : 2.4f);
    trail->GetParticleSize() = Lerper<float>(2);
    Lerper<Color> color;
    color.AddKey(0, Color(1, 1, 1, 1));
    color.AddKey(0.8f, Color(1, 1, 1, 1));
    color.AddKey(1, Color(0, 0, 0, 1));
    trail->GetParticleColor() = color;
    strip->Play(1);
}

void Bullet::CreateParticles()
{
    RenderScene* scene = GetWorldScene();
    _emitter = scene->CreateEmitter(SL_STAGE);
    if (EmitterMgr* emitters = GetWorldEmitterMgr())
        emitters->Load(_weapon->GetPrototype()->particles, _emitter);
    _mainModel->Attach(_emitter);
    _emitter->Yaw(90, CS_LOCAL);
}

void Bullet::UserProceed()
{
    const WeaponType* type = _weapon ? _weapon->GetPrototype() : nullptr;
    if (!type)
        return;
    if (_physEntity)
    {
        GetRoot() = _physEntity->GetGlobalPose();
        if (_mainModel)
        {
            _mainModel->SetPosition(GetRoot().Pos());
            _mainModel->SetOrientation(_physEntity->GetGlobalOrientationQuat());
        }
    }
    const float dt = game.GetSPF();
    const float age = type->lifetime - GetLifetime();
    const float strength = _launched ? type->autoAimAngle : type->divisionAutoaim;
    if (strength > 0)
    {
        if (!_target)
        {
            Ship* shooter = _shooter && _shooter->HasFlag(ACTOR_FLAG_SHIP) ? static_cast<Ship*>(_shooter) : nullptr;
            _target = Pelloris::EntityManager::GetInstance()->GetRandomTarget(shooter);
        }
        else if (_target->IsDeleted())
            _target = nullptr;
        else if (age > HomingStart && _physEntity)
        {
            // The turn eases in over the second half-second to one second of flight.
            const float k = std::min(age - HomingStart, 1.0f);
            const Vec3 velocity = _physEntity->GetGlobalLinearVelocity();
            const float speed = velocity.Length();
            const Vec3 to = Normalized(_target->GetPosition() - BodyPosition());
            const Vec3 turned = Normalized(Normalized(velocity) + to * (k * strength * dt * 60));
            _physEntity->SetGlobalLinearVelocity(turned * speed);
        }
    }
    if (_launched && !_touched && _divisionDelay > 0)
    {
        _divisionTimer += dt;
        if (_divisionDelay <= _divisionTimer)
            Divide();
    }
}

void Bullet::Divide()
{
    _touched = true;
    SetLifetime(0);
    ReleaseEmitter();
    SingleLevel* level = game.GetLevel();
    if (!level)
        return;
    const Vec3 position = BodyPosition();
    const Vec3 direction = BodyDirection();
    const Matrix pose = _physEntity ? _physEntity->GetGlobalPose() : GetRoot();
    const Quaternion orientation(pose.Right(), pose.Up(), pose.Dir());
    level->CreateSprite(LoadWorldMaterial(FlashMaterial), position + direction * 5, 2, Vec2(0, 0), 24, 0.03f);
    level->CreateParticleEffect("rocketExplosion.pse", position - direction * 5, orientation, false, nullptr,
                                Vec3(0, 0, 0));
    level->CreateParticleEffect("rocketExplosionSparks.pse", position, orientation, false, nullptr, Vec3(0, 0, 0));
    if (SoundEngine* sound = game.GetSoundEngine())
    {
        SOUND3D_POSE soundPose;
        soundPose.position = position;
        sound->CreateSound3D("weapons\\divisionExplosion.wav", soundPose, false, true, -1.0f);
    }
    const int count = static_cast<int>(_weapon->GetPrototype()->divisionNum);
    for (int i = 0; i < count; ++i)
    {
        auto* fragment = new Bullet(_shooter, nullptr, _weapon);
        fragment->SetLaunched(false);
        level->CreateActor(fragment, nullptr);
        Matrix fragmentPose = Matrix::Ident();
        fragmentPose.FromOrientation(direction, pose.Up());
        const float x = static_cast<float>(16 - EngineRandom() % 32);
        const float y = static_cast<float>(16 - EngineRandom() % 32);
        const float z = static_cast<float>(16 - EngineRandom() % 32);
        fragmentPose.Translate(position - direction * (FragmentSpacing * static_cast<float>(i)) + Vec3(x, y, z));
        fragment->SetPose(fragmentPose);
        fragment->RecalcVelocity();
    }
}

void Bullet::OnStartTouch(PhysicsActorEventListener& other, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&,
                          NxContactStreamIterator&)
{
    const auto* actor = dynamic_cast<Actor*>(&other);
    if (_touched || !actor || actor->HasFlag(ACTOR_FLAG_BULLET) || !actor->HasFlag(ACTOR_FLAG_OBJECT))
        return;
    _touched = true;
    SetLifetime(0);
}

void Bullet::OnTriggerEnter(PhysicsActorEventListener& other, NxShape&, NxShape& otherShape)
{
    auto* actor = dynamic_cast<Actor*>(&other);
    if (_touched || !actor || actor == _shooter)
        return;
    const WeaponType* type = _weapon ? _weapon->GetPrototype() : nullptr;
    const bool isShip = actor->HasFlag(ACTOR_FLAG_SHIP);
    if (!type || (!isShip && !actor->HasFlag(ACTOR_FLAG_OBJECT)))
        return;
    // A launched bullet hurts with its weapon; a fragment carries its share of the damage.
    Message* damage =
        _launched
            ? new MessageDoDamageToPart(&otherShape, _weapon, 0, false)
            : new MessageDoDamageToPart(&otherShape, nullptr,
                                        type->divisionNum > 0 ? type->damage / type->divisionNum : type->damage, false);
    if (SingleLevel* level = game.GetLevel())
        level->SendMessage(_shooter, actor, MESSAGE_DO_DAMAGE_TO_PART, damage, 0);
    else
        delete damage;
    const Vec3 explosionVelocity = isShip ? -static_cast<Ship*>(actor)->GetCurrentVelocity() : Vec3(0, 0, 0);
    _touched = true;
    SetLifetime(0);
    if (DistanceToCameraSquared() < EffectsDistanceSquared)
        CreateHitEffects(explosionVelocity);
}

void Bullet::CreateHitEffects(const Vec3& explosionVelocity)
{
    SingleLevel* level = game.GetLevel();
    if (!level)
        return;
    const Vec3 position = BodyPosition();
    const Vec3 direction = BodyDirection();
    const Quaternion& orientation = Quaternion::identity;
    const Vec3 still(0, 0, 0);
    level->CreateSprite(LoadWorldMaterial(FlashMaterial), position + direction * 5, 2, Vec2(0, 0), 24, 0.03f);
    level->CreateParticleEffect("sparksBurstHit.pse", position + direction * 5, orientation, false, nullptr, still);
    if (!IsTorpedo())
    {
        level->CreateParticleEffect("rocketExplosion.pse", position - direction * 5, orientation, false, nullptr,
                                    explosionVelocity);
        level->CreateParticleEffect("rocketExplosionSparks.pse", position, orientation, false, nullptr,
                                    explosionVelocity);
        if (IsDynLighting())
            level->CreateDynamicLight(position - direction * 24, Color(1, 0.75f, 0), 128, 4, 2);
    }
    else
    {
        level->CreateSprite(LoadWorldMaterial(TorpedoFlashMaterial), position, 128, Vec2(0, 0), 24, 0.05f);
        level->CreateParticleEffect("sparksYtgMiddleTorpeda.pse", position, orientation, false, nullptr,
                                    explosionVelocity);
        const float parts = _weapon->GetPrototype()->divisionNum;
        const int count = _launched ? 8 : (parts > 0 ? static_cast<int>(8 / parts) : 8);
        CreateTorpedoDebris(position, count);
        for (int i = 0; i < 2 * count; ++i)
        {
            const float x = static_cast<float>(32 - EngineRandom() % 32);
            const float y = static_cast<float>(16 - EngineRandom() % 32);
            const float z = static_cast<float>(16 - EngineRandom() % 32);
            const float size = static_cast<float>(32 + EngineRandom() % 32);
            const float frameTime = 0.02f + static_cast<float>(EngineRandom() % 2000) * 0.00001f;
            level->CreateSprite(LoadWorldMaterial(TorpedoFlashMaterial), position + Vec3(x, y, z), size, Vec2(0, 0), 24,
                                frameTime);
        }
        if (IsDynLighting())
            level->CreateDynamicLight(position - direction * 24, Color(0, 0.75f, 1), 1024, 4, 2);
    }
    ReleaseEmitter();
}

void Bullet::CreateTorpedoDebris(const Vec3& position, int count)
{
    SingleLevel* level = game.GetLevel();
    for (int i = 0; i < count; ++i)
    {
        char name[32];
        std::snprintf(name, sizeof name, "ytg_debris_%.2d", EngineRandom() % 10);
        Object* debris = level->CreateObject(name, nullptr);
        if (!debris)
            continue;
        Matrix pose = Matrix::Ident();
        pose.Translate(position);
        debris->SetPose(pose);
        const float x = static_cast<float>(10000 - EngineRandom() % 20000);
        const float y = static_cast<float>(10000 - EngineRandom() % 20000);
        const float z = static_cast<float>(10000 - EngineRandom() % 20000);
        const Vec3 push = Normalized(Vec3(x, y, z));
        debris->AddForce(push * static_cast<float>(16 + EngineRandom() % 8), NX_SMOOTH_VELOCITY_CHANGE);
        debris->AddTorque(push * 2, NX_SMOOTH_VELOCITY_CHANGE);
    }
}

void Bullet::ReleaseEmitter()
{
    if (!_emitter)
        return;
    _emitter->Stop();
    if (SingleLevel* level = game.GetLevel())
        level->CreateActor(new ParticleKeeper(_emitter), nullptr);
    _emitter = nullptr;
}

void Bullet::UserShutDown()
{
    if (PhysicsSpace* space = Space(); space && _physEntity)
        space->ReleasePhysicsActor(_physEntity);
    _physEntity = nullptr;
    if (RenderScene* scene = GetWorldScene())
        scene->DestroyNode(_mainModel);
    _mainModel = nullptr;
    // An emitter never handed over went with the model.
    _emitter = nullptr;
}
