#pragma once

#include "foundation/math/Vec3.h"

class Bone;
class Timer;

// Shakes a bone (not owned): a steady turn of `amplitude` degrees per second about a random axis
// of its own, drawn anew every `frequency` seconds from the engine's random numbers.
class Shaker
{
public:
    Shaker() = default;
    explicit Shaker(Bone* target) : _target(target) {}
    Shaker(Bone* target, float amplitude, float frequency)
        : _target(target), _frequency(frequency), _amplitude(amplitude)
    {}

    void SetTarget(Bone* target) { _target = target; }
    Bone* GetTarget() const { return _target; }
    void SetFrequency(float seconds) { _frequency = seconds; }
    float GetFrequency() const { return _frequency; }
    void SetAmplitude(float degreesPerSecond) { _amplitude = degreesPerSecond; }
    float GetAmplitude() const { return _amplitude; }
    const Vec3& GetAxis() const { return _axis; }

    void UpdateMotion(const Timer& timer);

private:
    void DrawAxis();

    Bone* _target = nullptr;
    float _frequency = 1.0f;
    float _amplitude = 1.0f;
    Vec3 _axis{1.0f, 0.0f, 0.0f};
    float _elapsed = 0.0f;
};
