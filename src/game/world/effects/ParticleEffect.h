#pragma once
// Plays a particle-system file at a pose, optionally hung on a bone of another node, and
// removes itself when the system has played out unless it is endless.
#include "foundation/math/Quaternion.h"
#include "game/world/actor/Actor.h"

class Emitter;
class Group;

class ParticleEffect : public Actor
{
public:
    static constexpr size_t FileSize = 64;

    // With a parent bone the pose is relative to it; `drift` is added to the position each frame.
    ParticleEffect(const char* file, const Vec3& position, const Quaternion& orientation, bool endless, Bone* parent,
                   const Vec3& drift);

    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;
    const char* GetFile() const { return _file; }
    // Null without a scene.
    const Emitter* GetEmitter() const { return _emitter; }

private:
    char _file[FileSize] = {};
    bool _endless;
    Vec3 _drift;
    Emitter* _emitter = nullptr; // under the main model
};
