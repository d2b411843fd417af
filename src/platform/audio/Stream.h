#pragma once
#include <deque>
#include <memory>
#include <vector>

#include "platform/audio/Buffer.h"
#include "platform/audio/Decoder.h"
#include "platform/audio/Source.h"

namespace audio {

// A long sound played through a short queue of buffers that Update refills from a
// decoder, so only a fraction of a second is decoded ahead.
class Stream
{
public:
    // Null when the device has no source or buffer left, or the format cannot play.
    static std::unique_ptr<Stream> Create(std::unique_ptr<Decoder> decoder, bool loop);
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;

    bool Play();
    void Pause();
    void SetGain(float gain);
    bool IsLooping() const { return _loop; }

    // Drops every queued buffer and decodes nothing more: the stream is finished.
    void Flush();
    // Refills the buffers that have played; restarts the voice after an underrun.
    void Update();
    // The last sample has played (never while looping).
    bool IsFinished() const { return _finished; }

    // Seconds played since the start, every pass of a loop counted.
    double GetPlayedSeconds() const;
    // Goes on from `seconds` after the start when that lies beyond what is decoded already
    // (what a voice that ran dry missed): the queue is dropped and the frames between skipped.
    void SkipTo(double seconds);

private:
    static constexpr int kBufferCount = 4;
    static constexpr int kBufferMilliseconds = 250;

    struct Queued
    {
        Buffer* buffer;
        size_t frames;
    };

    Stream(std::unique_ptr<Decoder> decoder, std::unique_ptr<Source> source, bool loop);
    // Up to `frames` frames from the decoder, from its start again while looping; fewer only at
    // the end of a stream that does not loop, or of one that cannot start again.
    size_t Read(int16_t* out, size_t frames);
    // Fills the buffer from the decoder and queues it; false at the end of the stream.
    bool Refill(Buffer& buffer);
    // Takes every buffer off the voice, played or not.
    void DropQueue();

    std::unique_ptr<Decoder> _decoder;
    // Declared before the source so they go after it: the device keeps a buffer that
    // is deleted while still queued.
    std::vector<std::unique_ptr<Buffer>> _buffers;
    std::unique_ptr<Source> _source;
    std::deque<Queued> _queued; // in play order
    std::vector<Buffer*> _free;
    std::vector<int16_t> _scratch;
    uint64_t _playedFrames = 0;  // of the buffers taken off the voice after playing
    uint64_t _decodedFrames = 0; // read from the decoder, every pass counted
    bool _loop;
    bool _playing = false;
    bool _endOfData = false;
    bool _finished = false;
};

} // namespace audio
