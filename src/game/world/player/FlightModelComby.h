#pragma once
// Roll keys also strafe, and above 30 % speed the travel direction stays while the nose turns:
// the ship drifts. The gear has no effect.
#include "foundation/math/Vec3.h"
#include "game/world/player/FlightModel.h"

class FlightModelComby : public FlightModel
{
public:
    explicit FlightModelComby(PlayerShip* ship);

    void KeyRollX() override;
    void KeyRollY() override;
    void KeyRollRelease() override;
    void JoyRoll(long axis) override;
    void Update() override;

    const Vec3& GetTravelDirection() const { return _travelDirection; }
    const Vec3& GetStrafeDirection() const { return _strafeDirection; }

private:
    Vec3 _travelDirection{0, 0, 1};
    Vec3 _strafeDirection{1, 0, 0};
};
