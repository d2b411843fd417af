#include "game/world/ships/DynamicShipController.h"

DynamicShipController::DynamicShipController(PhysicsActor* actor) : _actor(actor) { SetToDefault(); }

void DynamicShipController::SetToDefault() {}

void DynamicShipController::SetLinMinMaxAbsVel(const Vec3&, const Vec3&) {}

void DynamicShipController::SetAngMinMaxAbsVel(const Vec3&, const Vec3&) {}

void DynamicShipController::SetLinAccDmp(const Vec3&, const Vec3&) {}

void DynamicShipController::SetAngAccDmp(const Vec3&, const Vec3&) {}

void DynamicShipController::SetAngVelX(float) {}

void DynamicShipController::SetAngVelY(float) {}

void DynamicShipController::SetAngVelZ(float) {}

void DynamicShipController::SetLinVelX(float) {}

void DynamicShipController::SetLinVelZ(float) {}

void DynamicShipController::SetAbsLinVel(const Vec3&) {}

void DynamicShipController::SetLocalAngularVelocity(const Vec3&) {}

void DynamicShipController::UpdateController(float, float) {}

void DynamicShipController::RotateToDir(const Vec3&, float) {}

void DynamicShipController::RotateToDirUp(const Vec3&, float, const Vec3&) {}
