#pragma once
// A piece broken off a ship: a bone or a whole model of the wreck, with its own breakable parts
// and physics but no controller. It drifts, starts colliding a quarter second after it is made,
// and removes itself at once when it yields no parts.
#include "game/world/ships/Fighter.h"

class ShipPart : public Fighter
{
public:
    ShipPart();

    // The part is a bone of a wreck, its pivot the given offset from the bone.
    void Init(Bone* bone, const Vec3& offset);
    // The part is a whole model.
    void InitByModel(Model* model);

    void UserInit() override;
    void UserProceed() override;

    bool IsMadeFromModel() const { return _madeFromModel; }

private:
    // A whole model's parts start at a quarter of their strength, some already damaged.
    void WearParts();

    float _activationTimer = 0.25f; // seconds until collisions are switched on
    Vec3 _pivotOffset{0, 0, 0};
    bool _madeFromModel = false;
};
