#include "platform/video/VideoPlayer.h"

#include "platform/video/FrameSource.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace video {

namespace {

// Nothing new on screen for longer than this is too long: a late frame is shown all the same.
constexpr double LongestHold = 0.5;

// How long to sleep until the clock is `seconds` further, its seconds taken for real ones. The
// player on a clock that a test steps is woken when it moves (Settle); such a sleep only ends in
// a look at an unchanged clock.
std::chrono::nanoseconds RealWait(double seconds)
{
    return std::chrono::ceil<std::chrono::nanoseconds>(std::chrono::duration<double>(std::clamp(seconds, 0.0, 3600.0)));
}

} // namespace

VideoPlayer::VideoPlayer(std::unique_ptr<FrameSource> frames, int width, int height, bool loop, Clock clock)
    : _frames(std::move(frames)), _width(width), _height(height), _loop(loop),
      _clock(clock ? std::move(clock) : SteadyClock()), _start(_clock()),
      _pixels(static_cast<size_t>(width) * height * 4, 0)
{
    _thread = std::jthread([this](std::stop_token stop) { Run(stop); });
}

VideoPlayer::~VideoPlayer() { Stop(); }

void VideoPlayer::Stop()
{
    if (!_thread.joinable())
        return;
    _thread.request_stop();
    _thread.join();
}

void VideoPlayer::Wake()
{
    ++_wakes;
    _settled = false;
    _changed.notify_all();
}

void VideoPlayer::SetState(int state)
{
    std::lock_guard<std::mutex> lock(_mutex);
    _state = state;
    Wake();
}

void VideoPlayer::Settle()
{
    std::unique_lock<std::mutex> lock(_mutex);
    Wake();
    _changed.wait(lock, [this] { return _settled || !_playing; });
}

void VideoPlayer::ReadFrame(const std::function<void(const uint8_t* pixels, unsigned pitch)>& read)
{
    std::lock_guard<std::mutex> lock(_mutex);
    read(_pixels.data(), static_cast<unsigned>(_width) * 4);
}

template <class Ready>
bool VideoPlayer::Await(std::unique_lock<std::mutex>& lock, std::stop_token& stop, Ready ready, double due)
{
    for (;;)
    {
        if (stop.stop_requested() || _state == FRAME_RELEASED)
            return false;
        if (ready())
            return true;
        _settled = true;
        _changed.notify_all();
        const uint64_t wakes = _wakes;
        const auto woken = [&] { return _wakes != wakes; };
        if (std::isfinite(due))
            _changed.wait_for(lock, stop, RealWait(due - _clock()), woken);
        else
            _changed.wait(lock, stop, woken);
        _settled = false;
    }
}

bool VideoPlayer::WaitUntil(std::unique_lock<std::mutex>& lock, std::stop_token& stop, double due)
{
    return Await(
        lock, stop, [&] { return _clock() >= due; }, due);
}

bool VideoPlayer::WaitTaken(std::unique_lock<std::mutex>& lock, std::stop_token& stop)
{
    return Await(
        lock, stop, [this] { return _state != FRAME_READY; }, std::numeric_limits<double>::infinity());
}

void VideoPlayer::Run(std::stop_token stop)
{
    const double frameDuration = _frames->GetFrameDuration();
    double origin = 0.0; // when the stream's time 0 of this pass is shown
    double end = _start; // when the last frame's time runs out
    double lastShown = _start;
    bool passStarted = false;
    bool passShown = false;
    std::unique_lock<std::mutex> lock(_mutex);
    while (!stop.stop_requested() && _state != FRAME_RELEASED)
    {
        double time = 0.0;
        const double decodeStart = _clock();
        lock.unlock();
        const bool decoded = _frames->NextFrame(time);
        lock.lock();
        const double decodeSeconds = std::max(0.0, _clock() - decodeStart);
        if (!decoded)
        {
            // The last frame is taken and shown for its time before the stream ends or starts again.
            if (!WaitTaken(lock, stop) || !WaitUntil(lock, stop, end))
                break;
            if (!_loop)
            {
                _ended = true;
                break;
            }
            // A pass that showed nothing would start again at once, forever.
            if (!passShown || !_frames->Rewind())
                break;
            passStarted = passShown = false;
            continue;
        }
        if (!passStarted)
        {
            origin = end - time;
            passStarted = true;
        }
        const double due = origin + time;
        if (!WaitUntil(lock, stop, due) || !WaitTaken(lock, stop))
            break;
        end = due + frameDuration;
        // Its time is over before it could be shown: the next one is due already. It is shown all
        // the same when the next one, as slow to come as this one was, would leave the picture
        // standing too long.
        const double now = _clock();
        if (now >= end && now + decodeSeconds - lastShown < LongestHold)
            continue;
        if (_frames->ConvertFrame(_pixels.data(), _width, _height, _width * 4))
        {
            _state = FRAME_READY;
            passShown = true;
            lastShown = now;
        }
    }
    _playing = false;
    _changed.notify_all();
}

} // namespace video
