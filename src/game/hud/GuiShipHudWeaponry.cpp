#include "game/hud/GuiShipHudWeaponry.h"

#include "game/world/player/PlayerShip.h"
#include "game/world/weapons/Weapon.h"
#include "game/hud/HudServices.h"
#include "layers/FlashLayer.h"

#include <cstdio>

namespace {

const wchar_t* const CountFunctions[GuiShipHudWeaponry::SlotCount] = {L"SetCnt1", L"SetCnt2", L"SetCnt3", L"SetCnt4"};

} // namespace

GuiShipHudWeaponry::~GuiShipHudWeaponry() { Unload(); }

void GuiShipHudWeaponry::Load()
{
    if (_loaded || !Hud::HasRoot())
        return;
    SetPresent1(true);
    SetPresent2(true);
    SetPresent3(true);
    SetPresent4(true);
    SetSelected1(true);
    SetSelected2(false);
    SetSelected3(true);
    SetSelected4(false);
    // Over the right end of the speed gauge, which stays in the middle of a wide screen with it.
    _layer = Hud::AddFlash("weaponry", "swf//weaponry.swf", Vec2(761.0f, 759.0f), Vec2(160.0f, 120.0f), GA_CENTER);
    _loaded = true;
}

void GuiShipHudWeaponry::Unload()
{
    if (!_loaded)
        return;
    Hud::RemoveFromRoot(_layer);
    _loaded = false;
}

void GuiShipHudWeaponry::Proceed()
{
    if (!_loaded || !Hud::IsSingle())
        return;
    TakeCounts(Hud::GetPlayerShip());
    SendState();
}

void GuiShipHudWeaponry::TakeCounts(const Ship* ship)
{
    if (!ship)
        return;
    for (int i = 0; i < SlotCount; ++i)
    {
        // A ship with fewer weapons leaves the slot as it was.
        if (const Weapon* weapon = ship->GetWeapon(unsigned(i)))
            _count[i] = weapon->GetBulletAmount();
    }
}

void GuiShipHudWeaponry::CountText(int count, char (&text)[16])
{
    if (count >= 0)
        std::snprintf(text, sizeof text, "%d", count);
    else
        std::snprintf(text, sizeof text, "+");
}

void GuiShipHudWeaponry::SendState()
{
    for (int i = 0; i < SlotCount; ++i)
    {
        if (!_present[i])
            continue;
        Gui::Call(_layer, L"SetGunState", FlashHost::Args(i + 1)(_selected[i] ? 1 : 0));
        char text[16];
        CountText(_count[i], text);
        Gui::Call(_layer, CountFunctions[i], FlashHost::Args(text));
    }
}
