#include "platform/audio/WmaEncoder.h"

#include <algorithm>

#include "platform/audio/FfmpegHandles.h"

namespace audio {

namespace {

// Moves every packet the encoder has ready into out; false on an encoder error.
bool Drain(AVCodecContext* ctx, AVPacket* packet, EncodedWma& out)
{
    for (;;)
    {
        const int rc = avcodec_receive_packet(ctx, packet);
        if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
            return true;
        if (rc < 0)
            return false;
        std::vector<uint8_t> bytes(packet->data, packet->data + packet->size);
        // The container stores packets of exactly one block each.
        bytes.resize(static_cast<size_t>(out.blockAlign), 0);
        out.packets.push_back(std::move(bytes));
        av_packet_unref(packet);
    }
}

} // namespace

bool EncodeWma2(const int16_t* samples, size_t frames, int channels, int sampleRate, int bitRate, EncodedWma& out,
                std::string& error)
{
    out = EncodedWma{};
    if ((channels != 1 && channels != 2) || sampleRate <= 0 || bitRate <= 0)
    {
        error = "unsupported channel count or rate";
        return false;
    }
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
    if (!codec)
    {
        error = "no WMA version 2 encoder";
        return false;
    }
    CodecContextPtr ctx(avcodec_alloc_context3(codec));
    if (!ctx)
    {
        error = "out of memory";
        return false;
    }
    ctx->sample_fmt = AV_SAMPLE_FMT_FLTP;
    ctx->sample_rate = sampleRate;
    ctx->bit_rate = bitRate;
    av_channel_layout_default(&ctx->ch_layout, channels);
    if (avcodec_open2(ctx.get(), codec, nullptr) < 0)
    {
        error = "the WMA encoder refused the format";
        return false;
    }
    out.channels = channels;
    out.sampleRate = sampleRate;
    out.bitRate = static_cast<int>(ctx->bit_rate);
    out.blockAlign = ctx->block_align;
    out.samplesPerPacket = ctx->frame_size;
    out.setup.assign(ctx->extradata, ctx->extradata + ctx->extradata_size);

    FramePtr frame(av_frame_alloc());
    PacketPtr packet(av_packet_alloc());
    if (!frame || !packet)
    {
        error = "out of memory";
        return false;
    }
    const size_t step = static_cast<size_t>(ctx->frame_size);
    for (size_t start = 0; start < frames; start += step)
    {
        const size_t count = std::min(step, frames - start);
        frame->nb_samples = static_cast<int>(count);
        frame->format = ctx->sample_fmt;
        frame->sample_rate = sampleRate;
        av_channel_layout_copy(&frame->ch_layout, &ctx->ch_layout);
        if (av_frame_get_buffer(frame.get(), 0) < 0)
        {
            error = "out of memory";
            return false;
        }
        for (int c = 0; c < channels; ++c)
        {
            float* plane = reinterpret_cast<float*>(frame->data[c]);
            for (size_t i = 0; i < count; ++i)
                plane[i] = samples[(start + i) * channels + c] / 32768.0f;
        }
        frame->pts = static_cast<int64_t>(start);
        if (avcodec_send_frame(ctx.get(), frame.get()) < 0 || !Drain(ctx.get(), packet.get(), out))
        {
            error = "the WMA encoder failed";
            return false;
        }
        av_frame_unref(frame.get());
    }
    if (avcodec_send_frame(ctx.get(), nullptr) < 0 || !Drain(ctx.get(), packet.get(), out))
    {
        error = "the WMA encoder failed at the end";
        return false;
    }
    return true;
}

} // namespace audio
