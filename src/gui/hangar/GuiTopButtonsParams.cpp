// The four bars of the fitting panel: the highlighted slot's device against the largest values
// of the game data.
#include "gui/hangar/GuiTopButtons.h"

#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "game/profiles/UserProfile.h"
#include "gui/hangar/GuiDeviceParams.h"
#include "layers/widgets/GuiGame.h"

#include <cstdio>

namespace {

// value / largest, 0 while the largest is 0.
float Ratio(float value, float largest) { return largest != 0.0f ? value / largest : 0.0f; }

const char* const WeaponLabels[4] = {"ui_angar_dp_w_0", "ui_angar_dp_w_1", "ui_angar_dp_w_2", "ui_angar_dp_w_3"};
const char* const ArmorLabels[4] = {"ui_angar_dp_a_0", "ui_angar_dp_a_1", "ui_angar_dp_a_2", "ui_angar_dp_a_3"};
const char* const PowerLabels[4] = {"ui_angar_dp_p_0", "ui_angar_dp_p_1", "ui_angar_dp_p_2", "ui_angar_dp_p_3"};
// The player's standard weapons of rows 1 to 4 of the weaponry slots, by the device's race.
const char* const RowWeapons[4] = {"%sPlayerBlaster00", "%sPlayerBlaster01", "%sPlayerTorpeda00", "%sPlayerRocket00"};

} // namespace

const WeaponType* GuiTopButtons::RowWeapon(const DeviceType* device, int row, float& largestDamage)
{
    const Base* base = game.GetBase();
    if (!base)
        return nullptr;
    // Looked up again only when the device or the row changes: a missing weapon is logged once.
    if (device != _barsDevice || row != _barsRow)
    {
        _barsDevice = device;
        _barsRow = row;
        _barsWeapon = nullptr;
        if (row == 0)
        {
            _barsWeapon = base->GetWeaponByUid(device->weaponPrototypeLinkUid);
        }
        else if (row >= 1 && row <= 4)
        {
            char name[96];
            std::snprintf(name, sizeof(name), RowWeapons[row - 1], UserProfile::ConvertRaceToCode(device->race));
            _barsWeapon = base->GetWeaponByName(name);
        }
        _barsDamage = row <= 2 ? base->GetMaxima().burstDamage : base->GetMaxima().otherDamage;
    }
    largestDamage = _barsDamage;
    return _barsWeapon;
}

void GuiTopButtons::UpdateParameters()
{
    const GuiSubDevice* slot = GetOpenSlot();
    const GuiDevice* entry = slot ? slot->At(slot->selected) : nullptr;
    if (!_params || !entry || slot->selected > 3)
        return;
    const DeviceType* device = entry->device;
    const Base* base = game.GetBase();
    const GameDataMaxima maxima = base ? base->GetMaxima() : GameDataMaxima();
    const char* const* labels = nullptr;
    float bars[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    switch (_category)
    {
    case SDT_WEAPONRY:
    {
        labels = WeaponLabels;
        float largestDamage = 0.0f;
        if (const WeaponType* weapon = RowWeapon(device, _row, largestDamage))
        {
            bars[0] = Ratio(weapon->damage, largestDamage);
            bars[1] = Ratio(weapon->speed * weapon->lifetime, maxima.weaponRange);
            bars[2] = 1.0f - Ratio(weapon->delay, maxima.weaponDelay);
            bars[3] = weapon->amount <= 0.0f ? 1.0f : Ratio(weapon->amount, maxima.weaponAmount);
        }
        break;
    }
    case SDT_ARMOR:
        labels = ArmorLabels;
        bars[0] = Ratio(device->shield, maxima.deviceShield);
        bars[1] = Ratio(device->shieldRegen, maxima.deviceShieldRegen);
        bars[2] = Ratio(device->armor, maxima.deviceArmor);
        bars[3] = Ratio(device->armorRegen, maxima.deviceArmorRegen);
        break;
    case SDT_POWER:
        labels = PowerLabels;
        bars[0] = 1.0f;
        bars[1] = Ratio(device->speed, maxima.deviceSpeed);
        bars[2] = Ratio(device->acceleration, maxima.deviceAcceleration);
        bars[3] = 0.5f;
        break;
    default: break;
    }
    for (int i = 0; i < 4; ++i)
    {
        _params->SetName(i, labels ? GuiGame::Text(labels[i]) : "");
        _params->SetLvl(i, bars[i]);
    }
}
