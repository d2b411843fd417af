#include "game/world/ships/Ship.h"

#include "game/world/actor/ActorFlags.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/ships/DynamicShipController.h"

Ship::Ship()
{
    SetName("Ship");
    SetClassname("Ship");
    RaiseFlag(ACTOR_FLAG_SHIP);
}

Ship::~Ship() = default;

void Ship::InitializeData(ShipType* type) { _prototype = type; }

const char* Ship::GetPublicName() const { return "(error)"; }

Material* Ship::GetScannerIcon() const { return nullptr; }

void Ship::AddWeapon(const char*, int, Model*, int) {}

Weapon* Ship::GetWeapon(unsigned index) const { return index < _weapons.size() ? _weapons[index] : nullptr; }

void Ship::RemoveWeapon(Weapon*) {}

bool Ship::IsShooting() const { return false; }

void Ship::SetSpeed(float) {}

void Ship::SetMaxSpeed(float speed) { _maxSpeed = speed; }

void Ship::ChangeSpeed(float) {}

void Ship::SetSpeedPerc(float, bool) {}

void Ship::Yaw(long) {}

void Ship::Pitch(long) {}

void Ship::Roll(long) {}

void Ship::SetAbsStrafe(float) {}

void Ship::SetStrafeSpeed(float) {}

void Ship::SetRotateToDir(const Vec3&) {}

Vec3 Ship::GetTrackPos(int) const { return {0, 0, 0}; }

void Ship::SpawnDust(const Vec3&, const Quaternion&) {}

void Ship::OnTouch(PhysicsActorEventListener&, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&, NxContactStreamIterator&) {}

void Ship::OnTriggerStay(PhysicsActorEventListener&, NxShape&, NxShape&) {}

void Ship::UserProceed() {}

void Ship::UserShutDown() {}

void Ship::SetPose(Matrix pose) { GetRoot() = pose; }

void Ship::OnMessage(Telegram* telegram) { Actor::OnMessage(telegram); }

void Ship::OnRender(eSceneLayerType, Camera*, MaterialSystem*) {}

void Ship::Explode() { _dead = true; }

void Ship::StartBurning() { _burning = true; }

void Ship::SetOutOfControl() { _outOfControl = true; }

float Ship::GetAverageDamage() { return 1; }

void Ship::MoveToPoint(const Vec3&) {}

void Ship::MoveByTrack(Track*) {}

void Ship::StartShooting(Weapon*) {}

void Ship::StartShooting(Actor*, int) {}

void Ship::StartShooting(int) {}

void Ship::StopShooting(Weapon*) {}

void Ship::StopShooting(int) {}

void Ship::DoDamageByWeapon(Weapon*) {}

void Ship::DoDamage(float, float, float, float) {}

void Ship::DoRegeneration() {}

bool Ship::IsPlayerShip() const { return false; }

void Ship::DoDamageToPart(NxShape*, Weapon*, float, bool) {}
