#include "platform/audio/Stream.h"

#include <algorithm>

namespace audio {

std::unique_ptr<Stream> Stream::Create(std::unique_ptr<Decoder> decoder, bool loop)
{
    if (!decoder || !decoder->Format().IsPlayable())
        return nullptr;
    std::unique_ptr<Source> source = Source::Create();
    if (!source)
        return nullptr;
    std::unique_ptr<Stream> stream(new Stream(std::move(decoder), std::move(source), loop));
    for (int i = 0; i < kBufferCount; ++i)
    {
        std::unique_ptr<Buffer> buffer = Buffer::Create();
        if (!buffer)
            return nullptr;
        stream->_free.push_back(buffer.get());
        stream->_buffers.push_back(std::move(buffer));
    }
    stream->Update();
    return stream;
}

Stream::Stream(std::unique_ptr<Decoder> decoder, std::unique_ptr<Source> source, bool loop)
    : _decoder(std::move(decoder)), _source(std::move(source)), _loop(loop)
{
    _source->SetRelative(true);
    const PcmFormat format = _decoder->Format();
    _scratch.resize(static_cast<size_t>(format.sampleRate) * kBufferMilliseconds / 1000 * format.channels);
}

bool Stream::Play()
{
    if (_finished)
        return false;
    _playing = _source->Play();
    return _playing;
}

void Stream::Pause()
{
    _playing = false;
    _source->Pause();
}

void Stream::DropQueue()
{
    // The device gives back only played buffers: stopping marks them all played.
    _source->Stop();
    while (!_queued.empty() && _source->UnqueueOne())
    {
        _free.push_back(_queued.front().buffer);
        _queued.pop_front();
    }
}

void Stream::Flush()
{
    DropQueue();
    _endOfData = true;
    _finished = true;
    _playing = false;
}

void Stream::SetGain(float gain) { _source->SetGain(gain); }

size_t Stream::Read(int16_t* out, size_t frames)
{
    const int channels = _decoder->Format().channels;
    size_t got = _decoder->Read(out, frames);
    while (got < frames && _loop)
    {
        // An empty file would loop forever without a sample: stop there.
        if (!_decoder->Rewind())
            break;
        const size_t more = _decoder->Read(out + got * channels, frames - got);
        if (more == 0)
            break;
        got += more;
    }
    _decodedFrames += got;
    return got;
}

bool Stream::Refill(Buffer& buffer)
{
    const PcmFormat format = _decoder->Format();
    const size_t wanted = _scratch.size() / format.channels;
    const size_t got = Read(_scratch.data(), wanted);
    if (got < wanted)
        _endOfData = true;
    if (got == 0)
        return false;
    if (!buffer.Fill(format, _scratch.data(), got * format.FrameBytes()) || !_source->Queue(buffer))
    {
        _endOfData = true;
        return false;
    }
    _queued.push_back({&buffer, got});
    return true;
}

void Stream::Update()
{
    for (int processed = _source->ProcessedCount(); processed > 0 && !_queued.empty(); --processed)
    {
        if (!_source->UnqueueOne())
            break;
        _playedFrames += _queued.front().frames;
        _free.push_back(_queued.front().buffer);
        _queued.pop_front();
    }
    while (!_endOfData && !_free.empty())
    {
        Buffer* buffer = _free.back();
        if (!Refill(*buffer))
            break;
        _free.pop_back();
    }
    if (_queued.empty())
    {
        if (_endOfData)
        {
            _finished = true;
            _playing = false;
        }
        return;
    }
    // A voice that ran dry while the game stalled picks up with the new buffers. (A stopped
    // voice counts every buffer it holds as played, the new ones too: the played ones were taken
    // off above.)
    if (_playing && _source->GetState() == Source::State::Stopped)
        _source->Play();
}

double Stream::GetPlayedSeconds() const
{
    uint64_t frames = _playedFrames;
    const Source::State state = _source->GetState();
    if (state == Source::State::Stopped)
    {
        // A voice that ran dry has played all it held.
        for (const Queued& queued : _queued)
            frames += queued.frames;
    }
    else if (state != Source::State::Initial)
        frames += static_cast<uint64_t>(std::max(0, _source->SampleOffset()));
    return static_cast<double>(frames) / _decoder->Format().sampleRate;
}

void Stream::SkipTo(double seconds)
{
    if (_finished)
        return;
    const PcmFormat format = _decoder->Format();
    const auto target = static_cast<uint64_t>(std::max(0.0, seconds) * format.sampleRate);
    if (target <= _decodedFrames)
        return;
    DropQueue();
    uint64_t missing = target - _decodedFrames;
    const size_t chunk = _scratch.size() / format.channels;
    while (missing > 0)
    {
        const size_t wanted = static_cast<size_t>(std::min<uint64_t>(missing, chunk));
        const size_t got = Read(_scratch.data(), wanted);
        missing -= got;
        if (got < wanted)
        {
            _endOfData = true;
            break;
        }
    }
    _playedFrames = _decodedFrames;
    const bool playing = _playing;
    Update();
    if (playing && !_queued.empty())
        _source->Play();
}

} // namespace audio
