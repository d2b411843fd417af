#pragma once

#include <cstddef>
#include <cstdint>

namespace video {

// Pixel formats as the capture devices name them, by four-character code.
constexpr uint32_t FourCC(char a, char b, char c, char d)
{
    return uint32_t(uint8_t(a)) | uint32_t(uint8_t(b)) << 8 | uint32_t(uint8_t(c)) << 16 | uint32_t(uint8_t(d)) << 24;
}
constexpr uint32_t PIXEL_YUYV = FourCC('Y', 'U', 'Y', 'V');
constexpr uint32_t PIXEL_RGB24 = FourCC('R', 'G', 'B', '3');
constexpr uint32_t PIXEL_BGR24 = FourCC('B', 'G', 'R', '3');
constexpr uint32_t PIXEL_MJPEG = FourCC('M', 'J', 'P', 'G'); // one JPEG picture a sample

struct CaptureFormat
{
    uint32_t pixelFormat = 0;
    int width = 0;
    int height = 0;
    bool operator==(const CaptureFormat&) const = default;
};

// Whether captured frames of this pixel format can be turned into BGR24 (FrameConverter).
bool CanConvertToBgr24(uint32_t pixelFormat);
// Converts one captured frame of an uncompressed format, rows `pitch` bytes apart, into BGR24
// (bytes blue, green, red) with rows width * 3 apart. False for another format (motion JPEG
// needs the decoder of a FrameConverter), or when `bytes` is too short.
bool ConvertToBgr24(const CaptureFormat& format, const uint8_t* frame, size_t bytes, unsigned pitch, uint8_t* out);

} // namespace video
