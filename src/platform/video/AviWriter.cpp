#include "platform/video/AviWriter.h"

#include "platform/video/FfmpegVideo.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace video {

namespace {

struct OutputClose
{
    void operator()(AVFormatContext* output) const
    {
        if (output->pb)
            avio_closep(&output->pb);
        avformat_free_context(output);
    }
};
using OutputPtr = std::unique_ptr<AVFormatContext, OutputClose>;

// Writes every packet the encoder has ready; false on an encoder or write error.
bool Drain(AVCodecContext* codec, AVFormatContext* output, AVStream* stream, AVPacket* packet)
{
    for (;;)
    {
        const int rc = avcodec_receive_packet(codec, packet);
        if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
            return true;
        if (rc < 0)
            return false;
        av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        if (av_interleaved_write_frame(output, packet) < 0)
            return false;
    }
}

// The sound track's encoder and stream, fed a video frame's worth at a time.
class SoundTrack
{
public:
    // False, with the reason, when the track is out of range or cannot be encoded.
    bool Open(AVFormatContext* output, const AviSound& sound, std::string& error)
    {
        _sound = &sound;
        if (sound.channels < 1 || sound.channels > 2 || sound.sampleRate < 8000 || sound.sampleRate > 96000 ||
            sound.samples.size() % sound.channels)
        {
            error = "sound format out of range";
            return false;
        }
        const AVCodec* encoder = avcodec_find_encoder(AV_CODEC_ID_PCM_S16LE);
        _stream = encoder ? avformat_new_stream(output, nullptr) : nullptr;
        _codec.reset(encoder ? avcodec_alloc_context3(encoder) : nullptr);
        _frame.reset(av_frame_alloc());
        if (!_stream || !_codec || !_frame)
        {
            error = "no PCM encoder";
            return false;
        }
        AVCodecContext* ctx = _codec.get();
        ctx->sample_fmt = AV_SAMPLE_FMT_S16;
        ctx->sample_rate = sound.sampleRate;
        av_channel_layout_default(&ctx->ch_layout, sound.channels);
        ctx->time_base = AVRational{1, sound.sampleRate};
        if (avcodec_open2(ctx, encoder, nullptr) < 0 || avcodec_parameters_from_context(_stream->codecpar, ctx) < 0)
        {
            error = "the PCM encoder refused the format";
            return false;
        }
        _stream->time_base = ctx->time_base;
        return true;
    }

    // Encodes the samples up to `seconds` into the track.
    bool WriteUntil(double seconds, AVFormatContext* output, AVPacket* packet)
    {
        const size_t channels = size_t(_sound->channels);
        const size_t total = _sound->samples.size() / channels;
        const size_t until = std::min(total, size_t(seconds * _sound->sampleRate));
        constexpr size_t Chunk = 1024;
        while (_written < until)
        {
            const size_t count = std::min(Chunk, until - _written);
            AVFrame* frame = _frame.get();
            av_frame_unref(frame);
            frame->format = AV_SAMPLE_FMT_S16;
            frame->sample_rate = _sound->sampleRate;
            frame->nb_samples = int(count);
            if (av_channel_layout_copy(&frame->ch_layout, &_codec->ch_layout) < 0 || av_frame_get_buffer(frame, 0) < 0)
                return false;
            std::memcpy(frame->data[0], _sound->samples.data() + _written * channels, count * channels * 2);
            frame->pts = int64_t(_written);
            _written += count;
            if (avcodec_send_frame(_codec.get(), frame) < 0 || !Drain(_codec.get(), output, _stream, packet))
                return false;
        }
        return true;
    }

    bool Finish(AVFormatContext* output, AVPacket* packet)
    {
        return WriteUntil(1e9, output, packet) && avcodec_send_frame(_codec.get(), nullptr) >= 0 &&
               Drain(_codec.get(), output, _stream, packet);
    }

private:
    const AviSound* _sound = nullptr;
    AVStream* _stream = nullptr;
    media::CodecContextPtr _codec;
    media::FramePtr _frame;
    size_t _written = 0; // samples per channel
};

} // namespace

