#include "platform/video/VideoPlayer.h"

#include "platform/video/VideoDecoder.h"

namespace video {

using Clock = std::chrono::steady_clock;

VideoPlayer::VideoPlayer(std::unique_ptr<VideoDecoder> decoder, int width, int height, bool loop)
    : _decoder(std::move(decoder)), _width(width), _height(height), _loop(loop),
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

void VideoPlayer::SetState(int state)
{
    {
        std::lock_guard<std::mutex> lock(_mutex);
        _state = state;
    }
    _changed.notify_all();
}

void VideoPlayer::ReadFrame(const std::function<void(const uint8_t* pixels, unsigned pitch)>& read)
{
    std::lock_guard<std::mutex> lock(_mutex);
    read(_pixels.data(), static_cast<unsigned>(_width) * 4);
}

bool VideoPlayer::WaitUntil(std::unique_lock<std::mutex>& lock, std::stop_token& stop, Clock::time_point until)
{
    _changed.wait_until(lock, stop, until, [this] { return _state == FRAME_RELEASED; });
    return !stop.stop_requested() && _state != FRAME_RELEASED;
}

bool VideoPlayer::WaitTaken(std::unique_lock<std::mutex>& lock, std::stop_token& stop)
{
    _changed.wait(lock, stop, [this] { return _state != FRAME_READY; });
    return !stop.stop_requested() && _state != FRAME_RELEASED;
}

void VideoPlayer::Run(std::stop_token stop)
{
    const auto frameDuration =
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(_decoder->GetFrameDuration()));
    // A decoder slower than the clock would skip everything: a late frame is shown all the
    // same when nothing was for this long.
    constexpr auto LongestHold = std::chrono::milliseconds(500);
    Clock::time_point origin;             // when the stream's time 0 of this pass is shown
    Clock::time_point end = Clock::now(); // when the last frame's time runs out
    Clock::time_point lastShown = end;
    bool passStarted = false;
    bool passShown = false;
    std::unique_lock<std::mutex> lock(_mutex);
    while (!stop.stop_requested() && _state != FRAME_RELEASED)
    {
        double time = 0.0;
        lock.unlock();
        const bool decoded = _decoder->NextFrame(time);
        lock.lock();
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
            if (!passShown || !_decoder->Rewind())
                break;
            passStarted = passShown = false;
            continue;
        }
        const auto streamTime = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(time));
        if (!passStarted)
        {
            origin = end - streamTime;
            passStarted = true;
        }
        Clock::time_point due = origin + streamTime;
        if (!WaitUntil(lock, stop, due) || !WaitTaken(lock, stop))
            break;
        end = due + frameDuration;
        // Its time is over before it could be shown: the next one is due already.
        const Clock::time_point now = Clock::now();
        if (now >= end && now - lastShown < LongestHold)
            continue;
        if (_decoder->ConvertFrame(_pixels.data(), _width, _height, _width * 4))
        {
            _state = FRAME_READY;
            passShown = true;
            lastShown = now;
        }
    }
    _playing = false;
}

} // namespace video
