#include "platform/video/CaptureDevice.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <linux/videodev2.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace video {

namespace {

constexpr unsigned kBufferCount = 4;

// ioctl, again while a signal interrupts it.
int Control(int fd, unsigned long request, void* arg)
{
    int rc;
    do
        rc = ioctl(fd, request, arg);
    while (rc < 0 && errno == EINTR);
    return rc;
}

std::string Reason(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

} // namespace

std::vector<std::string> FindCaptureDevices(const std::string& folder)
{
    std::vector<std::string> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    {
        const std::string name = entry.path().filename().string();
        if (name.size() > 5 && name.compare(0, 5, "video") == 0 &&
            std::all_of(name.begin() + 5, name.end(), [](char c) { return c >= '0' && c <= '9'; }))
            found.push_back(entry.path().string());
    }
    // "video10" after "video2".
    std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return found;
}

std::unique_ptr<CaptureDevice> CaptureDevice::Open(const std::string& path, std::string& error)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
    {
        error = Reason("cannot be opened");
        return nullptr;
    }
    v4l2_capability caps{};
    if (Control(fd, VIDIOC_QUERYCAP, &caps) < 0)
    {
        error = Reason("not a video device");
        ::close(fd);
        return nullptr;
    }
    const uint32_t abilities = (caps.capabilities & V4L2_CAP_DEVICE_CAPS) ? caps.device_caps : caps.capabilities;
    if (!(abilities & V4L2_CAP_VIDEO_CAPTURE) || !(abilities & V4L2_CAP_STREAMING))
    {
        error = "cannot capture and stream video";
        ::close(fd);
        return nullptr;
    }
    const char* card = reinterpret_cast<const char*>(caps.card);
    return std::unique_ptr<CaptureDevice>(new CaptureDevice(fd, std::string(card, strnlen(card, sizeof caps.card))));
}

CaptureDevice::CaptureDevice(int fd, std::string name) : _fd(fd), _name(std::move(name)) {}

CaptureDevice::~CaptureDevice()
{
    Stop();
    ::close(_fd);
}

std::vector<CaptureFormat> CaptureDevice::GetFormats() const
{
    std::vector<CaptureFormat> formats;
    v4l2_fmtdesc desc{};
    desc.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    for (desc.index = 0; Control(_fd, VIDIOC_ENUM_FMT, &desc) == 0; ++desc.index)
    {
        v4l2_frmsizeenum size{};
        size.pixel_format = desc.pixelformat;
        for (size.index = 0; Control(_fd, VIDIOC_ENUM_FRAMESIZES, &size) == 0; ++size.index)
        {
            if (size.type == V4L2_FRMSIZE_TYPE_DISCRETE)
            {
                formats.push_back({desc.pixelformat, int(size.discrete.width), int(size.discrete.height)});
                continue;
            }
            formats.push_back({desc.pixelformat, int(size.stepwise.min_width), int(size.stepwise.min_height)});
            formats.push_back({desc.pixelformat, int(size.stepwise.max_width), int(size.stepwise.max_height)});
            break; // a range is described once
        }
    }
    return formats;
}

bool CaptureDevice::SetFormat(const CaptureFormat& format, std::string& error)
{
    if (_streaming)
    {
        error = "the format cannot change while streaming";
        return false;
    }
    v4l2_format f{};
    f.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    f.fmt.pix.width = static_cast<uint32_t>(format.width);
    f.fmt.pix.height = static_cast<uint32_t>(format.height);
    f.fmt.pix.pixelformat = format.pixelFormat;
    f.fmt.pix.field = V4L2_FIELD_NONE;
    if (Control(_fd, VIDIOC_S_FMT, &f) < 0)
    {
        error = Reason("the format was refused");
        return false;
    }
    const CaptureFormat got{f.fmt.pix.pixelformat, int(f.fmt.pix.width), int(f.fmt.pix.height)};
    if (!CanConvertToBgr24(got.pixelFormat) || got.width <= 0 || got.height <= 0 || got.width > 8192 ||
        got.height > 8192)
    {
        error = "the device settled on a format that cannot be converted";
        return false;
    }
    _format = got;
    _pitch =
        std::max(f.fmt.pix.bytesperline, static_cast<uint32_t>(got.width) * (got.pixelFormat == PIXEL_YUYV ? 2 : 3));
    return true;
}

