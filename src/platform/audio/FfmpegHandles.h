#pragma once

#include "platform/media/FfmpegHandles.h"

extern "C"
{
#include <libswresample/swresample.h>
}

// The FFmpeg handles the audio layer uses: the shared ones and the resampler's owner.
namespace audio {

using media::CodecContextPtr;
using media::FramePtr;
using media::PacketPtr;

struct ResamplerFree
{
    void operator()(SwrContext* s) const { swr_free(&s); }
};
using ResamplerPtr = std::unique_ptr<SwrContext, ResamplerFree>;

} // namespace audio
