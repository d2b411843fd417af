#pragma once
// Helpers of the ship and player tests: a physics space of its own for bodies that no mission
// owns, and ships that take such a body with their controller.
#include <memory>

#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "game/world/player/PlayerShip.h"
#include "services/physics/PhysicsSpace.h"

// A physics space alive with the object; its bodies are spheres of the player's kind.
class BodySpace
{
public:
    BodySpace() : _resources(&Dumper::Instance(), 1), _space(CreatePhysicsSpace(&_resources)) {}
    ~BodySpace() { ReleasePhysicsSpace(); }
    BodySpace(const BodySpace&) = delete;
    BodySpace& operator=(const BodySpace&) = delete;

    PhysicsSpace* Space() const { return _space; }
    // A still body at the origin facing +z; the space owns it.
    PhysicsActor* MakeBody() const { return _space ? _space->CreatePhysicsActorForPlayer(nullptr) : nullptr; }

private:
    ResourceSystem _resources;
    PhysicsSpace* _space;
};

// A player's ship on a given body, with its controller, made without a mission.
class MountedPlayerShip : public PlayerShip
{
public:
    explicit MountedPlayerShip(PhysicsActor* body)
    {
        _physEntity = body;
        AttachController();
    }
    // The body stays the space's.
    ~MountedPlayerShip() override { _physEntity = nullptr; }
};
