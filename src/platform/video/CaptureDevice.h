#pragma once

#include "platform/video/CaptureFormats.h"
#include "platform/video/FrameConverter.h"

#include <memory>
#include <string>
#include <vector>

namespace video {

// The capture device nodes of a folder ("video" and a number), in name order.
std::vector<std::string> FindCaptureDevices(const std::string& folder = "/dev");

// One V4L2 capture device, streaming through memory-mapped buffers. Frames are taken without
// waiting: the caller polls, on its own thread.
class CaptureDevice
{
public:
    // Null, with the reason, when the node cannot be opened or cannot capture and stream video.
    static std::unique_ptr<CaptureDevice> Open(const std::string& path, std::string& error);
    // Stops streaming, unmaps the buffers and closes the node.
    ~CaptureDevice();
    CaptureDevice(const CaptureDevice&) = delete;
    CaptureDevice& operator=(const CaptureDevice&) = delete;

    const std::string& GetName() const { return _name; }
    // Every pixel format with every frame size the device offers; a range of sizes gives its
    // smallest and its largest.
    std::vector<CaptureFormat> GetFormats() const;
    // Asks for the format; the device may settle on another size, which GetFormat reports.
    bool SetFormat(const CaptureFormat& format, std::string& error);
    const CaptureFormat& GetFormat() const { return _format; }

    bool Start(std::string& error);
    void Stop();
    bool IsStreaming() const { return _streaming; }
    // The newest captured frame in BGR24, width x height x 3 bytes (older waiting frames are
    // dropped); false when none is waiting or it cannot be converted.
    bool TakeFrame(std::vector<uint8_t>& bgr);

private:
    struct Mapping
    {
        void* start = nullptr;
        size_t length = 0;
    };

    CaptureDevice(int fd, std::string name);
    void Unmap();

    int _fd;
    std::string _name;
    CaptureFormat _format;
    unsigned _pitch = 0;
    std::vector<Mapping> _buffers;
    bool _streaming = false;
    FrameConverter _converter;
};

} // namespace video
