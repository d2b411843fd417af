#include "platform/media/MediaStream.h"

#include <mutex>

namespace media {

void QuietFfmpeg()
{
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });
}

std::unique_ptr<MediaStream> MediaStream::Open(const std::string& path, AVMediaType type, const char* kind,
                                               std::string& error)
{
    QuietFfmpeg();
    std::unique_ptr<MediaStream> stream(new MediaStream);
    AVFormatContext* input = nullptr;
    if (avformat_open_input(&input, path.c_str(), nullptr, nullptr) < 0)
    {
        error = std::string("cannot be opened as ") + kind;
        return nullptr;
    }
    stream->_input.reset(input);
    if (avformat_find_stream_info(input, nullptr) < 0)
    {
        error = "no stream information";
        return nullptr;
    }
    const AVCodec* codec = nullptr;
    stream->_index = av_find_best_stream(input, type, -1, -1, &codec, 0);
    if (stream->_index < 0 || !codec)
    {
        error = std::string("no ") + kind + " stream that can be decoded";
        return nullptr;
    }
    stream->_codec.reset(avcodec_alloc_context3(codec));
    stream->_packet.reset(av_packet_alloc());
    if (!stream->_codec || !stream->_packet)
    {
        error = "out of memory";
        return nullptr;
    }
    if (avcodec_parameters_to_context(stream->_codec.get(), input->streams[stream->_index]->codecpar) < 0 ||
        avcodec_open2(stream->_codec.get(), codec, nullptr) < 0)
    {
        error = std::string("the ") + kind + " decoder refused the stream";
        return nullptr;
    }
    return stream;
}

bool MediaStream::Receive(AVFrame* frame)
{
    while (!_outputDone)
    {
        const int rc = avcodec_receive_frame(_codec.get(), frame);
        if (rc == 0)
            return true;
        if (rc != AVERROR(EAGAIN) || _inputDone)
        { // the end of the stream, or a decoder that gave up
            _outputDone = true;
            break;
        }
        if (av_read_frame(_input.get(), _packet.get()) < 0)
        {
            _inputDone = true;
            avcodec_send_packet(_codec.get(), nullptr);
            continue;
        }
        if (_packet->stream_index == _index)
            avcodec_send_packet(_codec.get(), _packet.get());
        av_packet_unref(_packet.get());
    }
    return false;
}

bool MediaStream::Rewind()
{
    const int64_t start = GetStream()->start_time;
    if (av_seek_frame(_input.get(), _index, start == AV_NOPTS_VALUE ? 0 : start, AVSEEK_FLAG_BACKWARD) < 0)
        return false;
    avcodec_flush_buffers(_codec.get());
    _inputDone = false;
    _outputDone = false;
    return true;
}

} // namespace media
