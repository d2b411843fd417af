#include "platform/video/VideoDecoder.h"

#include "platform/video/FfmpegVideo.h"

#include <mutex>

namespace video {

void QuietFfmpeg()
{
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });
}

struct VideoDecoder::State
{
    InputPtr input;
    CodecContextPtr codec;
    FramePtr frame;
    PacketPtr packet;
    ScalerPtr scaler;
    int stream = -1;
    AVRational timeBase{1, 25};
    double frameDuration = 1.0 / 25.0;
    double lastTime = 0.0;
    bool started = false;    // a frame has been given since the last rewind
    bool inputDone = false;  // every packet is sent, the decoder is being drained
    bool outputDone = false; // the decoder has nothing more
};

std::unique_ptr<VideoDecoder> VideoDecoder::Open(const std::string& path, std::string& error)
{
    QuietFfmpeg();
    auto state = std::make_unique<State>();
    AVFormatContext* rawInput = nullptr;
    if (avformat_open_input(&rawInput, path.c_str(), nullptr, nullptr) < 0)
    {
        error = "cannot be opened as a media file";
        return nullptr;
    }
    state->input.reset(rawInput);
    if (avformat_find_stream_info(rawInput, nullptr) < 0)
    {
        error = "no stream information";
        return nullptr;
    }
    const AVCodec* codec = nullptr;
    state->stream = av_find_best_stream(rawInput, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    if (state->stream < 0 || !codec)
    {
        error = "no video stream that can be decoded";
        return nullptr;
    }
    AVStream* stream = rawInput->streams[state->stream];
    state->codec.reset(avcodec_alloc_context3(codec));
    if (!state->codec || avcodec_parameters_to_context(state->codec.get(), stream->codecpar) < 0 ||
        avcodec_open2(state->codec.get(), codec, nullptr) < 0)
    {
        error = "the video decoder refused the stream";
        return nullptr;
    }
    const AVCodecContext* ctx = state->codec.get();
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
    if (stream->time_base.num > 0 && stream->time_base.den > 0)
        state->timeBase = stream->time_base;
    const AVRational rate = av_guess_frame_rate(rawInput, stream, nullptr);
    // A rate of at least one frame a second and at most a thousand; anything else is a header lying.
    if (rate.num > 0 && rate.den > 0 && av_q2d(rate) >= 1.0 && av_q2d(rate) <= 1000.0)
        state->frameDuration = 1.0 / av_q2d(rate);
    state->frame.reset(av_frame_alloc());
    state->packet.reset(av_packet_alloc());
    if (!state->frame || !state->packet)
    {
        error = "out of memory";
        return nullptr;
    }
    return std::unique_ptr<VideoDecoder>(new VideoDecoder(std::move(state)));
}

VideoDecoder::VideoDecoder(std::unique_ptr<State> state) : _state(std::move(state)) {}

VideoDecoder::~VideoDecoder() = default;

int VideoDecoder::GetWidth() const { return _state->codec->width; }
int VideoDecoder::GetHeight() const { return _state->codec->height; }
double VideoDecoder::GetFrameDuration() const { return _state->frameDuration; }

bool VideoDecoder::NextFrame(double& time)
{
    State& s = *_state;
    while (!s.outputDone)
    {
        av_frame_unref(s.frame.get());
        const int rc = avcodec_receive_frame(s.codec.get(), s.frame.get());
        if (rc == 0)
        {
            // A frame of another size than the stream's (a damaged header) is not shown.
            if (s.frame->width != s.codec->width || s.frame->height != s.codec->height)
                continue;
            const int64_t stamp = s.frame->best_effort_timestamp;
            time = stamp == AV_NOPTS_VALUE ? (s.started ? s.lastTime + s.frameDuration : 0.0)
                                           : static_cast<double>(stamp) * av_q2d(s.timeBase);
            s.lastTime = time;
            s.started = true;
            return true;
        }
        if (rc != AVERROR(EAGAIN) || s.inputDone)
        { // the end of the stream, or a decoder that gave up
            s.outputDone = true;
            break;
        }
        if (av_read_frame(s.input.get(), s.packet.get()) < 0)
        {
            s.inputDone = true;
            avcodec_send_packet(s.codec.get(), nullptr);
            continue;
        }
        if (s.packet->stream_index == s.stream)
            avcodec_send_packet(s.codec.get(), s.packet.get());
        av_packet_unref(s.packet.get());
    }
    return false;
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
    const int64_t start = s.input->streams[s.stream]->start_time;
    if (av_seek_frame(s.input.get(), s.stream, start == AV_NOPTS_VALUE ? 0 : start, AVSEEK_FLAG_BACKWARD) < 0)
        return false;
    avcodec_flush_buffers(s.codec.get());
    av_frame_unref(s.frame.get());
    s.started = false;
    s.inputDone = false;
    s.outputDone = false;
    return true;
}

} // namespace video
