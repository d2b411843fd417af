#pragma once
#include <memory>
#include <string>

#include "services/sound/ISound.h"

namespace audio {
class Stream;
}

// The sound track of a video file, streamed from the file as the video plays. It does not end
// by itself: once the track has played it stays silent until its video closes it.
class VideoSound : public ISound
{
public:
    explicit VideoSound(SoundEngine* engine);
    ~VideoSound() override;

    // False, with the reason, when the file has no sound track that can be played.
    bool Init(const std::string& path, bool loop, std::string& error);

    void Close() override;
    void Play() override;
    void Stop() override;
    void SetVolume(float volume) override;
    void Update() override;

    // Seconds of the track played, every pass of a loop counted.
    double GetPlayedSeconds() const;
    // Keeps the track with its picture: a track more than a little behind the picture's
    // seconds (its voice ran dry while the game stalled) leaves out what it missed.
    void Follow(double pictureSeconds);

private:
    std::unique_ptr<audio::Stream> _stream;
};
