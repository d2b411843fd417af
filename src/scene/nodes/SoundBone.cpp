#include "scene/nodes/SoundBone.h"

#include "services/sound/Sound3D.h"

SoundBone::SoundBone(Group* root, RenderScene* scene, Sound3D* sound) : Bone(root, scene), _sound(sound) {}

// Only a recomputed pose is handed over: the getters call this many times a frame, and each
// later call would report the bone as standing still.
void SoundBone::UpdateTransform() const
{
    if (!HasFlag(NF_POSE_STALE))
        return;
    Bone::UpdateTransform();
    const Vec3& position = GetGlobalPos();
    if (_sound)
    {
        SOUND3D_POSE pose;
        pose.forward = GetLocalOrientation().Dir();
        pose.up = GetLocalOrientation().Up();
        pose.position = position;
        pose.velocity = position - _prevPos;
        _sound->SetPose(pose);
    }
    _prevPos = position;
}
