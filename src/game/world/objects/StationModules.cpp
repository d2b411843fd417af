#include "game/world/objects/StationModules.h"

ObjectYtgSushNos::ObjectYtgSushNos() { SetClassname("ObjectYtgSushNos"); }

void ObjectYtgSushNos::UserInit() { Object::UserInit(); }
void ObjectYtgSushNos::UserShutDown() { Object::UserShutDown(); }
void ObjectYtgSushNos::OnPartDamaged(ObjectPart*) {}
void ObjectYtgSushNos::CreateEnergyShield() {}
void ObjectYtgSushNos::EnergyShieldOn() {}
void ObjectYtgSushNos::EnergyShieldOff() {}
void ObjectYtgSushNos::DestroyEnergyShield() {}
void ObjectYtgSushNos::DeleteTurrets() {}

ObjectYtgSushCentr::ObjectYtgSushCentr() { SetClassname("ObjectYtgSushCentr"); }

void ObjectYtgSushCentr::UserInit() { Object::UserInit(); }
void ObjectYtgSushCentr::UserProceed() { Object::UserProceed(); }
void ObjectYtgSushCentr::UserShutDown() { Object::UserShutDown(); }
void ObjectYtgSushCentr::OnPartDestroyed(ObjectPart*) {}
void ObjectYtgSushCentr::CreateEnergyShield() {}
void ObjectYtgSushCentr::EnergyShieldOn() {}
void ObjectYtgSushCentr::EnergyShieldOff() {}
void ObjectYtgSushCentr::DestroyEnergyShield() {}
void ObjectYtgSushCentr::DeleteTurrets() {}
void ObjectYtgSushCentr::CollapseHull() {}

ObjectYtgSushCabin::ObjectYtgSushCabin() = default;

void ObjectYtgSushCabin::UserInit() { Object::UserInit(); }
void ObjectYtgSushCabin::UserShutDown() { Object::UserShutDown(); }
void ObjectYtgSushCabin::OnPartDestroyed(ObjectPart*) {}
void ObjectYtgSushCabin::CreateEnergyShield() {}
void ObjectYtgSushCabin::EnergyShieldOn() {}
void ObjectYtgSushCabin::EnergyShieldOff() {}
void ObjectYtgSushCabin::DestroyEnergyShield() {}
void ObjectYtgSushCabin::DeleteTurrets() {}
