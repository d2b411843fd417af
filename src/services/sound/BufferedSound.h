#pragma once
#include <memory>

#include "services/sound/ISound.h"

class SoundAsset;
namespace audio {
class Source;
}

// A sound that plays a loaded asset whole on its own voice: the common part of the
// 2D and 3D sounds. A sound whose voice could not be made stays silent; it ends at
// once unless it loops (a looping sound belongs to its caller until closed).
class BufferedSound : public ISound
{
public:
    explicit BufferedSound(SoundEngine* engine);
    ~BufferedSound() override;

    void Close() override;
    void Play() override;
    // Pauses: Play resumes where it stopped.
    void Stop() override;
    void SetVolume(float volume) override;
    void Update() override;

protected:
    // Makes the voice for the asset; false (and no voice) when the device refuses.
    bool CreateVoice(SoundAsset* asset, bool loop);

    std::unique_ptr<audio::Source> _source;
    bool _loop = false;
};
