#pragma once
// The fighter the pilot flies: its weapons and their models come from the current profile's
// ship fit and its defences from the profile ship; it keeps seven damage zones for the HUD's
// own-ship panel, speaks the robot's warnings as the shield and the zones fail, feeds the HUD's
// weapon bars, carries the sound listener, and loads sub-levels when told.
#include "game/world/ships/Fighter.h"

class PlayerShip : public Fighter
{
public:
    static constexpr int ZoneCount = 7;
    static constexpr int WeaponSlots = 5; // two blasters, rockets, torpedoes, the extra weapon

    // The robot's warning for the share of the shield left, and the HUD's text (null: none).
    struct ShieldWarning
    {
        const char* voice = nullptr;
        const char* text = nullptr;
    };
    static ShieldWarning WarningFor(float shieldFraction);

    PlayerShip();

    void UserInit() override;
    void UserProceed() override;
    // Also takes "player.mod" out of the scene.
    void UserShutDown() override;
    void OnMessage(Telegram* telegram) override;
    void OnLevelStart() override;
    // The pilot's ship blows up where it is, once, and stays in the mission as a wreck.
    void Explode() override;

    // A hit to the warnings and the damage zones.
    void RecalculateDamage(float damage);
    void SetModelVisibility(bool) {}

    float GetZoneCurrent(int zone) const { return _zones[zone].current; }
    float GetZoneMaximum(int zone) const { return _zones[zone].maximum; }
    // The weapon of a slot 0 to 4, null when the slot has none.
    Weapon* GetSlotWeapon(int slot) const { return _weapons[slot]; }
    Model* GetPlayerModel() const { return _playerModel; }
    // The HUD bar of a weapon: its energy, or its ammunition left when it has a limited amount.
    static float WeaponBar(const Weapon& weapon);

private:
    // The weapons of the pilot's fit and their models.
    void MountWeapons();
    // The level logic's sub-level, and the Blg's word that reinforcements come.
    void LoadSubLevel(const char* name);
    // One hit down the chain of damage zones.
    void HitZones(float damage);

    struct Zone
    {
        bool voicePending = true;
        float maximum = 300;
        float current = 300;
    };

    Zone _zones[ZoneCount];
    Model* _playerModel = nullptr; // "player.mod", not attached
    Model* _weaponModels[WeaponSlots] = {};
    Weapon* _weapons[WeaponSlots] = {};
};
