#include "HangarFixture.h"

#include "layers/widgets/GuiWidget.h"

const char* const HangarMovies[] = {"jetSystemBalance", "devicesParameters", "tape_field",   "name_used",
                                    "profiles_ramka",   "top_button_a",      "top_button_p", "frame_m",
                                    "frame_b",          "race_back",         "race_txt",     "save_no"};
const size_t HangarMovieCount = std::size(HangarMovies);

namespace {

std::string Pair(int type, int subType) { return std::to_string(type) + " " + std::to_string(subType); }

} // namespace

void RecordingAngar::SwitchDevice(DeviceType* device, int type, int subType)
{
    _calls.push_back(std::string("switch ") + (device ? device->name : "null") + " " + Pair(type, subType));
    if (device)
        _fitted[{int(device->type), int(device->subType)}] = device;
}

DeviceType* RecordingAngar::GetCurrentDevice(int type, int subType) const
{
    auto found = _fitted.find({type, subType});
    return found == _fitted.end() ? nullptr : found->second;
}

void RecordingAngar::EnterSlot(int type, int subType) { _calls.push_back("enter " + Pair(type, subType)); }

void RecordingAngar::LeaveSlot(int type, int subType) { _calls.push_back("leave " + Pair(type, subType)); }

std::vector<std::string> RecordingAngar::Calls()
{
    std::vector<std::string> calls;
    calls.swap(_calls);
    return calls;
}

void HangarTest::SetUp()
{
    WidgetTest::SetUp();
    if (IsSkipped())
        return;
    for (const char* movie : HangarMovies)
        WriteMovie(movie, RecorderMovie);
    for (const char* file : {"ui_angar.txt", "ui_profile.txt", "ui_devices.txt"})
        _texts->LoadTextsFromFile("en", file);
    _profiles->CreateProfile("Pilot");
    Calls();
}

DeviceType* HangarTest::Device(const char* name, int type, int subType)
{
    auto device = std::make_unique<DeviceType>();
    Gui::CopyText(device->name, sizeof(device->name), name);
    device->type = float(type);
    device->subType = float(subType);
    _devices.push_back(std::move(device));
    return _devices.back().get();
}
