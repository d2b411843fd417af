#pragma once

#include "scene/nodes/Bone.h"

class Sound3D;

// A bone that carries a 3D sound (not owned; may be null) at its world position. It answers
// NT_BONE, so a saved sound bone reads back as a plain bone.
class SoundBone : public Bone
{
public:
    SoundBone(Group* root, RenderScene* scene, Sound3D* sound);

    // When the global pose is recomputed, hands the sound its pose: the local orientation's
    // direction and up, the global position, and the velocity since the last hand-over.
    void UpdateTransform() const override;

    void SetPrevPos(const Vec3& position) { _prevPos = position; }
    const Vec3& GetPrevPos() const { return _prevPos; }
    Sound3D* GetSound() const { return _sound; }

private:
    Sound3D* _sound;
    mutable Vec3 _prevPos{0.0f, 0.0f, 0.0f};
};
