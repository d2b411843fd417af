#include "platform/video/AviWriter.h"

#include "platform/video/FfmpegVideo.h"

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

} // namespace

bool WriteAvi(const std::string& path, const AviFormat& format, const FramePainter& paint, std::string& error)
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
    }
    if (avcodec_send_frame(ctx, nullptr) < 0 || !Drain(ctx, rawOutput, stream, packet.get()) ||
        av_write_trailer(rawOutput) < 0)
    {
        error = "the AVI file cannot be finished";
        return false;
    }
    return true;
}

} // namespace video
