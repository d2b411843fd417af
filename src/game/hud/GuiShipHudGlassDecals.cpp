#include "game/hud/GuiShipHudGlassDecals.h"

#include "foundation/base/Random.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/Ship.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/HudServices.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cstdio>

void GuiShipHudGlassDecals::Load()
{
    for (int i = 0; i < DecalKinds; ++i)
    {
        char file[64];
        std::snprintf(file, sizeof file, "gui_hud_glass_decal_%.2d.mat", i);
        _decalMaterials[i] = GuiGame::LoadMaterial(file);
    }
}

void GuiShipHudGlassDecals::AddDecal() { AddDecal(Hud::GetPlayerShip()); }

void GuiShipHudGlassDecals::AddDecal(const Ship* playerShip)
{
    if (_decals.size() >= MaxDecals || !playerShip || playerShip->GetCurrentShield() > 0.0f)
        return;
    const int width = std::max(int(Hud::ScreenWidth()), 1), height = std::max(int(Hud::ScreenHeight()), 1);
    const int x = EngineRandom() % width - 32;
    const int y = EngineRandom() % height - 32;
    const int index = EngineRandom() % DecalKinds;
    _decals.push_back({Vec2(float(x), float(y)), index});
}

void AddGlassDecalOnDebrisHit()
{
    const Player* player = Hud::GetPlayer();
    const GuiShipHud* hud = player ? player->GetHUD() : nullptr;
    if (GuiShipHudGlassDecals* decals = hud ? hud->GetGlassDecals() : nullptr)
        decals->AddDecal();
}
