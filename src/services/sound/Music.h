#pragma once
#include <memory>
#include <string>

#include "services/sound/ISound.h"
#include "services/sound/XwmaReader.h"

class Dumper;
namespace audio {
class Stream;
}

// Background music streamed from an xWMA file, decoded a little ahead as it plays.
// A file that is missing or broken leaves a silent entry that never ends.
class Music : public ISound
{
public:
    Music(SoundEngine* engine, Dumper* dumper);
    ~Music() override;

    void Init(const char* path, bool loop, bool play);

    void Close() override;
    void Play() override;
    void Stop() override;
    // true stops the music, false plays it, then the flag takes the value.
    void SetEnded(bool ended) override;
    void SetVolume(float volume) override;
    // Drops what is queued on the voice; the music then ends with the next engine update.
    void FlushBuffers() override;
    void Update() override;
    bool IsLooping() const { return _looping; }
    const XwmaLayout& GetLayout() const { return _layout; }

private:
    // Checks the file's layout; false, logged, when it cannot be played.
    bool ParseRIFFFromFile(const std::string& path);

    Dumper* _dumper;
    bool _looping = false;
    XwmaLayout _layout;
    std::unique_ptr<audio::Stream> _stream;
};
