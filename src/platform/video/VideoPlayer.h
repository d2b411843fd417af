#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace video {

class VideoDecoder;

// The hand-over of one frame between the player's thread and the thread that shows it.
enum FrameState : int
{
    FRAME_RELEASED = 0, // the player is being torn down; nothing more comes
    FRAME_IDLE = 1,     // nothing new (the taker sets it after copying a frame)
    FRAME_READY = 2,    // a new frame waits in the buffer
};

// Plays a decoder's frames in real time on a thread of its own. Each frame, when its time
// comes, is scaled into a BGRA buffer and announced as FRAME_READY; the player then waits
// until the taker has set the state back, so at most one frame is in flight and none is
// overwritten before it is taken. A frame whose time has passed by then is skipped, so a taker
// that falls behind sees fewer frames while the video keeps its length.
class VideoPlayer
{
public:
    // Starts playing at once, frames scaled to width x height.
    VideoPlayer(std::unique_ptr<VideoDecoder> decoder, int width, int height, bool loop);
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

private:
    void Run(std::stop_token stop);
    // Waits until `until` or `ready`; false when the player is stopped or released meanwhile.
    bool WaitUntil(std::unique_lock<std::mutex>& lock, std::stop_token& stop,
                   std::chrono::steady_clock::time_point until);
    bool WaitTaken(std::unique_lock<std::mutex>& lock, std::stop_token& stop);

    std::unique_ptr<VideoDecoder> _decoder;
    const int _width;
    const int _height;
    const bool _loop;
    std::vector<uint8_t> _pixels;
    std::mutex _mutex; // guards _pixels, and orders state changes with the thread's waits
    std::condition_variable_any _changed;
    std::atomic<int> _state{FRAME_IDLE};
    std::atomic<bool> _ended{false};
    std::atomic<bool> _playing{true};
    std::jthread _thread;
};

} // namespace video
