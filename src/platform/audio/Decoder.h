#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/audio/AudioTypes.h"

namespace audio {

// Decodes a compressed audio file (xWMA among others) to interleaved 16-bit PCM at
// the file's own rate, mixed down to at most two channels.
class Decoder
{
public:
    static constexpr int kMaxSampleRate = 192000;

    // Null, with the reason, when the file cannot be opened or holds no audio it can decode.
    static std::unique_ptr<Decoder> Open(const std::string& path, std::string& error);
    ~Decoder();
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    PcmFormat Format() const;

    // Up to maxFrames frames into out; fewer only at the end of the stream (0 there).
    size_t Read(int16_t* out, size_t maxFrames);
    // Back to the first sample (the file is opened anew: not every container seeks);
    // false when it cannot be reopened.
    bool Rewind();

private:
    struct State;
    explicit Decoder(std::unique_ptr<State> state);
    bool DecodeMore();

    std::unique_ptr<State> _state;
};

} // namespace audio
