#pragma once

#include <memory>

namespace gfx {

class Device;

// A resource's tie to the device that made it. Resources may be destroyed after their
// device (the engine releases some late): they then skip the device's caches, and once the
// context itself is gone they leave their OpenGL objects to it.
class DeviceLink
{
public:
    explicit DeviceLink(Device& device);

    // Null once the device is destroyed.
    Device* GetDevice() const { return _deviceAlive.expired() ? nullptr : _device; }
    bool HasContext() const { return !_contextAlive.expired(); }

private:
    Device* _device;
    std::weak_ptr<const void> _deviceAlive;
    std::weak_ptr<const void> _contextAlive;
};

} // namespace gfx
