#pragma once

#include "game/core/frames/GameFrame.h"

// The frame "configurations": a screen with nothing on it that leads to the hangar on Apply.
class GuiConfigurations : public GameFrame
{
public:
    using GameFrame::GameFrame;

    void EventSelectApply() override;

protected:
    void UserInitialize() override {}
    void UserProceed(float) override {}
    void UserShutDown() override {}
};
