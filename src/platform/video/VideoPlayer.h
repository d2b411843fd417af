#pragma once

#include "platform/video/VideoClock.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace video {

class FrameSource;

// The hand-over of one frame between the player's thread and the thread that shows it.
enum FrameState : int
{
    FRAME_RELEASED = 0, // the player is being torn down; nothing more comes
    FRAME_IDLE = 1,     // nothing new (the taker sets it after copying a frame)
    FRAME_READY = 2,    // a new frame waits in the buffer
};

// Plays frames on a clock, on a thread of its own. Each frame, when its time comes, is scaled
// into a BGRA buffer and announced as FRAME_READY; the player then waits until the taker has set
// the state back, so at most one frame is in flight and none is overwritten before it is taken.
// A frame whose time has passed by then is skipped, so a taker that falls behind sees fewer
// frames while the video keeps its length; but the picture never stands still for long because
// of it, even when the frames themselves come slower than their time.
class VideoPlayer
{
public:
    // Starts playing at once, on the clock (null: real time), frames scaled to width x height.
    VideoPlayer(std::unique_ptr<FrameSource> frames, int width, int height, bool loop, Clock clock);
    // Stops and joins the thread.
    ~VideoPlayer();
    VideoPlayer(const VideoPlayer&) = delete;
    VideoPlayer& operator=(const VideoPlayer&) = delete;

    int GetWidth() const { return _width; }
    int GetHeight() const { return _height; }
    int GetState() const { return _state.load(); }
    void SetState(int state);

    // Calls `read` with the frame buffer (rows `pitch` bytes apart) under the frame lock.
    void ReadFrame(const std::function<void(const uint8_t* pixels, unsigned pitch)>& read);
    // True once, after a stream that does not loop has shown its last frame for its time.
    bool TakeEnd() { return _ended.exchange(false); }
    // True until the thread has finished (the end of a stream that does not loop, Stop, or a
    // stream that cannot be rewound or has nothing to show again).
    bool IsPlaying() const { return _playing.load(); }
    // Ends playback and joins the thread; harmless when it has ended.
    void Stop();
    // For a caller that steps the clock: the thread looks at the clock again, and this returns
    // once it has done all that the present time allows (a frame waits to be taken, the next one
    // is not due yet, or playback has ended).
    void Settle();

private:
    void Run(std::stop_token stop);
    // Waits until `ready()` holds, looking again whenever woken and, for a finite `due`, when
    // the clock should have reached it; false when the player is stopped or released meanwhile.
    template <class Ready>
    bool Await(std::unique_lock<std::mutex>& lock, std::stop_token& stop, Ready ready, double due);
    bool WaitUntil(std::unique_lock<std::mutex>& lock, std::stop_token& stop, double due);
    bool WaitTaken(std::unique_lock<std::mutex>& lock, std::stop_token& stop);
    // Has the thread look again; the caller holds the lock.
    void Wake();

    std::unique_ptr<FrameSource> _frames;
    const int _width;
    const int _height;
    const bool _loop;
    const Clock _clock;
    const double _start; // the clock when playing began
    std::vector<uint8_t> _pixels;
    std::mutex _mutex; // guards _pixels, _wakes and _settled, and orders state changes with the waits
    std::condition_variable_any _changed;
    uint64_t _wakes = 0;
    bool _settled = false; // the thread waits, and has looked since it was last woken
    std::atomic<int> _state{FRAME_IDLE};
    std::atomic<bool> _ended{false};
    std::atomic<bool> _playing{true};
    std::jthread _thread;
};

} // namespace video
