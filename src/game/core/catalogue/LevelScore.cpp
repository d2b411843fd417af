#include "game/core/catalogue/LevelScore.h"

#include <algorithm>

void LevelScore::Clear() { _devices.clear(); }

void LevelScore::AddDevice(DeviceType* device)
{
    if (device && std::find(_devices.begin(), _devices.end(), device) == _devices.end())
        _devices.push_back(device);
}
