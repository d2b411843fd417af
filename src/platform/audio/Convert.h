#pragma once
#include <AL/al.h>

#include "platform/audio/AudioTypes.h"

namespace audio {

// The engine's space is left-handed, OpenAL's right-handed: mirror z on the way in.
inline void SetSource3f(ALuint source, ALenum param, const Float3& v) { alSource3f(source, param, v.x, v.y, -v.z); }

inline ALenum AlFormat(const PcmFormat& format)
{
    if (format.channels == 1)
        return format.bitsPerSample == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16;
    return format.bitsPerSample == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16;
}

} // namespace audio
