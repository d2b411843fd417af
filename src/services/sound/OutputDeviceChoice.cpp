#include "services/sound/OutputDeviceChoice.h"

#include <cstddef>

int ChooseOutputDevice(const std::vector<OutputDeviceInfo>& devices)
{
    for (size_t i = 0; i < devices.size(); ++i)
    {
        if (devices[i].channels > 2)
            return devices[i].isDefault ? static_cast<int>(i) : 0;
    }
    return 0;
}
