#include "gui/hangar/GuiHangarWidgets.h"

#include "gui/hangar/HangarGui.h"
#include "layers/widgets/GuiGame.h"

// Whatever the move towards the jet point, the point is parked at (500, 500) afterwards.
void GuiUserJet::Proceed() { _currentPoint = Vec2(500.0f, 500.0f); }

void GuiRightTop::Load()
{
    _material = GuiGame::LoadMaterial("gui_angar_right_top.mat");
    _pos = Vec2(1114.0f, 125.0f);
}

void GuiRightTop::Proceed() { HangarGui::Quad(_material, _pos, Vec2(256.0f, 256.0f), Color(1.0f, 1.0f, 1.0f, 1.0f)); }
