#pragma once

#include "game/core/frames/GameFrame.h"

// A blank frame: the first one when the game goes straight into a mission. It draws nothing and
// ignores all input.
class GuiEmpty : public GameFrame
{
public:
    GuiEmpty(GameFrameManager* manager, const char* name) : GameFrame(manager, name) {}

protected:
    void UserInitialize() override {}
    void UserProceed(float) override {}
    void UserShutDown() override {}
};
