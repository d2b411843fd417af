#pragma once

#include "game/core/frames/GameFrame.h"
#include "gui/menus/MenuBackground.h"
#include "layers/widgets/GuiButtons.h"
#include "layers/widgets/GuiTitle.h"

#include <string>

class FlashLayer;
class LevelDesc;
class Material;
class SpriteLayer;

// "mission_desc": the page of the chosen mission over the exchange video, with its map, the
// client's texts and face, the gang hired for a team mission, and three buttons: to the hangar,
// to start the mission, and to gather a gang (only for a team mission). Decline drops the gang
// and goes back to the mission selection.
class GuiMissionDesc : public GameFrame
{
public:
    enum eButton
    {
        BUTTON_ANGAR = 0,
        BUTTON_START = 1,
        BUTTON_GANG = 2,
        BUTTON_COUNT = 3,
    };
    static constexpr size_t TextSize = 256;
    static constexpr size_t DescSize = 1024;

    GuiMissionDesc(GameFrameManager* manager, const char* name);
    ~GuiMissionDesc() override;

    void EventSelectLeft() override;
    void EventSelectRight() override;
    void EventSelectApply() override;
    void EventSelectDecline() override;

    // Copies the texts of the pilot's current mission and loads the emblem of its client's race
    // (none for a code that is not one of the eight races).
    void GetMissionInfo();

    int GetSelection() const { return _selection; }
    const GuiMiddleButton& GetButton(int button) const { return _buttons[button]; }
    LevelDesc* GetLevel() const { return _level; }
    const char* GetFrom() const { return _from; }
    const char* GetTitle() const { return _title; }
    const char* GetLocation() const { return _location; }
    const char* GetFullDesc() const { return _fullDesc; }
    Material* GetEmblem() const { return _emblem; }
    SpriteLayer* GetDealerIcon() const { return _icon; }
    SpriteLayer* GetDealerFace() const { return _face; }

protected:
    void UserInitialize() override;
    void UserProceed(float seconds) override;
    void UserShutDown() override;

private:
    void LoadLayers();
    void LoadDealer();
    std::string TeamText() const;
    // One step, passing over disabled buttons.
    void Move(int step);

    const char* _leaveTo = nullptr; // a frame to go to at the first step
    int _selection = BUTTON_START;
    GuiMiddleButton _buttons[BUTTON_COUNT];
    LevelDesc* _level = nullptr;
    char _from[TextSize] = {};
    char _title[TextSize] = {};
    char _location[TextSize] = {};
    char _fullDesc[DescSize] = {};
    Material* _emblem = nullptr;
    MenuBackground _video;
    GuiTitle _screenTitle;
    GuiTitleButton _headers[2];
    FlashLayer* _map = nullptr;
    FlashLayer* _desc = nullptr;
    FlashLayer* _descFrame = nullptr; // "md_e", the frame around the client's face
    SpriteLayer* _icon = nullptr;
    SpriteLayer* _face = nullptr;
};
