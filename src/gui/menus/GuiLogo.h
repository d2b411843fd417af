#pragma once

#include "game/core/frames/GameFrame.h"

class Material;
class MaterialSystem;

// A static logo page with a pulsing "Press Any Key to start Demo" line. Apply or Decline leave
// it for the main menu.
class GuiLogo : public GameFrame
{
public:
    static constexpr int MaterialCount = 7;

    GuiLogo(GameFrameManager* manager, const char* name) : GameFrame(manager, name) {}

    void EventSelectApply() override;
    void EventSelectDecline() override;

    float GetPhase() const { return _phase; }
    // The text line's alpha for a pulse phase: |cos| held between 0.25 and 1.
    static float PulseAlpha(float phase);

protected:
    void UserInitialize() override { Load(); }
    void UserProceed(float seconds) override;
    void UserShutDown() override {}

private:
    void Load();
    MaterialSystem* Render() const;

    // "logo.mat", "black50.mat", "gui//logo_main.mat", "gui//logo_00.mat" .. "gui//logo_03.mat".
    Material* _materials[MaterialCount] = {};
    float _phase = 0.0f;
};
