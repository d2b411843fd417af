#pragma once
// The Ytg fleet's fighter. The first hit on its structure sends it tumbling, spraying sparks and
// fire, faster than before, until a short random timer runs out and it explodes into a damaged
// wreck; removed near the camera it shatters into eleven pieces.
#include "MaterialSystem/draw/DrawTypes.h"
#include "game/world/ships/Fighter.h"

class Emitter;
class ParticleSet;

class ShipYtgFighter02 : public Fighter
{
public:
    ShipYtgFighter02();

    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;
    void Explode() override;
    void StartBurning() override;
    // The axes of the AI entity.
    void OnRender(eSceneLayerType layer, Camera* camera, MaterialSystem* system) override;
    bool IsTumbling() const { return _tumbling; }

private:
    void CreateEngineFlares();
    void UpdateEngineFlares();

    ParticleSet* _flareSet = nullptr;
    Emitter* _fireEmitter = nullptr;
    bool _tumbling = false;
    Vec3 _tumbleAxis{0, 0, 1};
    float _explodeTimer = 0; // seconds of tumbling left
    float _sparkTimer = 0;   // seconds to the next burst of sparks
    HelperLine _axisLines[3] = {};
};
