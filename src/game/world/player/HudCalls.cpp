#include "game/world/player/HudCalls.h"

#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudCrosshair.h"
#include "game/hud/GuiShipHudGlassDecals.h"
#include "game/hud/GuiShipHudRadar.h"
#include "game/hud/GuiShipHudSpeed.h"
#include "game/hud/GuiShipHudTextMessage.h"
#include "game/hud/GuiShipHudUser.h"
#include "game/hud/GuiShipHudWeaponry.h"

namespace {
constexpr float TextSeconds = 3.0f;
}

void HudShowText(GuiShipHud* hud, const char* text, int style)
{
    if (GuiShipHudTextMessage* strip = hud ? hud->GetTextMsg() : nullptr)
        strip->Show(text, TextSeconds, false, style);
}

void HudSetSelected(GuiShipHud* hud, int slot, bool selected)
{
    static constexpr void (GuiShipHudWeaponry::*Select[])(bool) = {
        &GuiShipHudWeaponry::SetSelected1, &GuiShipHudWeaponry::SetSelected2, &GuiShipHudWeaponry::SetSelected3,
        &GuiShipHudWeaponry::SetSelected4};
    GuiShipHudWeaponry* weaponry = hud ? hud->GetWeaponryHud() : nullptr;
    if (weaponry && slot >= 0 && slot < 4)
        (weaponry->*Select[slot])(selected);
}

void HudSetLevel(GuiShipHud* hud, int slot, float level)
{
    static constexpr void (GuiShipHudWeaponry::*SetLevel[])(float) = {
        &GuiShipHudWeaponry::SetLevel1, &GuiShipHudWeaponry::SetLevel2, &GuiShipHudWeaponry::SetLevel3,
        &GuiShipHudWeaponry::SetLevel4};
    GuiShipHudWeaponry* weaponry = hud ? hud->GetWeaponryHud() : nullptr;
    if (weaponry && slot >= 0 && slot < 4)
        (weaponry->*SetLevel[slot])(level);
}

void HudSetPartHealth(GuiShipHud* hud, int position, float fraction)
{
    if (GuiShipHudUser* panel = hud ? hud->GetUserShip() : nullptr)
        panel->SetPartHealth(position, fraction);
}

void HudSetPartColor(GuiShipHud* hud, int position, const Color& color)
{
    if (GuiShipHudUser* panel = hud ? hud->GetUserShip() : nullptr)
        panel->SetPartColor(position, color);
}

void HudSetWeaponColor(GuiShipHud* hud, int light, const Color& color)
{
    if (GuiShipHudUser* panel = hud ? hud->GetUserShip() : nullptr)
        panel->SetWeaponColor(light, color);
}

void HudShowPrimary(GuiShipHud* hud, int slot)
{
    if (GuiShipHudCrosshair* crosshair = hud ? hud->GetCrosshairsHud() : nullptr)
    {
        crosshair->ShowSGun(slot == 1);
        crosshair->ShowFGun(slot == 0);
    }
}

void HudShowSecondary(GuiShipHud* hud, int slot)
{
    if (GuiShipHudCrosshair* crosshair = hud ? hud->GetCrosshairsHud() : nullptr)
    {
        crosshair->ShowWingG(slot == 2);
        crosshair->ShowWingR(slot == 3);
    }
}

void HudRestartBoost(GuiShipHud* hud)
{
    if (GuiShipHudSpeed* speed = hud ? hud->GetSpeedHud() : nullptr)
        speed->RestartBoost();
}

void HudEnableRadar(GuiShipHud* hud, bool enable)
{
    if (GuiShipHudRadar* radar = hud ? hud->GetRadar() : nullptr)
        radar->EnableModels(enable);
}

void HudAddGlassCracks(GuiShipHud* hud, const Ship* playerShip, int count)
{
    GuiShipHudGlassDecals* decals = hud ? hud->GetGlassDecals() : nullptr;
    for (int i = 0; decals && i < count; ++i)
        decals->AddDecal(playerShip);
}
