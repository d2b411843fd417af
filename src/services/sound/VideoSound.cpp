#include "services/sound/VideoSound.h"

#include "platform/audio/Stream.h"

namespace {

// More behind than this, the track catches up; less is the device's own latency.
constexpr double LargestLag = 0.15;

} // namespace

VideoSound::VideoSound(SoundEngine* engine) : ISound(engine) {}

VideoSound::~VideoSound() { Close(); }

bool VideoSound::Init(const std::string& path, bool loop, std::string& error)
{
    std::unique_ptr<audio::Decoder> decoder = audio::Decoder::Open(path, error);
    if (!decoder)
        return false;
    _stream = audio::Stream::Create(std::move(decoder), loop);
    if (!_stream)
    {
        error = "no voice left to play it";
        return false;
    }
    return true;
}

void VideoSound::Close()
{
    if (_stream)
    {
        _stream->Pause();
        _stream.reset();
    }
    _playing = false;
    _ended = true;
}

void VideoSound::Play()
{
    if (_stream && !_playing)
        _playing = _stream->Play();
}

void VideoSound::Stop()
{
    if (_stream && _playing)
        _stream->Pause();
    _playing = false;
}

void VideoSound::SetVolume(float volume)
{
    if (_stream)
        _stream->SetGain(volume);
}

void VideoSound::Update()
{
    if (_stream)
        _stream->Update();
}

double VideoSound::GetPlayedSeconds() const { return _stream ? _stream->GetPlayedSeconds() : 0.0; }

void VideoSound::Follow(double pictureSeconds)
{
    if (_stream && _playing && GetPlayedSeconds() < pictureSeconds - LargestLag)
        _stream->SkipTo(pictureSeconds);
}
