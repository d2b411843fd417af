#include "services/sound/Sound3D.h"

#include "platform/audio/Source.h"

namespace {
audio::Float3 ToFloat3(const Vec3& v) { return audio::Float3{v.x, v.y, v.z}; }
} // namespace

void Sound3D::Init(SoundAsset* asset, const SOUND3D_POSE& pose, bool loop, bool play)
{
    _pose = pose;
    if (!CreateVoice(asset, loop))
        return;
    _source->SetDistances(0.0f, kMaxDistance, 1.0f);
    SetPose(pose);
    if (play)
        Play();
}

void Sound3D::SetPose(const SOUND3D_POSE& pose)
{
    _pose = pose;
    if (!_source)
        return;
    _source->SetPosition(ToFloat3(pose.position));
    _source->SetVelocity(ToFloat3(pose.velocity));
}
