#pragma once
#include <cstddef>
#include <memory>

#include "platform/audio/AudioTypes.h"

namespace audio {

// One block of PCM held by the device, shared by the sources that play it.
class Buffer
{
public:
    // An empty buffer of the current device; null when the device refuses one.
    static std::unique_ptr<Buffer> Create();
    ~Buffer();
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

    // Replaces the contents; false for a format the device cannot take or a size
    // that is not whole frames.
    bool Fill(const PcmFormat& format, const void* data, size_t bytes);

    unsigned int Id() const { return _id; }

private:
    explicit Buffer(unsigned int id) : _id(id) {}
    unsigned int _id;
};

} // namespace audio
