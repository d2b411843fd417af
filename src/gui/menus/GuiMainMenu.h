#pragma once

#include "game/core/frames/GameFrame.h"
#include "gui/menus/MenuBackground.h"
#include "layers/widgets/GuiButtons.h"
#include "layers/widgets/GuiTitle.h"

#include <memory>

class FlashLayer;
class GuiMainMenu2;
class GuiMainMenuCredits;
class GuiMainMenuEscMenu;
class GuiProfiles;
class Texture;

// The hub of the front end, frame "main_menu": over the looping menu video it shows six big
// buttons (play, hangar, three disabled ones, quit) or one panel in front of them: the pilot
// profiles, the play panel or the credits. Which is in front outlives the frame, so a return to
// the menu reopens the panel it was left with; the first visit shows the profiles.
class GuiMainMenu : public GameFrame
{
public:
    static constexpr int ButtonCount = 6;

    // What is in front.
    enum MenuState : int
    {
        STATE_BUTTONS = 0,
        STATE_PROFILES = 1,
        STATE_PLAY = 2,
        STATE_CREDITS = 3,
    };
    // Class-wide, for the whole run: what is in front, and the blend between the buttons (0) and
    // the panel (1), which moves half a second for a full change.
    static MenuState _state;
    static float _state_anim;

    GuiMainMenu(GameFrameManager* manager, const char* name);
    ~GuiMainMenu() override;

    void EventSelectUp() override;
    void EventSelectDown() override;
    void EventSelectLeft() override;
    void EventSelectRight() override;
    void EventSelectApply() override;
    void EventSelectDecline() override;
    void ProceedKey(const char& key) override;
    void AddChar(const char& ch) override;

    // Every enabled button shows state 1, the selected one state 2.
    void UpdateButtons();

    int GetSelected() const { return _selected; }
    GuiProfiles* GetProfiles() const { return _profiles.get(); }
    GuiMainMenu2* GetPlayPanel() const { return _play_panel.get(); }
    GuiMainMenuCredits* GetCredits() const { return _credits.get(); }
    GuiMainMenuEscMenu* GetQuitBox() const { return _quit_box.get(); }
    const GuiBigButton& GetButton(int i) const { return _buttons[i]; }
    FlashLayer* GetLogo() const { return _logo; }

protected:
    void UserInitialize() override { Load(); }
    void UserProceed(float seconds) override;
    void UserShutDown() override { Unload(); }

private:
    void Load();
    void Unload();
    void Blend(float seconds);
    void ProceedPanels();
    void NewPlayPanel();
    void NewProfiles();
    void OpenPlayPanel();
    void OpenProfiles();
    void MakeCameraTexture();

    std::unique_ptr<GuiProfiles> _profiles;
    std::unique_ptr<GuiMainMenu2> _play_panel;
    FlashLayer* _logo = nullptr;
    MenuBackground _background;
    Texture* _camera_texture = nullptr; // "$camera_texture", made on the first load and kept
    std::unique_ptr<GuiMainMenuEscMenu> _quit_box;
    std::unique_ptr<GuiMainMenuCredits> _credits;
    GuiBigButton _buttons[ButtonCount];
    GuiTipsPanel _tips;
    int _selected = 0; // kept across visits
};
