#pragma once
// Turns the player's control inputs into the motion of the player ship's body: it integrates
// yaw, pitch and roll into the body's pose and sets its linear velocity, easing toward the
// desired values. Rates are percentages (-100..100) of configured maxima. Inputs live one
// frame: every update ends by clearing them. The four kinds differ in how inputs map to motion.
#include <cstddef>

#include "foundation/math/Matrix.h"
#include "game/core/gamedata/FlightModelKind.h"

class PhysicsActor;
class PlayerShip;
struct Vec4;

class FlightModel
{
public:
    static constexpr size_t NameSize = 32;

    explicit FlightModel(PlayerShip* ship);
    virtual ~FlightModel() = default;

    virtual void KeyPitchX();
    virtual void KeyPitchY();
    virtual void KeyPitchRelease();
    virtual void KeyYawX();
    virtual void KeyYawY();
    virtual void KeyYawRelease();
    virtual void KeyRollX();
    virtual void KeyRollY();
    virtual void KeyRollRelease();
    virtual void KeySpeedUp();
    virtual void KeySpeedDown();
    virtual void JoyPitch(long axis);
    virtual void JoyYaw(long axis);
    virtual void JoyRoll(long axis);
    virtual void JoySpeed(long axis);
    virtual void MousePitch(long delta);
    virtual void MouseYaw(long delta);
    virtual void MouseRoll(long) {}
    virtual void MouseSpeed(long delta);
    virtual void SetYaw(float percent);
    virtual void SetPitch(float percent);
    virtual void SetRoll(float percent);
    virtual void AddYaw(float percent);
    virtual void AddPitch(float percent);
    virtual void AddRoll(float percent);
    virtual void SetStrafeSpeedPerc(float percent);
    virtual void AddStrafeSpeedPerc(float percent);
    virtual void AddSpeedPerc(float percent);
    virtual void SetSpeedPerc(float percent);
    // One frame of motion.
    virtual void Update();
    virtual void ChangeGear();

    // Current and desired of every channel to 0.
    void Clear();
    // Every input slot to 0.
    void ClearInputDes();
    float CalculateMassSPFCoeff(float coefficient) const;

    float GetSpeedCur() const { return _speed.current; }
    float GetSpeedDes() const { return _speed.desired; }
    float GetYawCur() const { return _yaw.current; }
    float GetPitchCur() const { return _pitch.current; }
    float GetRollCur() const { return _roll.current; }
    float GetYawDes() const { return _yaw.desired; }
    float GetPitchDes() const { return _pitch.desired; }
    float GetRollDes() const { return _roll.desired; }
    float GetStrafeCur() const { return _strafe.current; }
    float GetStrafeDes() const { return _strafe.desired; }
    float GetMassKoef() const { return _massKoef; }
    float GetRollCoeff() const { return _roll.coefficient; }
    float GetGear() const { return _gear; }
    eFlightModel GetFlyghtModelType() const { return _kind; }
    const char* GetName() const { return _name; }

    void SetMaxSpeed(float speed) { _maxSpeed = speed; }
    void SetThrottleCoeffAcc(float coefficient) { _throttleAcc = coefficient; }
    void SetThrottleCoeffDec(float coefficient) { _throttleDec = coefficient; }
    void SetMaxYaw(float degrees) { _yaw.maximum = degrees; }
    void SetMaxPitch(float degrees) { _pitch.maximum = degrees; }
    void SetMaxRoll(float degrees) { _roll.maximum = degrees; }
    void SetYawCoeff(float coefficient) { _yaw.coefficient = coefficient; }
    void SetPitchCoeff(float coefficient) { _pitch.coefficient = coefficient; }
    // Kept in 0.1..1.
    void SetRollCoeff(float coefficient);
    void AddYawCoeff(float amount) { _yaw.coefficient += amount; }
    void AddPitchCoeff(float amount) { _pitch.coefficient += amount; }
    void AddRollCoeff(float amount);
    void SetMaxStrafeSpeed(float speed) { _strafe.maximum = speed; }
    void SetStrafeSpeedCoeff(float coefficient) { _strafe.coefficient = coefficient; }
    // Both keep the mass coefficient in (0, 1]: above 1 gives 1, 0 or below gives 0.01.
    void SetMassKoef(float coefficient);
    void AddInertia(float amount);
    void SetDebugMode(bool on) { _debugMode = on; }
    void ToggleDebugMode() { _debugMode = !_debugMode; }
    bool IsDebugMode() const { return _debugMode; }

protected:
    // The inputs of one channel: mouse, keyboard, joystick.
    struct Inputs
    {
        float mouse = 0, keyboard = 0, joystick = 0;
    };
    struct Channel
    {
        float maximum = 0;     // degrees per second (or units per second) at 100 %
        float coefficient = 1; // shown in the debug display; no update reads it
        float current = 0;     // per cent
        float desired = 0;     // per cent
        Inputs input;
    };

    void GetInputDes();
    // Turns the body and keeps the pose it wrote for the laws that follow in the same update.
    void UpdateYPR();
    // Along the pose of the last UpdateYPR.
    void UpdateSpeed();
    // The debug display, in debug mode only.
    void ShowStats();
    // Yaw, pitch and roll close a share of their gap every 1/60 s.
    void EaseTurning();
    // The share of a gap that closing `perStep` of it every 1/60 s closes in this frame: the
    // easing takes as long at any frame rate.
    static float FrameShare(float perStep);
    // The speed steps toward the target by the throttle coefficients, then is held in low..high.
    void EaseSpeed(float target, float low, float high);
    // The length of the body's velocity.
    float GetMeasuredSpeed() const;
    void DrawDebugText(const char* text, const Vec4& rectangle) const;
    // Each kind's constructor names itself.
    void SetKind(const char* name, eFlightModel kind);

    PlayerShip* _ship;
    PhysicsActor* _body;            // from the ship's controller
    Matrix _pose = Matrix::Ident(); // the body's pose as UpdateYPR left it
    float _massKoef = 0.5f;
    float _maxSpeed = 0;
    float _throttleAcc = 1;
    float _throttleDec = 1;
    Channel _speed;
    Channel _yaw;
    Channel _pitch;
    Channel _roll;
    Channel _strafe;
    float _gear = 1; // -1 in reverse
    char _name[NameSize] = {};
    eFlightModel _kind = FLIGHT_MODEL_DIRECT;
    bool _debugMode = false;
};
