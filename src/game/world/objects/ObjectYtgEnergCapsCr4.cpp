#include "game/world/objects/ObjectYtgEnergCapsCr4.h"

ObjectYtgEnergCapsCr4::ObjectYtgEnergCapsCr4()
{
    SetName("YtgEnergyCapsCr4");
    SetClassname("YtgEnergyCapsCr4");
}

void ObjectYtgEnergCapsCr4::UserProceed() { Object::UserProceed(); }

void ObjectYtgEnergCapsCr4::UserPreDeleteEffect() {}

void ObjectYtgEnergCapsCr4::DoDamage(float amount) { Object::DoDamage(amount); }

void ObjectYtgEnergCapsCr4::StartLightning() {}
