#pragma once
extern "C"
{
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}
#include <memory>

// One owner for each FFmpeg handle of the media layers.
namespace media {

template <typename T, void (*Free)(T**)>
struct FreeWith
{
    void operator()(T* handle) const { Free(&handle); }
};

using CodecContextPtr = std::unique_ptr<AVCodecContext, FreeWith<AVCodecContext, avcodec_free_context>>;
using FormatContextPtr = std::unique_ptr<AVFormatContext, FreeWith<AVFormatContext, avformat_close_input>>;
using FramePtr = std::unique_ptr<AVFrame, FreeWith<AVFrame, av_frame_free>>;
using PacketPtr = std::unique_ptr<AVPacket, FreeWith<AVPacket, av_packet_free>>;

// Keeps FFmpeg's own notices off standard error: failures come back as error texts.
void QuietFfmpeg();

} // namespace media
