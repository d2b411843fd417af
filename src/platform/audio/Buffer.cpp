#include "platform/audio/Buffer.h"

#include <climits>

#include "platform/audio/Convert.h"

namespace audio {

std::unique_ptr<Buffer> Buffer::Create()
{
    alGetError();
    ALuint id = 0;
    alGenBuffers(1, &id);
    if (alGetError() != AL_NO_ERROR || id == 0)
        return nullptr;
    return std::unique_ptr<Buffer>(new Buffer(id));
}

Buffer::~Buffer() { alDeleteBuffers(1, &_id); }

bool Buffer::Fill(const PcmFormat& format, const void* data, size_t bytes)
{
    if (!format.IsPlayable() || bytes == 0 || bytes % format.FrameBytes() != 0 || bytes > INT_MAX)
        return false;
    alGetError();
    alBufferData(_id, AlFormat(format), data, static_cast<ALsizei>(bytes), format.sampleRate);
    return alGetError() == AL_NO_ERROR;
}

} // namespace audio
