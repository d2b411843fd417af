#pragma once

#include "foundation/math/Vec2.h"
#include "gui/hangar/GuiDevice.h"
#include "gui/hangar/IConstructionAngar.h"

class Material;

// A per-category carousel of the ship's fitting slots and of the devices that fit the chosen
// one, beside a panel of the ship's configuration. The hangar screen loads it, places it and
// tells it the category; its lists are filled and its selection driven only by whoever uses
// it, so in the hangar as it is it stays empty.
class GuiDeviceTypeSelection
{
public:
    static constexpr int StationCount = 7;
    static constexpr float Outside = -999.0f;

    explicit GuiDeviceTypeSelection(IConstructionAngar* angar);
    GuiDeviceTypeSelection(const GuiDeviceTypeSelection&) = delete;
    GuiDeviceTypeSelection& operator=(const GuiDeviceTypeSelection&) = delete;

    void Load();
    void Unload() {}
    // Animates, draws, and fits the chosen device of the current slot when it changed.
    void Proceed();
    // A category (ShipDeviceType); the first slot becomes current and the carousel restarts.
    void SetDeviceType(int category);
    void SetPos(const Vec2& pos) { _pos = pos; }

    GuiSubDevice* GetSubDeviceType(int category, const char* name) { return _lists.Get(category, name); }
    // Takes the device when the slot is one of this widget's; false (the caller keeps it) else.
    bool AddDevice(GuiSubDevice* slot, GuiDevice* device) { return _lists.Add(slot, device); }
    void InitDefaultValues();
    void SetStartSelection(GuiSubDevice* slot, int index);
    int GetDeviceSelection(int, GuiSubDevice*) const { return 0; }

    void IncSelection();
    void DecSelection();
    void IncSelectionDevice();
    void DecSelectionDevice();
    // Levels 0..1 of the configuration panel's six rows; anything else is ignored.
    void SetConfigurationLvl(int index, float value);
    // The stations in screen pixels, from the layer manager's scale.
    void RecalculatePositions();

    // Station geometry blended between the two stations around `station` (0..6); positions
    // outside are (Outside, Outside), sizes (0, 0).
    Vec2 GetDeviceFPos(float station) const { return Blend(_framePos, station, Vec2(Outside)); }
    Vec2 GetDeviceFSize(float station) const { return Blend(_frameSize, station, Vec2(0.0f)); }
    Vec2 GetDeviceImageFPos(float station) const { return Blend(_imagePos, station, Vec2(Outside)); }
    Vec2 GetDeviceImageFSize(float station) const { return Blend(_imageSize, station, Vec2(0.0f)); }

    int GetCategory() const { return _deviceType; }
    GuiSubDevice* GetSelectedSubDevice() const { return _selectedDevice; }
    float GetConfigurationLvl(int index) const { return index >= 0 && index < 6 ? _configurationLevels[index] : 0.0f; }

private:
    static Vec2 Blend(const Vec2 (&table)[StationCount], float station, const Vec2& outside);
    void DrawSubDevices();
    void DrawDevices(GuiSubDevice* slot);
    void DrawUserConfiguration();
    void DrawConfigurationLine(const Vec2& pos, float level);
    // The current slot after a cursor move, its chosen device shown at the carousel's centre.
    void SelectSlot(int cursor);
    void StepDevice(int step);

    IConstructionAngar* _angar;
    GuiSlotLists _lists;
    int _deviceType = SDT_NONE;
    int _lastDeviceType = SDT_NONE;
    GuiSubDevice* _lastSlot = nullptr;
    int _lastSelection = -1;
    int _slotCursor = 0;
    GuiSubDevice* _selectedDevice = nullptr;
    int _deviceSelection = 0;
    float _carousel = 0.0f;
    float _target = 0.0f;
    float _intro = 5.0f;
    float _fade = 0.0f;
    float _configurationLevels[6] = {};
    Vec2 _pos{0.0f, 0.0f};
    Vec2 _framePos[StationCount] = {};
    Vec2 _frameSize[StationCount] = {};
    Vec2 _imagePos[StationCount] = {};
    Vec2 _imageSize[StationCount] = {};
    Material* _discs[3] = {};
    Material* _subsystemBack = nullptr;
    Material* _configurationBack = nullptr;
    Material* _icons[4] = {};
    Material* _device = nullptr;
    Material* _deviceImage = nullptr;
    Material* _deviceFrame = nullptr;
    Material* _frameTopLeft = nullptr;
    Material* _frameBottomRight = nullptr;
};
