#pragma once

#include "WidgetFixture.h"

#include "game/core/gamedata/TypeRecords.h"
#include "gui/hangar/IConstructionAngar.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A hangar that keeps what is fitted in it and notes every call of its panels, in order, as
// "switch <device> <type> <subType>", "enter <type> <subType>" and "leave <type> <subType>".
class RecordingAngar : public IConstructionAngar
{
public:
    void SwitchDevice(DeviceType* device, int type, int subType) override;
    DeviceType* GetCurrentDevice(int type, int subType) const override;
    void EnterSlot(int type, int subType) override;
    void LeaveSlot(int type, int subType) override;
    // The calls noted since the last read.
    std::vector<std::string> Calls();

private:
    std::map<std::pair<int, int>, DeviceType*> _fitted;
    std::vector<std::string> _calls;
};

// The hangar's panels on a 1280 x 960 screen (see WidgetTest): every movie of the hangar
// records its calls, and the hangar texts are loaded. A pilot "Pilot" is current.
class HangarTest : public WidgetTest
{
protected:
    void SetUp() override;
    // A device record the fixture keeps.
    DeviceType* Device(const char* name, int type, int subType);

    std::vector<std::unique_ptr<DeviceType>> _devices;
    RecordingAngar _angar;
};

// Every movie the hangar's panels play, by name.
extern const char* const HangarMovies[];
extern const size_t HangarMovieCount;
