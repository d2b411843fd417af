#include "platform/video/FrameConverter.h"

#include "platform/video/FfmpegVideo.h"

#include <cstring>

namespace video {

struct FrameConverter::Mjpeg
{
    media::CodecContextPtr codec;
    media::FramePtr frame;
    media::PacketPtr packet;
    ScalerPtr scaler;
};

FrameConverter::FrameConverter() = default;

FrameConverter::~FrameConverter() = default;

bool FrameConverter::Convert(const CaptureFormat& format, const uint8_t* sample, size_t bytes, unsigned pitch,
                             uint8_t* out)
{
    if (format.pixelFormat == PIXEL_MJPEG)
        return DecodeMjpeg(format, sample, bytes, out);
    return ConvertToBgr24(format, sample, bytes, pitch, out);
}

bool FrameConverter::DecodeMjpeg(const CaptureFormat& format, const uint8_t* sample, size_t bytes, uint8_t* out)
{
    if (!sample || !out || bytes == 0 || bytes > size_t(INT32_MAX) || format.width <= 0 || format.height <= 0)
        return false;
    if (!_mjpeg)
    {
        media::QuietFfmpeg();
        auto mjpeg = std::make_unique<Mjpeg>();
        const AVCodec* decoder = avcodec_find_decoder(AV_CODEC_ID_MJPEG);
        mjpeg->codec.reset(decoder ? avcodec_alloc_context3(decoder) : nullptr);
        if (!mjpeg->codec)
            return false;
        // One picture in, one picture out: no frame threads holding pictures back.
        mjpeg->codec->thread_count = 1;
        if (avcodec_open2(mjpeg->codec.get(), decoder, nullptr) < 0)
            return false;
        mjpeg->frame.reset(av_frame_alloc());
        mjpeg->packet.reset(av_packet_alloc());
        if (!mjpeg->frame || !mjpeg->packet)
            return false;
        _mjpeg = std::move(mjpeg);
    }
    Mjpeg& m = *_mjpeg;
    // A header claiming a picture much larger than the format's is refused before it is
    // allocated; the margin is the decoder's padding to whole blocks.
    m.codec->max_pixels = int64_t(format.width + 64) * (format.height + 64);
    // The decoder reads past the end of its input: the sample goes into a padded packet.
    av_packet_unref(m.packet.get());
    if (av_new_packet(m.packet.get(), static_cast<int>(bytes)) < 0)
        return false;
    std::memcpy(m.packet->data, sample, bytes);
    av_frame_unref(m.frame.get());
    if (avcodec_send_packet(m.codec.get(), m.packet.get()) < 0 ||
        avcodec_receive_frame(m.codec.get(), m.frame.get()) < 0)
        return false;
    const AVFrame* frame = m.frame.get();
    if (frame->width != format.width || frame->height != format.height || !frame->data[0])
        return false;
    m.scaler.reset(sws_getCachedContext(m.scaler.release(), frame->width, frame->height,
                                        static_cast<AVPixelFormat>(frame->format), format.width, format.height,
                                        AV_PIX_FMT_BGR24, SWS_POINT, nullptr, nullptr, nullptr));
    if (!m.scaler)
        return false;
    uint8_t* planes[4] = {out, nullptr, nullptr, nullptr};
    int pitches[4] = {format.width * 3, 0, 0, 0};
    return sws_scale(m.scaler.get(), frame->data, frame->linesize, 0, frame->height, planes, pitches) == format.height;
}

} // namespace video
