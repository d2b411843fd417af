#include "services/sound/BufferedSound.h"

#include "platform/audio/Source.h"
#include "services/sound/SoundAsset.h"

BufferedSound::BufferedSound(SoundEngine* engine) : ISound(engine) {}

BufferedSound::~BufferedSound() = default;

bool BufferedSound::CreateVoice(SoundAsset* asset, bool loop)
{
    _loop = loop;
    audio::Buffer* buffer = asset ? asset->GetBuffer() : nullptr;
    std::unique_ptr<audio::Source> source = buffer ? audio::Source::Create() : nullptr;
    if (!source || !source->SetBuffer(buffer))
    {
        _ended = !loop;
        return false;
    }
    source->SetLooping(loop);
    _source = std::move(source);
    return true;
}

void BufferedSound::Close()
{
    _source.reset();
    _playing = false;
    _ended = true;
}

void BufferedSound::Play()
{
    if (_source && !_playing)
        _playing = _source->Play();
}

void BufferedSound::Stop()
{
    if (_source && _playing)
        _source->Pause();
    _playing = false;
}

void BufferedSound::SetVolume(float volume)
{
    if (_source)
        _source->SetGain(volume);
}

void BufferedSound::Update()
{
    if (_source && !_ended && _source->GetState() == audio::Source::State::Stopped)
    {
        _playing = false;
        _ended = true;
    }
}
