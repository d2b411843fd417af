#pragma once

#include "platform/video/CaptureFormats.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace video {

// Turns captured samples of every format CanConvertToBgr24 accepts into BGR24 rows, width * 3
// bytes apart. Motion-JPEG samples (one JPEG picture each) go through a decoder that it keeps
// between frames; the uncompressed formats through ConvertToBgr24.
class FrameConverter
{
public:
    FrameConverter();
    ~FrameConverter();
    FrameConverter(const FrameConverter&) = delete;
    FrameConverter& operator=(const FrameConverter&) = delete;

    // False when the sample is too short, does not decode, or is a picture of another size than
    // the format's; `out` then holds nothing meaningful.
    bool Convert(const CaptureFormat& format, const uint8_t* sample, size_t bytes, unsigned pitch, uint8_t* out);

private:
    struct Mjpeg;
    bool DecodeMjpeg(const CaptureFormat& format, const uint8_t* sample, size_t bytes, uint8_t* out);

    std::unique_ptr<Mjpeg> _mjpeg; // made for the first compressed sample
};

} // namespace video
