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

private:
    static constexpr int kBufferCount = 4;
    static constexpr int kBufferMilliseconds = 250;

    Stream(std::unique_ptr<Decoder> decoder, std::unique_ptr<Source> source, bool loop);
    // Fills the buffer from the decoder and queues it; false at the end of the stream.
    bool Refill(Buffer& buffer);

    std::unique_ptr<Decoder> _decoder;
    // Declared before the source so they go after it: the device keeps a buffer that
    // is deleted while still queued.
    std::vector<std::unique_ptr<Buffer>> _buffers;
    std::unique_ptr<Source> _source;
    std::deque<Buffer*> _queued; // in play order
    std::vector<Buffer*> _free;
    std::vector<int16_t> _scratch;
    bool _loop;
    bool _playing = false;
    bool _endOfData = false;
    bool _finished = false;
};

} // namespace audio
