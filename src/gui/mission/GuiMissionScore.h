#pragma once

#include "game/core/frames/GameFrame.h"
#include "gui/menus/MenuBackground.h"
#include "layers/widgets/GuiButtons.h"
#include "layers/widgets/GuiPersonalInfo.h"
#include "layers/widgets/GuiTitle.h"

class FlashLayer;

// "mission_score": the screen after a mission, won or lost, over the exchange video: three
// column headers over three columns, and three buttons, back to the mission selection, the
// same mission again, and the main menu. Leaving it by a button clears the pilot's score of
// the mission.
class GuiMissionScore : public GameFrame
{
public:
    enum eButton
    {
        BUTTON_MISSIONS = 0,
        BUTTON_RETRY = 1,
        BUTTON_MAIN_MENU = 2,
        BUTTON_COUNT = 3,
    };
    enum eSection
    {
        SECTION_LEFT = 0,
        SECTION_BUTTONS = 1,
        SECTION_RIGHT = 2,
    };

    GuiMissionScore(GameFrameManager* manager, const char* name);
    ~GuiMissionScore() override;

    void EventSelectUp() override;
    void EventSelectDown() override;
    void EventSelectLeft() override;
    void EventSelectRight() override;
    void EventSelectApply() override;

    int GetSection() const { return _section; }
    // The selected button, or -1 while a column has the focus.
    int GetSelected() const { return _selected; }
    const GuiMiddleButton& GetButton(int button) const { return _buttons[button]; }

protected:
    void UserInitialize() override;
    void UserProceed(float seconds) override;
    void UserShutDown() override { Unload(); }

private:
    void Unload();
    void Focus(int section);
    // The pilot's current mission once more.
    void Retry();

    bool _leaveForPilots = false; // no pilot: the pilot panel, at the first step
    MenuBackground _video;
    GuiTitle _title;
    GuiTipsPanel _tips;
    GuiPersonalInfo _personalInfo;
    GuiTitleButton _headers[3];
    GuiMiddleButton _buttons[BUTTON_COUNT];
    FlashLayer* _leftColumn = nullptr;
    FlashLayer* _rightColumn = nullptr;
    FlashLayer* _centerColumn = nullptr;
    int _section = SECTION_BUTTONS;
    int _selected = BUTTON_MISSIONS;
};
