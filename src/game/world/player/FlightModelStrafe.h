#pragma once
// Turning scaled by speed: yaw keys roll, roll keys strafe, and the ship needs speed to turn.
#include "game/world/player/FlightModel.h"

class FlightModelStrafe : public FlightModel
{
public:
    explicit FlightModelStrafe(PlayerShip* ship);

    void KeyPitchX() override;
    void KeyPitchY() override;
    void KeyYawX() override;
    void KeyYawY() override;
    void KeyRollX() override;
    void KeyRollY() override;
    void KeyRollRelease() override;
    void JoyPitch(long axis) override;
    void JoyYaw(long axis) override;
    void JoyRoll(long axis) override;
    void MousePitch(long delta) override;
    void MouseYaw(long delta) override;
    void Update() override;
};
