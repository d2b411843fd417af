#pragma once

#include "layers/widgets/GuiButtons.h"
#include "layers/widgets/GuiPersonalInfo.h"
#include "layers/widgets/GuiTitle.h"

#include <memory>

class FlashLayer;
class GuiProfileFaces;
class Material;

// The hangar's ship-set menu: six buttons on the right (leave, ships, back to fitting, clone,
// rename, delete), the carousel of the pilot's ships, the title and the pilot header. Left and
// Right choose the ship to fit; clone and rename take a typed name in the field "tapeField".
// The fitting panel shows it and blends between the two.
class GuiTopButtonsSet
{
public:
    static constexpr int ButtonCount = 6;
    static constexpr int NameLimit = 16;
    static constexpr int StateClosed = 3;
    enum eNameEntry
    {
        NE_NONE = 0,
        NE_CLONE = 1,
        NE_RENAME = 2,
    };

    GuiTopButtonsSet();
    ~GuiTopButtonsSet();
    GuiTopButtonsSet(const GuiTopButtonsSet&) = delete;
    GuiTopButtonsSet& operator=(const GuiTopButtonsSet&) = delete;

    void Initialize();
    void ShutDown();

    // The menu state; 3 closes the menu. The first button becomes the selected one.
    void SetState(int state);
    bool Closed() const { return _state == StateClosed; }
    void Reset();
    void UpdateButtons();
    void SetVisible(bool visible);

    void Proceed(float dt, float alpha);
    void ProceedTapeField(float alpha);
    void UpdateTapeField();

    void EventSelectUp();
    void EventSelectDown();
    void EventSelectLeft();
    void EventSelectRight();
    void EventSelectApply();
    void EventSelectDecline();
    void AddChar(const char& c);
    void ProceedKey(const char& key);

    int GetSelected() const { return _selected; }
    int GetShipIndex() const { return _shipIndex; }
    int GetNameEntry() const { return _mode; }
    const char* GetTypedName() const { return _name; }
    GuiProfileFaces* GetFaces() const { return _faces.get(); }
    FlashLayer* GetTapeField() const { return _tapeField; }
    FlashLayer* GetNameUsed() const { return _nameUsedLayer; }

private:
    void StepButton(int step);
    void StartNameEntry(int mode);
    void FinishNameEntry();
    void ApplyButton();
    void SelectShip(int index);
    // To the frame active before the hangar.
    static void LeaveHangar();

    Material* _shipPicture = nullptr;
    Material* _black = nullptr;
    FlashLayer* _nameUsedLayer = nullptr;
    FlashLayer* _tapeField = nullptr;
    // Nothing raises it: a clone or rename name is not checked against the other ships.
    bool _nameUsed = false;
    int _selected = 0;
    std::unique_ptr<GuiProfileFaces> _faces;
    int _shipIndex = 0;
    int _mode = NE_NONE;
    char _name[256] = {};
    int _length = 0;
    std::unique_ptr<GuiSmallButton> _buttons[ButtonCount];
    std::unique_ptr<GuiTitle> _title;
    std::unique_ptr<GuiPersonalInfo> _header;
    int _state = 0;
};