bool CaptureDevice::Start(std::string& error)
{
    if (_streaming)
        return true;
    if (_format.width <= 0)
    {
        error = "no format set";
        return false;
    }
    v4l2_requestbuffers request{};
    request.count = kBufferCount;
    request.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    request.memory = V4L2_MEMORY_MMAP;
    if (Control(_fd, VIDIOC_REQBUFS, &request) < 0 || request.count == 0)
    {
        error = Reason("no capture buffers");
        return false;
    }
    for (unsigned i = 0; i < request.count; ++i)
    {
        v4l2_buffer buffer{};
        buffer.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        buffer.memory = V4L2_MEMORY_MMAP;
        buffer.index = i;
        if (Control(_fd, VIDIOC_QUERYBUF, &buffer) < 0)
        {
            error = Reason("capture buffer query failed");
            Unmap();
            return false;
        }
        void* start = mmap(nullptr, buffer.length, PROT_READ | PROT_WRITE, MAP_SHARED, _fd, buffer.m.offset);
        if (start == MAP_FAILED)
        {
            error = Reason("capture buffer cannot be mapped");
            Unmap();
            return false;
        }
        _buffers.push_back({start, buffer.length});
        if (Control(_fd, VIDIOC_QBUF, &buffer) < 0)
        {
            error = Reason("capture buffer cannot be queued");
            Unmap();
            return false;
        }
    }
    v4l2_buf_type type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    if (Control(_fd, VIDIOC_STREAMON, &type) < 0)
    {
        error = Reason("streaming cannot start");
        Unmap();
        return false;
    }
    _streaming = true;
    return true;
}

void CaptureDevice::Stop()
{
    if (_streaming)
    {
        v4l2_buf_type type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        Control(_fd, VIDIOC_STREAMOFF, &type);
        _streaming = false;
    }
    Unmap();
}

void CaptureDevice::Unmap()
{
    for (const Mapping& m : _buffers)
        munmap(m.start, m.length);
    _buffers.clear();
    v4l2_requestbuffers release{};
    release.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    release.memory = V4L2_MEMORY_MMAP;
    Control(_fd, VIDIOC_REQBUFS, &release);
}

bool CaptureDevice::TakeFrame(std::vector<uint8_t>& bgr)
{
    if (!_streaming)
        return false;
    v4l2_buffer newest{};
    bool have = false;
    // The node does not block: dequeue until it has nothing more, keeping only the newest.
    for (;;)
    {
        v4l2_buffer buffer{};
        buffer.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        buffer.memory = V4L2_MEMORY_MMAP;
        if (Control(_fd, VIDIOC_DQBUF, &buffer) < 0)
            break;
        if (buffer.index >= _buffers.size() || (buffer.flags & V4L2_BUF_FLAG_ERROR))
        {
            Control(_fd, VIDIOC_QBUF, &buffer);
            continue;
        }
        if (have)
            Control(_fd, VIDIOC_QBUF, &newest);
        newest = buffer;
        have = true;
    }
    if (!have)
        return false;
    const Mapping& m = _buffers[newest.index];
    bgr.resize(static_cast<size_t>(_format.width) * _format.height * 3);
    const bool converted = _converter.Convert(_format, static_cast<const uint8_t*>(m.start),
                                              std::min<size_t>(newest.bytesused, m.length), _pitch, bgr.data());
    Control(_fd, VIDIOC_QBUF, &newest);
    return converted;
}

} // namespace video
