#pragma once

#include "game/core/frames/GameFrame.h"
#include "gui/menus/MenuBackground.h"
#include "layers/widgets/GuiPersonalInfo.h"
#include "layers/widgets/GuiTitle.h"

#include <memory>

class GuiMultiplayerFaces;

// "mission_select": the chosen pilot's first two free missions as faces of a carousel over the
// menu video. Apply makes the selected one the pilot's current mission, with the whole cash to
// spend on it, and goes on to its description; Decline goes back to the main menu.
class GuiMissionSelect : public GameFrame
{
public:
    // Only so many free missions have a face.
    static constexpr int FaceCount = 2;

    GuiMissionSelect(GameFrameManager* manager, const char* name);
    ~GuiMissionSelect() override;

    void EventSelectLeft() override;
    void EventSelectRight() override;
    void EventSelectApply() override;
    void EventSelectDecline() override;

    GuiMultiplayerFaces* GetFaces() const { return _faces.get(); }

protected:
    void UserInitialize() override;
    void UserProceed(float seconds) override;
    void UserShutDown() override { Unload(); }

private:
    void Unload();

    bool _leaveForPilots = false; // no pilot: the pilot panel, at the first step
    MenuBackground _video;
    GuiTitle _title;
    GuiTipsPanel _tips;
    GuiPersonalInfo _personalInfo;
    std::unique_ptr<GuiMultiplayerFaces> _faces;
};
