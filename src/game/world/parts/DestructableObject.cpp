#include "game/world/parts/DestructableObject.h"

#include "game/world/parts/ObjectPart.h"

DestructableObject::DestructableObject(Model* model, Actor* parent) : _model(model), _parent(parent) {}

DestructableObject::~DestructableObject() { ShutDown(); }

PhysicsActor* DestructableObject::Initialize(Bone*) { return nullptr; }

void DestructableObject::Proceed() {}

void DestructableObject::ShutDown()
{
    for (ObjectPart* part : _parts)
        delete part;
    _parts.clear();
    _rootPart = nullptr;
}

ObjectPart* DestructableObject::GetPart(int) const { return nullptr; }

ObjectPart* DestructableObject::GetPartByBone(const Bone*) const { return nullptr; }

bool DestructableObject::IsShape(const NxShape*) const { return false; }

void DestructableObject::DoDamage(NxShape*, float) {}

void DestructableObject::DoDamageToPart(const char*, float) {}

void DestructableObject::DoDamageRandom(float) {}

void DestructableObject::DamagePartByName(const char*, bool) {}

void DestructableObject::DamagePartByShape(NxShape*, bool) {}

void DestructableObject::DestroyPartByName(const char*, bool) {}

void DestructableObject::DestroyPartByShape(NxShape*, bool) {}

void DestructableObject::DamageAll() {}

void DestructableObject::DestroyAll() {}

float DestructableObject::FloatDamagedPercent() const { return 0; }

float DestructableObject::FloatDestroyedPercent() const { return 0; }
