// The mission frame's factories: each makes one kind of actor, by the class name of its
// game-data record where there is one, and registers it.
#include "game/core/level/SingleLevel.h"

#include <cstring>
#include <functional>

#include "foundation/base/Dumper.h"
#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/effects/DynamicLight.h"
#include "game/world/effects/Explosion.h"
#include "game/world/effects/ExplosionWave.h"
#include "game/world/effects/ParticleEffect.h"
#include "game/world/effects/PhysSparks.h"
#include "game/world/effects/Rays.h"
#include "game/world/effects/Sprite.h"
#include "game/world/environment/Debris.h"
#include "game/world/environment/DebrisField.h"
#include "game/world/objects/Object.h"
#include "game/world/objects/ObjectOldShip.h"
#include "game/world/objects/ObjectYtgBaken00.h"
#include "game/world/objects/ObjectYtgEnergCapsCr4.h"
#include "game/world/objects/ObjectYtgPortal03.h"
#include "game/world/objects/ObjectYtgProtectionComplex00.h"
#include "game/world/objects/ObjectYtgSun00.h"
#include "game/world/objects/StationModules.h"
#include "game/world/objects/Turret.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/races/BlgShips.h"
#include "game/world/races/RtbShips.h"
#include "game/world/races/ShipYtgFighter02.h"
#include "game/world/races/YtgShips.h"
#include "game/world/ships/ShipPart.h"
#include "game/world/weapons/WeaponBurst.h"
#include "game/world/weapons/WeaponLazer.h"
#include "game/world/weapons/WeaponRocket.h"

namespace {

template <class T>
struct ClassEntry
{
    const char* classname;
    std::function<T*()> make;
};

template <class T, class Derived>
ClassEntry<T> Entry(const char* classname)
{
    return {classname, [] { return new Derived(); }};
}

// Ship types name their class; the keys are game-data vocabulary, compared exactly.
const ClassEntry<Ship> ShipClasses[] = {
    Entry<Ship, Fighter>("Fighter"),
    Entry<Ship, PlayerShip>("Player"),
    Entry<Ship, ShipYtgSush02>("YtgSush02"),
    Entry<Ship, ShipYtgDrTr02>("YtgDrTr02"),
    Entry<Ship, ShipYtgBrrk00>("YtgBrrk00"),
    Entry<Ship, ShipYtgScStation00>("YtgScStation00"),
    Entry<Ship, ShipYtgFighter02>("YtgFighter02"),
    Entry<Ship, ShipBlgFighter00>("ShipBlgFighter00"),
    Entry<Ship, ShipBlgFighter01>("ShipBlgFighter01"),
    Entry<Ship, ShipBlgFighter02>("ShipBlgFighter02"),
    Entry<Ship, ShipBlgFighter03>("ShipBlgFighter03"),
    Entry<Ship, ShipBlgCruiser02>("BlgCruiser02"),
    Entry<Ship, ShipRtbCruiser00>("RtbCruiser00"),
    Entry<Ship, ShipRtbFighter02>("ShipRtbFighter02"),
    Entry<Ship, ShipRtbFighter03>("ShipRtbFighter03"),
    Entry<Ship, Ship>("Ship"),
};

// Any other object class name makes a plain Object.
const ClassEntry<Object> ObjectClasses[] = {
    Entry<Object, ObjectYtgBaken00>("ObjectYtgBaken00"),
    Entry<Object, ObjectYtgPortal03>("ObjectYtgPortal03"),
    Entry<Object, ObjectYtgSun00>("ObjectYtgSun00"),
    Entry<Object, ObjectYtgSushCentr>("YtgSushCentr"),
    Entry<Object, ObjectYtgSushCabin>("YtgSushCabin"),
    Entry<Object, ObjectYtgSushNos>("YtgSushNos"),
    Entry<Object, ObjectYtgEnergCapsCr4>("YtgEnergyCapsCr4"),
    Entry<Object, ObjectOldShip>("OldShip"),
    Entry<Object, ObjectYtgProtectionComplex00>("YtgProtectionComplex00"),
};

template <class T, size_t N>
T* MakeByClassname(const ClassEntry<T> (&table)[N], const char* classname)
{
    for (const ClassEntry<T>& entry : table)
    {
        if (std::strcmp(entry.classname, classname) == 0)
            return entry.make();
    }
    return nullptr;
}

Base* GameData()
{
    Base* base = game.GetBase();
    if (!base)
        Dumper::Instance().Print(DUMP_ERROR, "SingleLevel: no game data\n");
    return base;
}

} // namespace

Ship* SingleLevel::CreateShip(const char* prototype, const char*, const char* name)
{
    Base* base = GameData();
    ShipType* type = base && prototype ? base->GetShipByName(prototype) : nullptr;
    if (!type)
        return nullptr;
    Ship* ship = MakeByClassname(ShipClasses, type->classname);
    if (!ship)
        return nullptr;
    ship->InitializeData(type);
    CreateActor(ship, name);
    return ship;
}

Object* SingleLevel::CreateObject(const char* prototype, const char* name)
{
    Base* base = GameData();
    ObjectType* type = base && prototype ? base->GetObjectByName(prototype) : nullptr;
    if (!type)
    {
        Dumper::Instance().Print(DUMP_ERROR, "SingleLevel: no object type \"%s\"\n", prototype ? prototype : "");
        return nullptr;
    }
    Object* object = MakeByClassname(ObjectClasses, type->classname);
    if (!object)
        object = new Object();
    if (name)
        object->SetName(name);
    object->InitializeData(type);
    CreateActor(object, nullptr);
    return object;
}

