#include "gui/hangar/GuiDeviceTypeSelection.h"

#include "gui/hangar/HangarGui.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiGame.h"
#include "layers/widgets/GuiWidget.h"

#include <algorithm>
#include <cmath>

namespace {

// Design positions of the device frames at the seven stations (3 is the chosen one; 0 and 6
// lie below the screen so that devices slide in and out), and the square frame and picture
// sizes there.
const Vec2 StationPos[GuiDeviceTypeSelection::StationCount] = {{267, 1140}, {367, 840}, {450, 801}, {568, 778},
                                                               {730, 801},  {855, 840}, {955, 1140}};
const float FrameSizes[GuiDeviceTypeSelection::StationCount] = {16, 88, 128, 180, 128, 88, 16};
const float ImageSizes[GuiDeviceTypeSelection::StationCount] = {16, 70, 100, 100, 100, 70, 16};

// The design's heading face is an OCR face; fontconfig knows ours as "OCRA".
const char* const HeadingFont = "OCRA";
const char* const PanelFont = "Sans Serif";
const Color HeadingColor(0.0f, 0.844f, 0.98f, 1.0f);
const char* const Headings[] = {"Weaponary Slots", "Armor Slots", "Engine Slots", "Devices Slots"};
const char* const ConfigurationRows[] = {"Armor", "Energy Shield", "Weaponary", "Speed", "Acceleration", "Mass"};

bool IsCategory(int category) { return category >= 0 && category < GuiSlotLists::CategoryCount; }

} // namespace

GuiDeviceTypeSelection::GuiDeviceTypeSelection(IConstructionAngar* angar) : _angar(angar) {}

void GuiDeviceTypeSelection::Load()
{
    const char* discs[] = {"gui_angar_mm_bg_00.mat", "gui_angar_mm_bg_01.mat", "gui_angar_mm_bg_02.mat"};
    for (int i = 0; i < 3; ++i)
        _discs[i] = GuiGame::LoadMaterial(discs[i]);
    _subsystemBack = GuiGame::LoadMaterial("gui_angar_subsystem_bg.mat");
    _configurationBack = GuiGame::LoadMaterial("gui_angar_configuration_bg.mat");
    const char* icons[] = {"gui_angar_w.mat", "gui_angar_a.mat", "gui_angar_e.mat", "gui_angar_d.mat"};
    for (int i = 0; i < 4; ++i)
        _icons[i] = GuiGame::LoadMaterial(icons[i]);
    _device = GuiGame::LoadMaterial("gui_angar_device.mat");
    _deviceImage = GuiGame::LoadMaterial("gui_angar_device_image.mat");
    _deviceFrame = GuiGame::LoadMaterial("gui_angar_device_ramka.mat");
    _frameTopLeft = GuiGame::LoadMaterial("gui_angar_ramka_lt.mat");
    _frameBottomRight = GuiGame::LoadMaterial("gui_angar_ramka_rb.mat");
    RecalculatePositions();
}

void GuiDeviceTypeSelection::RecalculatePositions()
{
    for (int i = 0; i < StationCount; ++i)
    {
        const float inset = (FrameSizes[i] - ImageSizes[i]) * 0.5f;
        _framePos[i] = Gui::ScreenPos(StationPos[i], GA_CENTER);
        _frameSize[i] = Gui::ScreenSize(Vec2(FrameSizes[i]));
        _imagePos[i] = Gui::ScreenPos(StationPos[i] + Vec2(inset), GA_CENTER);
        _imageSize[i] = Gui::ScreenSize(Vec2(ImageSizes[i]));
    }
}

Vec2 GuiDeviceTypeSelection::Blend(const Vec2 (&table)[StationCount], float station, const Vec2& outside)
{
    if (!(station >= 0.0f && station <= float(StationCount - 1)))
        return outside;
    const int k = std::min(int(station), StationCount - 2);
    const float f = station - float(k);
    return table[k] * (1.0f - f) + table[k + 1] * f;
}

void GuiDeviceTypeSelection::SetDeviceType(int category)
{
    _deviceType = category;
    if (category != SDT_NONE)
        _fade = 0.0f;
    _slotCursor = 0;
    _selectedDevice = _lists.At(category, 0);
    if (_selectedDevice && _selectedDevice->Count() > 0 && _selectedDevice->selected >= 0 &&
        _selectedDevice->selected < _selectedDevice->Count())
    {
        _deviceSelection = _selectedDevice->selected;
        _target = float(_deviceSelection);
    }
    _carousel = 0.0f;
}

