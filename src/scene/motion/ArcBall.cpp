#include "scene/motion/ArcBall.h"

#include "foundation/base/Timer.h"
#include "scene/nodes/Bone.h"

void ArcBall::UpdateRotation(float dx, float dy, const Timer& timer)
{
    if (!_target)
        return;
    const float step = _speed * timer.GetSPF();
    switch (_mode)
    {
    case ABM_RELATIVE:
        _yaw = dx * step;
        _pitch = dy * step;
        _target->Pitch(_pitch, CS_LOCAL);
        _target->Yaw(_yaw, CS_LOCAL);
        break;
    case ABM_PITCH_YAW:
        _yaw += dx * step;
        _pitch += dy * step;
        _target->Pitch(_pitch, CS_WORLD);
        _target->Yaw(_yaw, CS_LOCAL);
        break;
    case ABM_YAW_PITCH:
        _yaw += dx * step;
        _pitch += dy * step;
        _target->Yaw(_yaw, CS_WORLD);
        _target->Pitch(_pitch, CS_LOCAL);
        break;
    }
    _target->SetPosition(_sphere.center - _target->GetLocalOrientation().Dir() * _sphere.radius);
}
