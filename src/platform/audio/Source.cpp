#include "platform/audio/Source.h"

#include "platform/audio/Buffer.h"
#include "platform/audio/Convert.h"

namespace audio {

std::unique_ptr<Source> Source::Create()
{
    alGetError();
    ALuint id = 0;
    alGenSources(1, &id);
    if (alGetError() != AL_NO_ERROR || id == 0)
        return nullptr;
    return std::unique_ptr<Source>(new Source(id));
}

Source::~Source()
{
    alSourceStop(_id);
    alSourcei(_id, AL_BUFFER, 0);
    alDeleteSources(1, &_id);
}

bool Source::SetBuffer(const Buffer* buffer)
{
    alGetError();
    alSourcei(_id, AL_BUFFER, buffer ? static_cast<ALint>(buffer->Id()) : 0);
    return alGetError() == AL_NO_ERROR;
}

bool Source::Play()
{
    alGetError();
    alSourcePlay(_id);
    return alGetError() == AL_NO_ERROR;
}

void Source::Pause() { alSourcePause(_id); }

void Source::Stop() { alSourceStop(_id); }

Source::State Source::GetState() const
{
    ALint state = AL_INITIAL;
    alGetSourcei(_id, AL_SOURCE_STATE, &state);
    switch (state)
    {
    case AL_PLAYING: return State::Playing;
    case AL_PAUSED: return State::Paused;
    case AL_STOPPED: return State::Stopped;
    default: return State::Initial;
    }
}

void Source::SetGain(float gain) { alSourcef(_id, AL_GAIN, gain < 0 ? 0 : gain); }

void Source::SetPitch(float pitch) { alSourcef(_id, AL_PITCH, pitch); }

void Source::SetLooping(bool loop) { alSourcei(_id, AL_LOOPING, loop ? AL_TRUE : AL_FALSE); }

void Source::SetRelative(bool relative) { alSourcei(_id, AL_SOURCE_RELATIVE, relative ? AL_TRUE : AL_FALSE); }

void Source::SetDistances(float reference, float maximum, float rolloff)
{
    alSourcef(_id, AL_REFERENCE_DISTANCE, reference);
    alSourcef(_id, AL_MAX_DISTANCE, maximum);
    alSourcef(_id, AL_ROLLOFF_FACTOR, rolloff);
}

void Source::SetPosition(const Float3& position) { SetSource3f(_id, AL_POSITION, position); }

void Source::SetVelocity(const Float3& velocity) { SetSource3f(_id, AL_VELOCITY, velocity); }

bool Source::Queue(const Buffer& buffer)
{
    alGetError();
    const ALuint id = buffer.Id();
    alSourceQueueBuffers(_id, 1, &id);
    return alGetError() == AL_NO_ERROR;
}

int Source::ProcessedCount() const
{
    ALint count = 0;
    alGetSourcei(_id, AL_BUFFERS_PROCESSED, &count);
    return count;
}

int Source::QueuedCount() const
{
    ALint count = 0;
    alGetSourcei(_id, AL_BUFFERS_QUEUED, &count);
    return count;
}

bool Source::UnqueueOne()
{
    alGetError();
    ALuint id = 0;
    alSourceUnqueueBuffers(_id, 1, &id);
    return alGetError() == AL_NO_ERROR;
}

int Source::SampleOffset() const
{
    ALint offset = 0;
    alGetSourcei(_id, AL_SAMPLE_OFFSET, &offset);
    return offset;
}

} // namespace audio
