#include "game/hud/GuiShipHudEnergy.h"

#include "game/world/player/BoosterSystem.h"
#include "game/world/player/Player.h"
#include "game/hud/HudServices.h"
#include "layers/FlashLayer.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cstdio>

GuiShipHudEnergy::~GuiShipHudEnergy() { Unload(); }

void GuiShipHudEnergy::Load()
{
    if (_loaded || !Hud::HasRoot())
        return;
    _material = GuiGame::LoadMaterial("gui_hud_energy.mat");
    for (int i = 0; i < FrameCount; ++i)
    {
        char movie[32];
        std::snprintf(movie, sizeof movie, "swf//booster_%.2d.swf", i + 1);
        _frames[i] = Hud::AddFlash("booster", movie, Vec2(433.0f, 776.0f), Vec2(128.0f, 128.0f), GA_CENTER);
        _frames[i]->SetVisible(false);
    }
    _loaded = true;
}

void GuiShipHudEnergy::Unload()
{
    if (!_loaded)
        return;
    for (FlashLayer*& frame : _frames)
        Hud::RemoveFromRoot(frame);
    _loaded = false;
}

void GuiShipHudEnergy::SplitLevel(float level, int& lower, int& upper, float& fraction) const
{
    // Not a number counts as empty.
    const float a = (level > 0.0f ? std::min(level, 1.0f) : 0.0f) * float(FrameCount - 1);
    lower = int(a);
    fraction = a - float(lower);
    upper = std::min(lower + 1, FrameCount - 1);
}

void GuiShipHudEnergy::Proceed()
{
    if (!_loaded || !Hud::IsSingle())
        return;
    const Player* player = Hud::GetPlayer();
    const BoosterSystem* booster = player ? player->GetBooster() : nullptr;
    if (!booster)
        return;
    const float maximum = booster->GetMaximumEnergyLevel();
    ShowLevel(maximum > 0.0f ? booster->GetCurrentEnergyLevel() / maximum : 0.0f);
}

void GuiShipHudEnergy::ShowLevel(float energy)
{
    if (!_loaded)
        return;
    int lower, upper;
    float fraction;
    SplitLevel(energy, lower, upper, fraction);
    for (int i = 0; i < FrameCount; ++i)
        _frames[i]->SetVisible(false);
    if (lower == FrameCount - 1)
    {
        _frames[lower]->SetVisible(true);
        _frames[lower]->SetColor(Color(1.0f, 1.0f, 1.0f, 1.0f));
        return;
    }
    _frames[lower]->SetVisible(true);
    _frames[lower]->SetColor(Color(1.0f, 1.0f, 1.0f, 1.0f - fraction));
    _frames[upper]->SetVisible(true);
    _frames[upper]->SetColor(Color(1.0f, 1.0f, 1.0f, fraction));
}
