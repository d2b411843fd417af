#pragma once
extern "C"
{
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
}
#include <memory>

// One owner for each FFmpeg handle the audio layer uses.
namespace audio {

struct CodecContextFree
{
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FormatContextClose
{
    void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct FrameFree
{
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketFree
{
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct ResamplerFree
{
    void operator()(SwrContext* s) const { swr_free(&s); }
};

using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFree>;
using FormatContextPtr = std::unique_ptr<AVFormatContext, FormatContextClose>;
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFree>;
using ResamplerPtr = std::unique_ptr<SwrContext, ResamplerFree>;

} // namespace audio
