#pragma once
// The ship that has a body: it builds the render model from its prototype, the physics actor
// (through a part structure when the prototype is destructible) and the ship controller, and
// keeps the model on the body every frame. Every ship of a mission is a Fighter or a subclass.
#include "game/world/ships/Ship.h"

class Bone;
class Material;

class Fighter : public Ship
{
public:
    Fighter();

    void UserInit() override;
    void UserProceed() override;
    // The fraction of the defences left: 1 intact, 0 when all are gone.
    float GetAverageDamage() override;

    // An engine trail under the bone.
    void CreateStrip(Material* material, Bone* bone, float lifetime, float size);

protected:
    // The ship controller on the body, with the ship's limits (the player's ship keeps the
    // controller's own).
    void AttachController();
};
