#include "scene/motion/Shaker.h"

#include "foundation/base/Random.h"
#include "foundation/base/Timer.h"
#include "scene/nodes/Bone.h"

namespace {

float Component() { return float(EngineRandom() % 201 - 100); }

} // namespace

// Drawn z, y, x in that order; an all-zero draw has no direction and is drawn again.
void Shaker::DrawAxis()
{
    do
    {
        _axis.z = Component();
        _axis.y = Component();
        _axis.x = Component();
    } while (_axis.LengthSquared() == 0.0f);
    _axis.Normalize();
}

void Shaker::UpdateMotion(const Timer& timer)
{
    if (_elapsed >= _frequency)
    {
        DrawAxis();
        _elapsed = 0.0f;
    }
    const float seconds = timer.GetSPF();
    if (_target)
        _target->Rotate(_axis, seconds * _amplitude, CS_LOCAL);
    _elapsed += seconds;
}