void GuiDeviceTypeSelection::InitDefaultValues()
{
    if (_angar)
        _lists.InitSelections(*_angar, [this](GuiSubDevice* slot, int index) { SetStartSelection(slot, index); });
}

void GuiDeviceTypeSelection::SetStartSelection(GuiSubDevice* slot, int index)
{
    const GuiDevice* device = slot ? slot->At(index) : nullptr;
    if (device && _angar)
        _angar->SwitchDevice(device->device, device->type, device->subType);
}

void GuiDeviceTypeSelection::SelectSlot(int cursor)
{
    _slotCursor = cursor;
    _selectedDevice = _lists.At(_deviceType, cursor);
    _deviceSelection = _selectedDevice ? std::max(_selectedDevice->selected, 0) : 0;
    _target = float(_deviceSelection);
    _carousel = _target;
}

void GuiDeviceTypeSelection::IncSelection()
{
    if (IsCategory(_deviceType) && _slotCursor + 1 < _lists.Count(_deviceType))
        SelectSlot(_slotCursor + 1);
}

void GuiDeviceTypeSelection::DecSelection()
{
    if (IsCategory(_deviceType) && _slotCursor > 0)
        SelectSlot(_slotCursor - 1);
}

void GuiDeviceTypeSelection::StepDevice(int step)
{
    GuiSubDevice* slot = _selectedDevice;
    const GuiDevice* device = slot ? slot->At(_deviceSelection + step) : nullptr;
    if (!device)
        return;
    _deviceSelection += step;
    _target = float(_deviceSelection);
    slot->selected = _deviceSelection;
    SetStartSelection(slot, _deviceSelection);
}

void GuiDeviceTypeSelection::IncSelectionDevice() { StepDevice(1); }

void GuiDeviceTypeSelection::DecSelectionDevice() { StepDevice(-1); }

void GuiDeviceTypeSelection::SetConfigurationLvl(int index, float value)
{
    if (index >= 0 && index < 6 && value >= 0.0f && value <= 1.0f)
        _configurationLevels[index] = value;
}

void GuiDeviceTypeSelection::Proceed()
{
    const float spf = HangarGui::Spf();
    if (_intro < 5.0f)
        _intro += spf * 0.35f * (8.0f - _intro);
    const float scale = LayerManager::GetScaleFactor();
    const float height = float(LayerManager::GetHeight());
    const float angle = std::sin(_intro * 0.9f) * 60.0f;
    const Color white(1.0f, 1.0f, 1.0f, 1.0f);
    // The discs turn about their centres, which lie near the lower left corner.
    const Vec2 discCentre(128.0f * scale, height - 128.0f * scale);
    HangarGui::Quad(_discs[0], discCentre, Vec2(256.0f * scale), white, angle);
    HangarGui::Quad(_discs[1], discCentre, Vec2(256.0f * scale), white, -angle);
    HangarGui::Quad(_discs[2], Vec2(64.0f * scale, height - 256.0f * scale + 64.0f * scale), Vec2(128.0f * scale),
                    white);
    HangarGui::Quad(_subsystemBack, _pos, Vec2(512.0f * scale), white);

    if (IsCategory(_deviceType))
        HangarGui::Text(HeadingFont, 18, 9, Headings[_deviceType], _pos.x + 70.0f * scale, _pos.y + 40.0f * scale,
                        _pos.x + 480.0f * scale, _pos.y + 70.0f * scale, HeadingColor);

    DrawUserConfiguration();
    _fade = std::min(_fade + 2.0f * spf, 1.0f);
    if (IsCategory(_deviceType))
        HangarGui::Quad(_icons[_deviceType], _pos + Vec2(8.0f * scale, 24.0f * scale), Vec2(64.0f * scale),
                        Color(1.0f, 1.0f, 1.0f, _fade));
    DrawSubDevices();

    if (!IsCategory(_deviceType) || _lists.Count(_deviceType) == 0)
        return;
    GuiSubDevice* slot = _lists.At(_deviceType, _slotCursor);
    const GuiDevice* device = slot ? slot->At(slot->selected) : nullptr;
    if (!device || (_deviceType == _lastDeviceType && slot == _lastSlot && slot->selected == _lastSelection))
        return;
    if (_angar)
    {
        _angar->SwitchDevice(device->device, device->type, device->subType);
        if (_lastDeviceType != SDT_NONE && _lastSlot && _lastSlot->At(0))
            _angar->LeaveSlot(_lastDeviceType, _lastSlot->At(0)->subType);
        _angar->EnterSlot(_deviceType, device->subType);
    }
    _lastDeviceType = _deviceType;
    _lastSlot = slot;
    _lastSelection = slot->selected;
}

