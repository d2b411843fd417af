#pragma once
// The result of a mission, shown on the score screen: the devices won (each once, owned by the
// game data) and the ships destroyed. Nothing records ships, so that list stays empty.
#include <vector>

struct DeviceType;

struct DestroyedShip
{
    char name[64] = {};
    bool byPlayer = false;
};

class LevelScore
{
public:
    void Clear();

    // Lists the device unless it is listed already.
    void AddDevice(DeviceType* device);
    unsigned GetDeviceCount() const { return static_cast<unsigned>(_devices.size()); }
    // Null outside the list.
    DeviceType* GetDeviceByIndex(unsigned index) const { return index < _devices.size() ? _devices[index] : nullptr; }

    // Ships are not recorded: the list is always empty.
    void AddDestroyedShip(const char*, bool) {}
    unsigned GetDestroyedShipCount() const { return 0; }
    DestroyedShip* GetDestroyedShipbyIndex(unsigned) const { return nullptr; }
    int GetSummaryDestroyedShip() const { return 0; }
    int GetSummaryDestroyedShipByPlayer() const { return 0; }

private:
    std::vector<DeviceType*> _devices;
};
