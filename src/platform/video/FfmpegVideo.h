#pragma once

#include "platform/media/FfmpegHandles.h"

extern "C"
{
#include <libswscale/swscale.h>
}

// The owner of the picture scaler, besides the shared FFmpeg handles.
namespace video {

struct ScalerFree
{
    void operator()(SwsContext* scaler) const { sws_freeContext(scaler); }
};
using ScalerPtr = std::unique_ptr<SwsContext, ScalerFree>;

} // namespace video
