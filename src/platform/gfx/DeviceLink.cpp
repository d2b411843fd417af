#include "platform/gfx/DeviceLink.h"

#include "platform/gfx/Device.h"

namespace gfx {

DeviceLink::DeviceLink(Device& device)
    : _device(&device), _deviceAlive(device.GetLifeToken()), _contextAlive(device.GetContextToken())
{}

} // namespace gfx
