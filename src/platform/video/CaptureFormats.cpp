#include "platform/video/CaptureFormats.h"

#include <algorithm>

namespace video {

namespace {

uint8_t Clamp(int value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); }

// ITU-R BT.601, studio range, as cameras send it.
void YuvToBgr(int y, int u, int v, uint8_t* out)
{
    const int c = 298 * (y - 16) + 128;
    const int d = u - 128, e = v - 128;
    out[0] = Clamp((c + 516 * d) >> 8);
    out[1] = Clamp((c - 100 * d - 208 * e) >> 8);
    out[2] = Clamp((c + 409 * e) >> 8);
}

unsigned RowBytes(uint32_t pixelFormat, int width)
{
    return pixelFormat == PIXEL_YUYV ? static_cast<unsigned>(width + width % 2) * 2 : static_cast<unsigned>(width) * 3;
}

bool IsUncompressed(uint32_t pixelFormat)
{
    return pixelFormat == PIXEL_YUYV || pixelFormat == PIXEL_RGB24 || pixelFormat == PIXEL_BGR24;
}

} // namespace

bool CanConvertToBgr24(uint32_t pixelFormat) { return IsUncompressed(pixelFormat) || pixelFormat == PIXEL_MJPEG; }

bool ConvertToBgr24(const CaptureFormat& format, const uint8_t* frame, size_t bytes, unsigned pitch, uint8_t* out)
{
    const int width = format.width, height = format.height;
    if (!IsUncompressed(format.pixelFormat) || width <= 0 || height <= 0 || !frame || !out)
        return false;
    const unsigned rowBytes = RowBytes(format.pixelFormat, width);
    if (pitch < rowBytes || bytes < static_cast<size_t>(pitch) * (height - 1) + rowBytes)
        return false;
    for (int y = 0; y < height; ++y)
    {
        const uint8_t* src = frame + static_cast<size_t>(y) * pitch;
        uint8_t* dst = out + static_cast<size_t>(y) * width * 3;
        switch (format.pixelFormat)
        {
        case PIXEL_BGR24: std::copy(src, src + width * 3, dst); break;
        case PIXEL_RGB24:
            for (int x = 0; x < width; ++x)
            {
                dst[x * 3 + 0] = src[x * 3 + 2];
                dst[x * 3 + 1] = src[x * 3 + 1];
                dst[x * 3 + 2] = src[x * 3 + 0];
            }
            break;
        default: // YUYV: two pixels share one U and one V
            for (int x = 0; x < width; ++x)
            {
                const uint8_t* pair = src + (x / 2) * 4;
                YuvToBgr(pair[(x % 2) * 2], pair[1], pair[3], dst + x * 3);
            }
            break;
        }
    }
    return true;
}

} // namespace video
