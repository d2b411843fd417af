#pragma once
// What the space keeps in a physics actor's user data.
class PhysicsActorEventListener;
class DynamicShipController;

struct PhysicsActorData
{
    PhysicsActorEventListener* listener = nullptr; // not owned
    DynamicShipController* controller = nullptr;   // not owned; null until AddController
};
