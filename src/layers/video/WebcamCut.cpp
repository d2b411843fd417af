#include "layers/video/WebcamCut.h"

#include "foundation/base/Random.h"

#include <algorithm>

std::optional<video::CaptureFormat> ChooseCaptureFormat(const std::vector<video::CaptureFormat>& formats)
{
    std::optional<video::CaptureFormat> best;
    for (const video::CaptureFormat& format : formats)
    {
        if (!video::CanConvertToBgr24(format.pixelFormat) || format.height < WEBCAM_CUT || format.width <= 0)
            continue;
        if (!best || format.height < best->height)
            best = format;
        if (best->height == WEBCAM_CUT)
            break;
    }
    return best;
}

void CutWebcamFrame(const uint8_t* bgr, int width, int height, uint8_t* out, unsigned pitch)
{
    const int step = std::max(width / WEBCAM_CUT, 1);
    for (int y = 0; y < WEBCAM_CUT; ++y)
    {
        const uint8_t* row = bgr + static_cast<size_t>(std::min(y, height - 1)) * width * 3;
        uint8_t* texel = out + static_cast<size_t>(y) * pitch;
        for (int x = 0; x < WEBCAM_CUT; ++x, texel += 4)
        {
            const uint8_t* source = row + std::min((20 + x) * step, width - 1) * 3;
            texel[0] = source[0];
            texel[1] = static_cast<uint8_t>(source[1] * 0.8f);
            texel[2] = static_cast<uint8_t>(EngineRandom() % 16);
            texel[3] = 255;
        }
    }
}