Weapon* SingleLevel::CreateWeapon(const char* weaponName, Actor* owner, int firstBoneIndex, Model* model,
                                  int firePoints)
{
    Base* base = GameData();
    WeaponType* type = base && weaponName ? base->GetWeaponByName(weaponName) : nullptr;
    if (!type)
    {
        Dumper::Instance().Print(DUMP_ERROR, "SingleLevel: no weapon type \"%s\"\n", weaponName ? weaponName : "");
        return nullptr;
    }
    Weapon* weapon = nullptr;
    if (std::strcmp(type->classname, "Burst") == 0)
        weapon = new WeaponBurst(owner, firstBoneIndex, model, firePoints);
    else if (std::strcmp(type->classname, "Lazer") == 0)
        weapon = new WeaponLazer(owner, firstBoneIndex, model, firePoints);
    else if (std::strcmp(type->classname, "Rocket") == 0)
        weapon = new WeaponRocket(owner, firstBoneIndex, model, firePoints);
    if (!weapon)
    {
        Dumper::Instance().Print(DUMP_ERROR, "SingleLevel: weapon \"%s\" has the unknown class \"%s\"\n", weaponName,
                                 type->classname);
        return nullptr;
    }
    weapon->InitializeData(type);
    CreateActor(weapon, nullptr);
    return weapon;
}

Turret* SingleLevel::CreateTurret(const char* name, Bone* bone, Actor* owner)
{
    Base* base = GameData();
    if (!base || !name || !base->GetWeaponByName(name))
    {
        Dumper::Instance().Print(DUMP_ERROR, "SingleLevel: no weapon type \"%s\" for a turret\n", name ? name : "");
        return nullptr;
    }
    auto* turret = new Turret(name, bone, owner);
    CreateActor(turret, nullptr);
    return turret;
}

ShipPart* SingleLevel::CreateShipPart(Bone* bone, const Vec3& offset)
{
    Base* base = GameData();
    if (!base || !base->GetDefault())
        return nullptr;
    auto* part = new ShipPart();
    part->InitializeData(base->GetDefault());
    part->Init(bone, offset);
    CreateActor(part, nullptr);
    return part;
}

ShipPart* SingleLevel::CreateShipPartByModel(Model* model)
{
    Base* base = GameData();
    if (!base || !base->GetDefault())
        return nullptr;
    auto* part = new ShipPart();
    part->InitializeData(base->GetDefault());
    part->InitByModel(model);
    CreateActor(part, nullptr);
    return part;
}

Sprite* SingleLevel::CreateSprite(Material* material, const Vec3& position, float size, const Vec2& firstCell,
                                  unsigned frameCount, float frameTime)
{
    auto* sprite = new Sprite(material, position, size, firstCell, frameCount, frameTime);
    CreateActor(sprite, nullptr);
    return sprite;
}

DynamicLight* SingleLevel::CreateDynamicLight(const Vec3& position, const Color& color, float range, float intensity,
                                              float lifetime)
{
    auto* light = new DynamicLight(position, color, range, intensity, lifetime);
    CreateActor(light, nullptr);
    return light;
}

PhysSparks* SingleLevel::CreatePhysSparks(const Vec3& position, int count)
{
    auto* sparks = new PhysSparks(position, count);
    CreateActor(sparks, nullptr);
    return sparks;
}

ExplosionWave* SingleLevel::CreateExplosionDistortion(const Vec3& position, float startSize, float endSize,
                                                      float duration)
{
    auto* wave = new ExplosionWave(position, startSize, endSize, duration);
    CreateActor(wave, nullptr);
    return wave;
}

Rays* SingleLevel::CreateRays(const Vec3& position, float startSize, float endSize, float duration)
{
    auto* rays = new Rays(position, startSize, endSize, duration);
    CreateActor(rays, nullptr);
    return rays;
}

Explosion* SingleLevel::CreateExplosion(const Matrix& pose, float radius, float second, eExplosionType type, bool wave)
{
    auto* explosion = new Explosion(pose, radius, second, type, wave);
    CreateActor(explosion, nullptr);
    return explosion;
}

DebrisField* SingleLevel::CreateDebrisField(const Vec3& centre, float radius, eDebrisType type, int number)
{
    auto* field = new DebrisField(centre, radius, type, number);
    CreateActor(field, nullptr);
    return field;
}

Debris* SingleLevel::CreateDebris(const Vec3& position, const Vec3& velocity, eDebrisType type, bool expires)
{
    auto* debris = new Debris(position, velocity, type, expires);
    CreateActor(debris, nullptr);
    return debris;
}

ParticleEffect* SingleLevel::CreateParticleEffect(const char* file, const Vec3& position, const Quaternion& orientation,
                                                  bool endless, Bone* parent, const Vec3& drift)
{
    auto* effect = new ParticleEffect(file, position, orientation, endless, parent, drift);
    CreateActor(effect, nullptr);
    return effect;
}

void SingleLevel::AddForceByExplosion(Vec3 centre, float a, float b, float c)
{
    // Each axis: an odd draw moves it up, an even one down, by 0.10 to 2.09.
    for (float* axis : {&centre.x, &centre.y, &centre.z})
    {
        const float sign = EngineRandom() % 2 ? 1.0f : -1.0f;
        *axis += sign * static_cast<float>(EngineRandom() % 200 + 10) * 0.01f;
    }
    for (Actor* actor : _actors)
    {
        if (!actor->HasFlag(ACTOR_FLAG_SHIP_PART))
            continue;
        auto* part = static_cast<Ship*>(actor);
        if (part->IsDestructable())
            part->GetDestructableObject()->AddForceByExplosion(centre, a, b, c);
    }
}
