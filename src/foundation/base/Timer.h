#pragma once

#include <cstdint>
#include <functional>

// The game's pause flag (0 or 1), toggled by the player's "GamePause" action. While it is 1
// every timer reports zero time, which freezes everything that advances by the frame time.
extern unsigned char GamePaused;

// Measures frames and keeps a smoothed frame rate and the seconds per frame. The tick source is
// a monotonic nanosecond clock unless one is injected.
class Timer
{
public:
    using TickSource = std::function<int64_t()>;

    explicit Timer(float smoothing = 0.75f);
    Timer(float smoothing, TickSource source, int64_t ticksPerSecond);

    void Start(float fps);
    void Tick();

    int64_t GetTicks() const;
    float GetFPS() const { return GamePaused ? 0.0f : _fps; }
    float GetSPF() const { return GamePaused ? 0.0f : _spf; }
    // The last frame's seconds, paused or not: what the console, the fades and the pause menu
    // move by.
    float GetRealSPF() const { return _spf; }
    float GetElapsedSeconds() const { return _elapsed; }
    int64_t GetTicksPerSec() const { return _ticksPerSec; }
    int64_t GetTicksPerFrame() const { return _ticksPerFrame; }
    uint64_t GetFrameCount() const { return _frames; }

private:
    float _smoothing;
    float _ticksPerSecF;
    float _fps = 0.0f;
    float _spf = 0.0f;
    float _elapsed = 0.0f;
    uint64_t _frames = 0;
    int64_t _lastTicks = 0;
    int64_t _ticksPerSec;
    int64_t _ticksPerFrame = 1;
    TickSource _source;
};
