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
    // The pieces "ytg_fighter_02_a" to "_k", posed at the bones of the same names.
    static constexpr int PieceCount = 11;

    ShipYtgFighter02();

    void UserInit() override;
    void UserProceed() override;
    // Shatters when the camera is near and the mission goes on.
    void UserShutDown() override;
    // The fire goes on alone, and the damaged model takes the intact one's place.
    void Explode() override;
    void StartBurning() override;
    // The axes of the AI entity, for debugging.
    void OnRender(eSceneLayerType layer, Camera* camera, MaterialSystem* system) override;
    const HelperLine* GetAxisLines() const { return _axisLines; }

    bool IsTumbling() const { return _tumbling; }
    const Vec3& GetTumbleAxis() const { return _tumbleAxis; }
    float GetExplodeTimer() const { return _explodeTimer; }
    float GetSparkTimer() const { return _sparkTimer; }
    ParticleSet* GetEngineFlares() const { return _flareSet; }
    const Emitter* GetFire() const { return _fireEmitter; }

private:
    void CreateEngineFlares();
    void UpdateEngineFlares();
    // The first frame that finds the structure damaged.
    void StartTumbling();
    void Tumble();
    void SprayBurst();
    void Shatter();

    ParticleSet* _flareSet = nullptr;
    Emitter* _fireEmitter = nullptr;
    bool _tumbling = false;
    Vec3 _tumbleAxis{0, 0, 1};
    float _explodeTimer = 0; // seconds of tumbling left
    float _sparkTimer = 0;   // seconds to the next burst of sparks
    HelperLine _axisLines[3] = {};
};
