#pragma once
// Helpers of the ship and player tests: a physics space of its own for bodies that no mission
// owns, and ships that take such a body with their controller.
#include <memory>

#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "game/world/player/PlayerShip.h"
#include "services/physics/PhysicsSpace.h"

// A physics space alive with the object, for tests without a mission (a mission's own space
// would replace it); its bodies are spheres of the player's kind.
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

// A fighter of the given class on a given body, with its controller set from the type (when
// given), made without the mission's physics or the scene.
template <class Class>
class Mounted : public Class
{
public:
    explicit Mounted(PhysicsActor* body, ShipType* type = nullptr)
    {
        this->InitializeData(type);
        this->_physEntity = body;
        this->AttachController();
    }
    // The body stays the space's.
    ~Mounted() override { this->_physEntity = nullptr; }

    // Registered with a mission, it keeps the body it was given.
    void UserInit() override {}
};

using MountedPlayerShip = Mounted<PlayerShip>;
