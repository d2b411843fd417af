#pragma once
#include <memory>

#include "platform/audio/AudioTypes.h"

namespace audio {

class Buffer;

// One playing voice of the current device. Positions and velocities are in the
// engine's left-handed space. A new source is positional; SetRelative(true) with the
// default position of 0 makes it a plain 2D voice.
class Source
{
public:
    enum class State
    {
        Initial,
        Playing,
        Paused,
        Stopped
    };

    // Null when the device has no source left.
    static std::unique_ptr<Source> Create();
    ~Source();
    Source(const Source&) = delete;
    Source& operator=(const Source&) = delete;

    // Plays the buffer whole (the buffer must outlive its use here); null detaches.
    bool SetBuffer(const Buffer* buffer);
    bool Play();
    // Keeps the position, so Play resumes where it paused.
    void Pause();
    // Back to the start, and drops every queued buffer's turn.
    void Stop();
    State GetState() const;

    void SetGain(float gain);
    void SetPitch(float pitch);
    void SetLooping(bool loop);
    void SetRelative(bool relative);
    // Distance falloff: full volume up to the reference, silent from the maximum.
    void SetDistances(float reference, float maximum, float rolloff);
    void SetPosition(const Float3& position);
    void SetVelocity(const Float3& velocity);

    // Streaming: buffers played in queue order.
    bool Queue(const Buffer& buffer);
    int ProcessedCount() const;
    int QueuedCount() const;
    // Takes the oldest played buffer off the queue.
    bool UnqueueOne();
    // Frames played of the queue's first buffers (0 when stopped or not started).
    int SampleOffset() const;

private:
    explicit Source(unsigned int id) : _id(id) {}
    unsigned int _id;
};

} // namespace audio
