#include "platform/audio/Decoder.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/audio/FfmpegHandles.h"
#include "platform/media/MediaStream.h"

namespace audio {

struct Decoder::State
{
    std::string path;
    std::unique_ptr<media::MediaStream> media;
    ResamplerPtr resampler;
    FramePtr frame;
    int channels = 0;
    int sampleRate = 0;
    std::vector<int16_t> pending;
    size_t pendingOffset = 0; // in samples
};

std::unique_ptr<Decoder> Decoder::Open(const std::string& path, std::string& error)
{
    auto state = std::make_unique<State>();
    state->path = path;
    state->media = media::MediaStream::Open(path, AVMEDIA_TYPE_AUDIO, "audio", error);
    if (!state->media)
        return nullptr;
    AVCodecContext* ctx = state->media->GetCodec();
    state->channels = std::min(ctx->ch_layout.nb_channels, 2);
    state->sampleRate = ctx->sample_rate;
    if (state->channels <= 0 || state->sampleRate <= 0)
    {
        error = "no channels or no sample rate";
        return nullptr;
    }
    // The player buffers a fixed time ahead: a lying rate would ask for gigabytes.
    if (state->sampleRate > kMaxSampleRate)
    {
        error = "sample rate " + std::to_string(state->sampleRate) + " is out of range";
        return nullptr;
    }
    AVChannelLayout outLayout;
    av_channel_layout_default(&outLayout, state->channels);
    SwrContext* swr = nullptr;
    if (swr_alloc_set_opts2(&swr, &outLayout, AV_SAMPLE_FMT_S16, state->sampleRate, &ctx->ch_layout, ctx->sample_fmt,
                            ctx->sample_rate, 0, nullptr) < 0 ||
        swr_init(swr) < 0)
    {
        swr_free(&swr);
        error = "the sample converter refused the stream";
        return nullptr;
    }
    state->resampler.reset(swr);
    state->frame.reset(av_frame_alloc());
    if (!state->frame)
    {
        error = "out of memory";
        return nullptr;
    }
    return std::unique_ptr<Decoder>(new Decoder(std::move(state)));
}

Decoder::Decoder(std::unique_ptr<State> state) : _state(std::move(state)) {}

Decoder::~Decoder() = default;

PcmFormat Decoder::Format() const { return PcmFormat{_state->channels, 16, _state->sampleRate}; }

// Converts one more decoded frame into pending; false at the end of the stream.
bool Decoder::DecodeMore()
{
    State& s = *_state;
    while (s.media->Receive(s.frame.get()))
    {
        const int capacity = swr_get_out_samples(s.resampler.get(), s.frame->nb_samples);
        if (capacity <= 0)
        {
            av_frame_unref(s.frame.get());
            continue;
        }
        s.pending.assign(static_cast<size_t>(capacity) * s.channels, 0);
        uint8_t* outPlanes[1] = {reinterpret_cast<uint8_t*>(s.pending.data())};
        const int got = swr_convert(s.resampler.get(), outPlanes, capacity,
                                    const_cast<const uint8_t**>(s.frame->extended_data), s.frame->nb_samples);
        av_frame_unref(s.frame.get());
        s.pending.resize(got > 0 ? static_cast<size_t>(got) * s.channels : 0);
        s.pendingOffset = 0;
        if (!s.pending.empty())
            return true;
    }
    return false;
}

size_t Decoder::Read(int16_t* out, size_t maxFrames)
{
    State& s = *_state;
    const size_t channels = static_cast<size_t>(s.channels);
    size_t done = 0;
    while (done < maxFrames)
    {
        if (s.pendingOffset >= s.pending.size() && !DecodeMore())
            break;
        const size_t available = (s.pending.size() - s.pendingOffset) / channels;
        const size_t take = std::min(available, maxFrames - done);
        std::memcpy(out + done * channels, s.pending.data() + s.pendingOffset, take * channels * sizeof(int16_t));
        s.pendingOffset += take * channels;
        done += take;
    }
    return done;
}

bool Decoder::Rewind()
{
    std::string error;
    std::unique_ptr<Decoder> fresh = Open(_state->path, error);
    if (!fresh || fresh->Format().channels != _state->channels || fresh->Format().sampleRate != _state->sampleRate)
        return false;
    _state = std::move(fresh->_state);
    return true;
}

} // namespace audio
