#pragma once

#include "foundation/math/Vec2.h"
#include "gui/hangar/GuiDevice.h"
#include "gui/hangar/IConstructionAngar.h"
#include "layers/widgets/GuiWidget.h"

#include <memory>

class FlashLayer;
class GuiDeviceParams;
class GuiTopButtonsConfirm;
class GuiTopButtonsSet;
class Material;
struct WeaponType;

// The fitting panel of the hangar: four category buttons along the top, the active one
// dropping down the category's fitting slots; an opened slot shows the devices that fit it as a
// carousel of cards, and every step through the carousel fits the device at once (Enter keeps
// it, Escape or Up and Down undo the try). Four bars describe the device of the highlighted
// slot. Escape at the slot list asks, in a three-choice box, whether to go to the ship-set menu,
// which the panel owns and blends with.
class GuiTopButtons
{
public:
    static constexpr int CardCount = 6;
    static constexpr float Outside = -999.0f;
    enum eState
    {
        STATE_FITTING = 0,
        STATE_SHIP_SET = 1,
    };

    explicit GuiTopButtons(IConstructionAngar* angar);
    ~GuiTopButtons();
    GuiTopButtons(const GuiTopButtons&) = delete;
    GuiTopButtons& operator=(const GuiTopButtons&) = delete;

    void Load();
    void Unload();
    // The first category, row and device, the slot closed, the carousel at rest.
    void Reset();
    void Proceed();

    // Kept while the hangar is closed: the first visit of a run opens on the ship-set menu,
    // later ones where the last ended.
    static int GetState() { return _state; }
    static float GetStateAnim() { return _state_anim; }
    // For a new run (tests).
    static void ResetState();

    void ProceedKey(const char& key);
    void AddChar(const char& c);
    void EventUp();
    void EventDown();
    void EventLeft();
    void EventRight();
    void EventEnter();
    void EventEsc();

    // The category's slot of exactly that name, appended when missing.
    GuiSubDevice* GetSubDeviceType(int category, const char* name) { return _lists.Get(category, name); }
    // Takes the device when the slot is one of the panel's; false (the caller keeps it) else.
    bool AddDevice(GuiSubDevice* slot, GuiDevice* device) { return _lists.Add(slot, device); }
    // Every slot starts at the device fitted on the ship; the category's slot names go to the
    // active button.
    void InitDefaultValues();
    void SetStartSelection(GuiSubDevice* slot, int index);
    int GetDeviceSelection(int, GuiSubDevice*) const { return 0; }

    // Card geometry of the carousel in screen pixels: positions between stations 0 and 6
    // (5 beyond 5; Outside beyond 6), sizes and picture places between 0 and 7.
    Vec2 GetDeviceFPos(float x) const;
    Vec2 GetDeviceFSize(float x) const;
    Vec2 GetDeviceImageFPos(float x) const;
    Vec2 GetDeviceImageFSize(float x) const;

    int GetCategory() const { return _category; }
    int GetRow() const { return _row; }
    bool IsSlotOpen() const { return _slotOpen; }
    int GetDeviceChoice() const { return _choice; }
    GuiSubDevice* GetOpenSlot() const { return _lists.At(_category, _row); }
    const GuiSlotLists& GetLists() const { return _lists; }
    GuiDeviceParams* GetDeviceParams() const { return _params.get(); }
    GuiTopButtonsSet* GetShipSet() const { return _shipSet.get(); }
    GuiTopButtonsConfirm* GetConfirm() const { return _confirm.get(); }
    FlashLayer* GetActiveButton() const { return _active; }
    FlashLayer* GetCard(int index) const { return index >= 0 && index < CardCount ? _cards[index] : nullptr; }
    FlashLayer* GetRaceCaption() const { return _raceCaption; }

private:
    void UpdateTextes();
    // Wraps the category around 0..3; the highlight pulses stronger after a wrap.
    void AdjustSelection();
    int GetDeviceIndex(int row) const;
    // Fits the open slot's device at `choice` in the current category.
    void FitChoice(int choice);
    void OpenSlot(GuiSubDevice& slot);
    void CloseSlot();
    void MoveRow(int step);
    void StepCategory(int step);
    void ProceedFitting();
    void UpdateParameters();
    // The weapon a weaponry device of the row shoots, and the largest damage it is compared to.
    const WeaponType* RowWeapon(const DeviceType* device, int row, float& largestDamage);
    void DrawDevices(float alpha);
    void DrawCard(int card, const GuiDevice* device, float shift);
    void DrawArrows(int choice, const GuiSubDevice& slot, float alpha);
    void DrawFlightModelS(const Vec2& pos, int model, float alpha);
    void DrawFlightModelM(const Vec2& pos, int model, float alpha);
    void DrawFlightModelB(const Vec2& pos, int model, float alpha);
    void DrawFlightModel(const Vec2& pos, const Vec2& size, Material* const* icons, int model, float alpha);
    void DrawArrow(int arrow, float alpha);

    static int _state;
    static float _state_anim;

    IConstructionAngar* _angar;
    int _category = 0;
    std::unique_ptr<GuiDeviceParams> _params;
    GuiTextCache _caption;
    Material* _flightModels[3][4] = {};
    Material* _arrowBig = nullptr;
    Material* _arrowSmall = nullptr;
    float _pulse = 1.0f;
    GuiSlotLists _lists;
    int _row = 0;
    int _lastCategory = SDT_NONE;
    int _lastSubType = -100;
    int _rowShift = 0;
    bool _slotOpen = false;
    int _choice = 0;
    int _savedChoice = 0;
    DeviceType* _savedDevice = nullptr; // fitted in the open slot when it opened
    float _carousel = 0.0f;
    float _cardFade = 0.0f;
    float _iconFade = 0.0f;
    float _arrowPhases[4] = {};
    // The weapon looked up for the bars, kept while the device and row stay the same.
    const DeviceType* _barsDevice = nullptr;
    int _barsRow = -1;
    const WeaponType* _barsWeapon = nullptr;
    float _barsDamage = 0.0f;
    int _sentType = -1;
    GuiTextCache _sentHeader;
    GuiTextCache _sentRace;
    std::unique_ptr<GuiTopButtonsSet> _shipSet;
    std::unique_ptr<GuiTopButtonsConfirm> _confirm;
    FlashLayer* _active = nullptr;
    FlashLayer* _passive[4] = {};
    FlashLayer* _raceBack = nullptr;
    FlashLayer* _raceCaption = nullptr;
    FlashLayer* _cards[CardCount] = {};
    GuiTextCache _cardMovies[CardCount];
    Vec2 _cardPos[CardCount] = {};
    Vec2 _imagePos[CardCount + 1] = {};
    float _cardSizes[CardCount + 1] = {};
    float _imageSizes[CardCount + 1] = {};
};
