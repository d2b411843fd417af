#include "platform/video/VideoDecoder.h"

#include "platform/media/MediaStream.h"
#include "platform/video/FfmpegVideo.h"

namespace video {

struct VideoDecoder::State
{
    std::unique_ptr<media::MediaStream> media;
    media::FramePtr frame;
    ScalerPtr scaler;
    AVRational timeBase{1, 25};
    double frameDuration = 1.0 / 25.0;
    double lastTime = 0.0;
    bool started = false; // a frame has been given since the last rewind
};

std::unique_ptr<VideoDecoder> VideoDecoder::Open(const std::string& path, std::string& error)
{
    auto state = std::make_unique<State>();
    state->media = media::MediaStream::Open(path, AVMEDIA_TYPE_VIDEO, "video", error);
    if (!state->media)
        return nullptr;
    const AVCodecContext* ctx = state->media->GetCodec();
    if (ctx->pix_fmt == AV_PIX_FMT_NONE)
    {
        error = "no picture could be decoded";
        return nullptr;
    }
    if (ctx->width <= 0 || ctx->height <= 0 || ctx->width > kMaxSize || ctx->height > kMaxSize)
    {
        error = "frame size " + std::to_string(ctx->width) + "x" + std::to_string(ctx->height) + " is out of range";
        return nullptr;
    }
    AVStream* stream = state->media->GetStream();
    if (stream->time_base.num > 0 && stream->time_base.den > 0)
        state->timeBase = stream->time_base;
    const AVRational rate = av_guess_frame_rate(state->media->GetInput(), stream, nullptr);
    // A rate of at least one frame a second and at most a thousand; anything else is a header lying.
    if (rate.num > 0 && rate.den > 0 && av_q2d(rate) >= 1.0 && av_q2d(rate) <= 1000.0)
        state->frameDuration = 1.0 / av_q2d(rate);
    state->frame.reset(av_frame_alloc());
    if (!state->frame)
    {
        error = "out of memory";
        return nullptr;
    }
    return std::unique_ptr<VideoDecoder>(new VideoDecoder(std::move(state)));
}

VideoDecoder::VideoDecoder(std::unique_ptr<State> state) : _state(std::move(state)) {}

VideoDecoder::~VideoDecoder() = default;

int VideoDecoder::GetWidth() const { return _state->media->GetCodec()->width; }
int VideoDecoder::GetHeight() const { return _state->media->GetCodec()->height; }
double VideoDecoder::GetFrameDuration() const { return _state->frameDuration; }

bool VideoDecoder::NextFrame(double& time)
{
    State& s = *_state;
    const AVCodecContext* codec = s.media->GetCodec();
    for (;;)
    {
        av_frame_unref(s.frame.get());
        if (!s.media->Receive(s.frame.get()))
            return false;
        // A frame of another size than the stream's (a damaged header) is not shown.
        if (s.frame->width != codec->width || s.frame->height != codec->height)
            continue;
        const int64_t stamp = s.frame->best_effort_timestamp;
        time = stamp == AV_NOPTS_VALUE ? (s.started ? s.lastTime + s.frameDuration : 0.0)
                                       : static_cast<double>(stamp) * av_q2d(s.timeBase);
        s.lastTime = time;
        s.started = true;
        return true;
    }
}

bool VideoDecoder::ConvertFrame(uint8_t* pixels, int width, int height, int pitch)
{
    State& s = *_state;
    const AVFrame* frame = s.frame.get();
    if (!pixels || width <= 0 || height <= 0 || pitch < width * 4 || !frame->data[0])
        return false;
    s.scaler.reset(sws_getCachedContext(s.scaler.release(), frame->width, frame->height,
                                        static_cast<AVPixelFormat>(frame->format), width, height, AV_PIX_FMT_BGRA,
                                        SWS_BILINEAR, nullptr, nullptr, nullptr));
    if (!s.scaler)
        return false;
    uint8_t* planes[4] = {pixels, nullptr, nullptr, nullptr};
    int pitches[4] = {pitch, 0, 0, 0};
    return sws_scale(s.scaler.get(), frame->data, frame->linesize, 0, frame->height, planes, pitches) == height;
}

bool VideoDecoder::Rewind()
{
    State& s = *_state;
    av_frame_unref(s.frame.get());
    s.started = false;
    return s.media->Rewind();
}

} // namespace video
