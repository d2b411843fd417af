#pragma once

// The player's tuning and debug controls that the launcher's keys reach while a mission is
// loaded: inertia, pitch and yaw coefficients of the current flight model, the flight model
// kind, its debug mode and the dust streaks around the camera.
class IMissionControls
{
public:
    virtual ~IMissionControls() = default;
    virtual bool IsLoaded() const = 0;
    virtual void AddInertia(float amount) = 0;
    virtual void AddPitchCoeff(float amount) = 0;
    virtual void AddYawCoeff(float amount) = 0;
    // 0 direct, 1 strafe, 2 duplex, 3 combined.
    virtual void SetFlightModel(int model) = 0;
    virtual void ToggleDebugMode() = 0;
    virtual void EnableCameraDust(bool enable) = 0;
};
