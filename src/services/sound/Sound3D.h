#pragma once
#include "services/sound/BufferedSound.h"
#include "services/sound/SoundPose.h"

// A sound at a place in the world: fades linearly to silence at 5000 units from the
// listener and shifts pitch with the relative speed (Doppler).
class Sound3D : public BufferedSound
{
public:
    static constexpr float kMaxDistance = 5000.0f;

    explicit Sound3D(SoundEngine* engine) : BufferedSound(engine) {}

    void Init(SoundAsset* asset, const SOUND3D_POSE& pose, bool loop, bool play);
    void SetPose(const SOUND3D_POSE& pose);
    const SOUND3D_POSE& GetPose() const { return _pose; }
    bool IsLooping() const { return _loop; }

private:
    SOUND3D_POSE _pose;
};