bool WriteAvi(const std::string& path, const AviFormat& format, const FramePainter& paint, std::string& error,
              const AviSound* sound)
{
    media::QuietFfmpeg();
    // MPEG-4 visual wants even sizes for its 4:2:0 chroma.
    if (format.width < 2 || format.height < 2 || format.width % 2 || format.height % 2 || format.width > 4096 ||
        format.height > 4096 || format.framesPerSecond < 1 || format.framesPerSecond > 120 || format.frames < 1)
    {
        error = "video format out of range";
        return false;
    }
    const AVCodec* encoder = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    if (!encoder)
    {
        error = "no MPEG-4 visual encoder";
        return false;
    }
    AVFormatContext* rawOutput = nullptr;
    if (avformat_alloc_output_context2(&rawOutput, nullptr, "avi", path.c_str()) < 0 || !rawOutput)
    {
        error = "no AVI writer";
        return false;
    }
    OutputPtr output(rawOutput);
    AVStream* stream = avformat_new_stream(rawOutput, nullptr);
    media::CodecContextPtr codec(avcodec_alloc_context3(encoder));
    media::FramePtr frame(av_frame_alloc());
    media::PacketPtr packet(av_packet_alloc());
    if (!stream || !codec || !frame || !packet)
    {
        error = "out of memory";
        return false;
    }
    AVCodecContext* ctx = codec.get();
    ctx->width = format.width;
    ctx->height = format.height;
    ctx->time_base = AVRational{1, format.framesPerSecond};
    ctx->framerate = AVRational{format.framesPerSecond, 1};
    ctx->pix_fmt = AV_PIX_FMT_YUV420P;
    ctx->gop_size = format.framesPerSecond;
    ctx->max_b_frames = 0;
    // A fixed, fine quantiser: the demo pictures are flat colours and soft gradients.
    ctx->flags |= AV_CODEC_FLAG_QSCALE;
    ctx->global_quality = FF_QP2LAMBDA * 3;
    if (rawOutput->oformat->flags & AVFMT_GLOBALHEADER)
        ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(ctx, encoder, nullptr) < 0 || avcodec_parameters_from_context(stream->codecpar, ctx) < 0)
    {
        error = "the MPEG-4 encoder refused the format";
        return false;
    }
    stream->time_base = ctx->time_base;
    stream->avg_frame_rate = ctx->framerate;
    SoundTrack track;
    if (sound && !track.Open(rawOutput, *sound, error))
        return false;
    if (avio_open(&rawOutput->pb, path.c_str(), AVIO_FLAG_WRITE) < 0)
    {
        error = "cannot be written";
        return false;
    }
    if (avformat_write_header(rawOutput, nullptr) < 0)
    {
        error = "the AVI header cannot be written";
        return false;
    }
    frame->format = ctx->pix_fmt;
    frame->width = ctx->width;
    frame->height = ctx->height;
    ScalerPtr scaler(sws_getContext(format.width, format.height, AV_PIX_FMT_BGRA, format.width, format.height,
                                    ctx->pix_fmt, SWS_BILINEAR, nullptr, nullptr, nullptr));
    if (!scaler || av_frame_get_buffer(frame.get(), 0) < 0)
    {
        error = "out of memory";
        return false;
    }
    const int pitch = format.width * 4;
    std::vector<uint8_t> pixels(static_cast<size_t>(pitch) * format.height);
    for (int i = 0; i < format.frames; ++i)
    {
        paint(i, pixels.data(), pitch);
        const uint8_t* planes[1] = {pixels.data()};
        if (av_frame_make_writable(frame.get()) < 0 ||
            sws_scale(scaler.get(), planes, &pitch, 0, format.height, frame->data, frame->linesize) != format.height)
        {
            error = "frame conversion failed";
            return false;
        }
        frame->pts = i;
        if (avcodec_send_frame(ctx, frame.get()) < 0 || !Drain(ctx, rawOutput, stream, packet.get()))
        {
            error = "encoding failed";
            return false;
        }
        // The sound of the frame's time goes beside it.
        if (sound && !track.WriteUntil(double(i + 1) / format.framesPerSecond, rawOutput, packet.get()))
        {
            error = "sound encoding failed";
            return false;
        }
    }
    if (avcodec_send_frame(ctx, nullptr) < 0 || !Drain(ctx, rawOutput, stream, packet.get()) ||
        (sound && !track.Finish(rawOutput, packet.get())) || av_write_trailer(rawOutput) < 0)
    {
        error = "the AVI file cannot be finished";
        return false;
    }
    return true;
}

} // namespace video
