#include "game/world/objects/ObjectYtgBaken00.h"

void ObjectYtgBaken00::UserInit() { Object::UserInit(); }

void ObjectYtgBaken00::UserProceed() { Object::UserProceed(); }

void ObjectYtgBaken00::DoDamage(float amount) { Object::DoDamage(amount); }

void ObjectYtgBaken00::DoDamageRandom(float amount) { Object::DoDamageRandom(amount); }

void ObjectYtgBaken00::DoDamageToPart(const char* partName, float amount) { Object::DoDamageToPart(partName, amount); }

void ObjectYtgBaken00::OnPartDamaged(ObjectPart*) {}

void ObjectYtgBaken00::OnPartDestroyed(ObjectPart*) {}

void ObjectYtgBaken00::Explode() { Object::Explode(); }
