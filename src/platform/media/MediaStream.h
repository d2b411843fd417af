#pragma once

#include "platform/media/FfmpegHandles.h"

#include <string>

namespace media {

// One stream of a media file with its decoder: packets are read and fed to the decoder as
// frames are asked for; the file's other streams are skipped.
class MediaStream
{
public:
    // Null, with the reason, when the file cannot be opened or has no stream of `type` that can
    // be decoded; `kind` names the stream in the reasons ("audio", "video").
    static std::unique_ptr<MediaStream> Open(const std::string& path, AVMediaType type, const char* kind,
                                             std::string& error);

    AVFormatContext* GetInput() const { return _input.get(); }
    AVCodecContext* GetCodec() const { return _codec.get(); }
    AVStream* GetStream() const { return _input->streams[_index]; }

    // The next decoded frame into `frame`; false at the end of the stream, or when the decoder
    // gives up (a damaged packet is skipped, the stream goes on).
    bool Receive(AVFrame* frame);
    // Back before the first frame; false when the file cannot seek.
    bool Rewind();

private:
    MediaStream() = default;

    FormatContextPtr _input;
    CodecContextPtr _codec;
    PacketPtr _packet;
    int _index = -1;
    bool _inputDone = false;  // every packet is sent, the decoder is being drained
    bool _outputDone = false; // the decoder has nothing more
};

} // namespace media
