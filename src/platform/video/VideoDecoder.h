#pragma once

#include "platform/video/FrameSource.h"

#include <memory>
#include <string>

namespace video {

// Reads the video stream of a file (any container and codec FFmpeg decodes) frame by frame, and
// scales the current frame into BGRA pixels. Other streams (sound among them) are skipped.
class VideoDecoder : public FrameSource
{
public:
    static constexpr int kMaxSize = 4096;

    // Null, with the reason, when the file cannot be opened or holds no video stream it can
    // decode at a size from 1 to kMaxSize.
    static std::unique_ptr<VideoDecoder> Open(const std::string& path, std::string& error);
    ~VideoDecoder() override;
    VideoDecoder(const VideoDecoder&) = delete;
    VideoDecoder& operator=(const VideoDecoder&) = delete;

    int GetWidth() const;
    int GetHeight() const;
    // Seconds a frame stays on screen, from the stream's frame rate (1/25 when it names none).
    double GetFrameDuration() const override;

    // Decodes the next frame; `time` is its place in the stream in seconds. False at the end of
    // the stream (a damaged packet is skipped, the stream goes on).
    bool NextFrame(double& time) override;
    // The frame NextFrame gave, scaled to width x height BGRA with rows `pitch` bytes apart.
    bool ConvertFrame(uint8_t* pixels, int width, int height, int pitch) override;
    // Back before the first frame; false when the stream cannot seek.
    bool Rewind() override;

private:
    struct State;
    explicit VideoDecoder(std::unique_ptr<State> state);

    std::unique_ptr<State> _state;
};

} // namespace video