void GuiDeviceTypeSelection::DrawSubDevices()
{
    const float scale = LayerManager::GetScaleFactor();
    const auto& slots = _lists.Of(_deviceType);
    for (size_t i = 0; i < slots.size(); ++i)
    {
        const float top = _pos.y + (90.0f + 26.0f * float(i)) * scale;
        const bool current = int(i) == _slotCursor;
        const Color color = current ? Color(1.0f, 1.0f, 0.0f, _fade) : Color(0.0f, 0.844f, 0.98f, _fade);
        HangarGui::Text(PanelFont, 16, 7, slots[i]->name, _pos.x + 80.0f * scale, top, _pos.x + 480.0f * scale,
                        top + 24.0f * scale, color);
    }
    if (_selectedDevice)
        DrawDevices(_selectedDevice);
}

void GuiDeviceTypeSelection::DrawDevices(GuiSubDevice* slot)
{
    const float step = 6.0f * HangarGui::Spf();
    if (std::fabs(_target - _carousel) <= step)
        _carousel = _target;
    else
        _carousel += _carousel < _target ? step : -step;
    const float shift = _carousel - float(_deviceSelection);
    for (int k = 0; k < StationCount; ++k)
    {
        const GuiDevice* device = slot->At(_deviceSelection - 3 + k);
        if (!device)
            continue;
        const float station = float(k) - shift;
        const Color color(1.0f, 1.0f, 1.0f, _fade);
        HangarGui::Quad(_device, GetDeviceFPos(station), GetDeviceFSize(station), color);
        HangarGui::Quad(GuiGame::LoadMaterial(device->picture), GetDeviceImageFPos(station),
                        GetDeviceImageFSize(station), color);
        if (k == 3)
            HangarGui::Quad(_deviceFrame, GetDeviceFPos(station), GetDeviceFSize(station), color);
    }
}

void GuiDeviceTypeSelection::DrawUserConfiguration()
{
    const float scale = LayerManager::GetScaleFactor();
    const Vec2 origin = Gui::ScreenPos(Vec2(960.0f, 560.0f), GA_RIGHT);
    const Color white(1.0f, 1.0f, 1.0f, 1.0f);
    HangarGui::Quad(_configurationBack, origin, Vec2(300.0f, 260.0f) * scale, white);
    HangarGui::Quad(_frameTopLeft, origin, Vec2(32.0f * scale), white);
    HangarGui::Quad(_frameBottomRight, origin + Vec2(268.0f, 228.0f) * scale, Vec2(32.0f * scale), white);
    HangarGui::Text(PanelFont, 16, 7, "User Spaceship", origin.x + 20.0f * scale, origin.y + 12.0f * scale,
                    origin.x + 280.0f * scale, origin.y + 32.0f * scale, HeadingColor);
    HangarGui::Text(PanelFont, 14, 6, "Configuration", origin.x + 20.0f * scale, origin.y + 32.0f * scale,
                    origin.x + 280.0f * scale, origin.y + 52.0f * scale, HeadingColor);
    for (int i = 0; i < 6; ++i)
    {
        const float top = origin.y + (64.0f + 30.0f * float(i)) * scale;
        HangarGui::Text(PanelFont, 14, 6, ConfigurationRows[i], origin.x + 20.0f * scale, top,
                        origin.x + 140.0f * scale, top + 20.0f * scale, white);
        DrawConfigurationLine(Vec2(origin.x + 140.0f * scale, top + 10.0f * scale), _configurationLevels[i]);
    }
}

void GuiDeviceTypeSelection::DrawConfigurationLine(const Vec2& pos, float level)
{
    const float length = 140.0f * LayerManager::GetScaleFactor();
    const Color full(0.0f, 0.844f, 0.98f, 1.0f), empty(0.2f, 0.3f, 0.35f, 1.0f);
    LayerManager::RenderLine(pos, pos + Vec2(length * level, 0.0f), full, full);
    LayerManager::RenderLine(pos + Vec2(length * level, 0.0f), pos + Vec2(length, 0.0f), empty, empty);
}
