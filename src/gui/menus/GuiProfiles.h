#pragma once

#include "gui/menus/TypedName.h"
#include "layers/widgets/GuiButtons.h"
#include "layers/widgets/GuiTitle.h"

#include <memory>

class FlashLayer;
class GuiMainMenuEscMenu;
class GuiProfileFaces;
class GuiProfilesConfirm;
class Material;
class ProfileManager;
class SpriteLayer;
class UserProfile;

// The pilot panel of the main menu, in front when the game first reaches it: the pilots in a
// sliding carousel with the centre pilot's details, and five buttons to choose that pilot (which
// closes the panel), type a new one's name, rename or delete it (after a yes), or quit the game.
// A name that cannot be a pilot's (taken in any letter case, or unfit for a file name) brings
// the name-used message up over the typed name.
class GuiProfiles
{
public:
    static constexpr int ButtonCount = 5;
    static constexpr int ClosedState = 3;

    enum eButton : int
    {
        BUTTON_USE = 0,
        BUTTON_NEW = 1,
        BUTTON_RENAME = 2,
        BUTTON_DELETE = 3,
        BUTTON_QUIT = 4,
    };
    enum eEditMode : int
    {
        EDIT_NONE = 0,
        EDIT_NEW = 1,
        EDIT_RENAME = 2,
    };

    GuiProfiles();
    ~GuiProfiles();
    GuiProfiles(const GuiProfiles&) = delete;
    GuiProfiles& operator=(const GuiProfiles&) = delete;

    void Initialize();
    void ShutDown();
    void Proceed(float seconds, float blend);
    bool Closed() const { return _state == ClosedState; }
    void SetCurState(int) {}
    void Show() {}
    void Hide() {}

    void EventSelectUp();
    void EventSelectDown();
    void EventSelectLeft();
    void EventSelectRight();
    void EventSelectApply();
    void EventSelectDecline();
    void AddChar(const char& ch);
    void ProceedKey(const char& key);
    // Shows the detail table and the portrait, fading in after a change of pilot.
    void DrawDetail(float blend);
    // The half-dark screen under the name entry, which both come in front of every other layer.
    void ProceedTapeField(float blend);

    int GetSelected() const { return _selected; }
    int GetCurrent() const { return _current; }
    int GetEditMode() const { return _edit_mode; }
    const char* GetTypedName() const { return _name.Get(); }
    bool IsNameUsed() const { return _name_used; }
    const GuiSmallButton& GetButton(int i) const { return _buttons[i]; }
    GuiProfileFaces* GetFaces() const { return _faces.get(); }
    GuiProfilesConfirm* GetDeleteBox() const { return _delete_box.get(); }
    GuiMainMenuEscMenu* GetQuitBox() const { return _quit_box.get(); }
    FlashLayer* GetTapeLayer() const { return _tape_layer; }
    SpriteLayer* GetTapeBack() const { return _tape_back; }
    FlashLayer* GetDetailLayer() const { return _detail_layer; }
    FlashLayer* GetNameUsedLayer() const { return _name_used_layer; }

private:
    static ProfileManager* Profiles();
    UserProfile* CurrentPilot() const;
    void UpdateButtons();
    void UpdateDetail();
    void UpdateTapeField();
    // The name entry is up and takes typed characters.
    bool IsTyping() const;
    void MovePilot(int step);
    void FinishEntry();
    void EndEntry();

    Material* _black = nullptr;
    int _profile_count = 0;
    int _edit_mode = EDIT_NONE;
    TypedName _name;
    int _selected = 0;
    std::unique_ptr<GuiProfileFaces> _faces;
    std::unique_ptr<GuiMainMenuEscMenu> _quit_box;
    std::unique_ptr<GuiProfilesConfirm> _delete_box;
    GuiSmallButton _buttons[ButtonCount];
    GuiTitle _title;
    FlashLayer* _name_used_layer = nullptr;
    int _current = 0;
    float _detail_fade = 1.0f;
    int _state = 0;
    bool _name_used = false;
    FlashLayer* _detail_layer = nullptr;
    SpriteLayer* _portrait_layer = nullptr;
    SpriteLayer* _tape_back = nullptr; // the dimming under the name entry
    FlashLayer* _tape_layer = nullptr;
    SpriteLayer* _name_used_back = nullptr;
};
