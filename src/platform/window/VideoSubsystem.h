#pragma once

// Keeps SDL's video subsystem initialised for as long as one of these lives. SDL counts
// the initialisations itself, so windows and display queries may each hold one.
class VideoSubsystem
{
public:
    VideoSubsystem();
    ~VideoSubsystem();
    VideoSubsystem(const VideoSubsystem&) = delete;
    VideoSubsystem& operator=(const VideoSubsystem&) = delete;

    bool IsAvailable() const { return _available; }

private:
    bool _available = false;
};
