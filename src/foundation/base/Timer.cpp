#include "foundation/base/Timer.h"

#include <chrono>

unsigned char GamePaused = 0;

namespace {

int64_t SteadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

Timer::Timer(float smoothing) : Timer(smoothing, SteadyNanoseconds, 1000000000) {}

Timer::Timer(float smoothing, TickSource source, int64_t ticksPerSecond)
    : _smoothing(smoothing), _ticksPerSecF(static_cast<float>(ticksPerSecond > 0 ? ticksPerSecond : 1000)),
      _ticksPerSec(ticksPerSecond > 0 ? ticksPerSecond : 1000),
      _source(source ? std::move(source) : TickSource(SteadyNanoseconds))
{}

void Timer::Start(float fps)
{
    if (!(fps >= 1.0f))
        fps = 1.0f;
    _fps = fps;
    _spf = 1.0f / fps;
    _ticksPerFrame = static_cast<int64_t>(static_cast<float>(_ticksPerSec) / fps);
    _lastTicks = GetTicks();
    _elapsed = 0.0f;
}

void Timer::Tick()
{
    int64_t now = GetTicks();
    if (now != _lastTicks)
    {
        _ticksPerFrame = now - _lastTicks;
        if (_ticksPerFrame <= 0)
            _ticksPerFrame = 1;
        _lastTicks = now;
        _fps = _smoothing * _fps + (1.0f - _smoothing) * (_ticksPerSecF / static_cast<float>(_ticksPerFrame));
        if (_fps < 1.0f)
            _fps = 1.0f;
        _spf = 1.0f / _fps;
    }
    ++_frames;
    _elapsed += _spf;
}

int64_t Timer::GetTicks() const { return _source(); }
