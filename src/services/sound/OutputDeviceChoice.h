#pragma once
#include <vector>

// What the engine knows of an output device when it picks one.
struct OutputDeviceInfo
{
    int channels = 2;
    bool isDefault = false;
};

// The index of the device to play on: the first device with more than two channels
// when it is the system's default one, otherwise the first device.
int ChooseOutputDevice(const std::vector<OutputDeviceInfo>& devices);
