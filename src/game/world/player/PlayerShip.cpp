#include "game/world/player/PlayerShip.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "foundation/base/Random.h"
#include "foundation/math/Color.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/messages/Telegram.h"
#include "game/profiles/ProfileShip.h"
#include "game/profiles/UserProfile.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/actor/Limiter.h"
#include "game/world/player/HudCalls.h"
#include "game/world/player/PilotProfile.h"
#include "game/world/player/Player.h"
#include "game/world/races/RaceShipEffects.h"
#include "game/world/ships/ShipSounds.h"
#include "game/world/weapons/EnergySystem.h"
#include "game/world/weapons/PlayerWeaponModels.h"
#include "game/world/weapons/Weapon.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Model.h"
#include "services/sound/SoundEngine.h"

namespace {

// The damage zone shown at each position of the HUD's own-ship panel.
constexpr int ZoneAtPanel[PlayerShip::ZoneCount] = {0, 2, 1, 4, 6, 5, 3};
// A hit that misses zone 0 enters this chain at one of its first five zones and passes down it.
constexpr int ZoneChain[] = {2, 1, 3, 6, 5, 4};
constexpr int ChainLength = sizeof(ZoneChain) / sizeof(ZoneChain[0]);

// The robot's line when a zone is lost, for the zones that have one.
const char* ZoneVoice(int zone)
{
    switch (zone)
    {
    case 3: return "robot\\01_systems\\eng_r_flr.wav";
    case 4: return "robot\\01_systems\\eng_l_flr.wav";
    case 5: return "robot\\02_parts\\p_wing_l_dmg.wav";
    case 6: return "robot\\02_parts\\p_wing_r_dmg.wav";
    default: return nullptr;
    }
}

} // namespace

// No warning outside 0..0.8; the exact steps between the bands only speak.
PlayerShip::ShieldWarning PlayerShip::WarningFor(float fraction)
{
    if (!(fraction > 0 && fraction < 0.8f))
        return {};
    if (fraction == 0.5f || fraction == 0.3f || fraction == 0.1f)
        return {"robot\\05_warnings\\warn_ship_atak.wav", nullptr};
    if (fraction > 0.5f)
        return {"robot\\05_warnings\\warn_ship_atak.wav", "Attention! Board is under attack!"};
    if (fraction > 0.3f)
        return {"robot\\05_warnings\\warn_ship_dmg_1.wav", "Attention! Attention! Energy Shield!"};
    if (fraction > 0.1f)
        return {"robot\\05_warnings\\warn_ship_dmg_2.wav", "Attention! Critical level of energy!"};
    return {"robot\\05_warnings\\warn_shield_80.wav", "Emergency! Energy is not enough!"};
}

namespace {

Limiter* RobotLimiter()
{
    Limiter* limiter = game.GetLimiter();
    return limiter && limiter->CanTransmitionRobot() ? limiter : nullptr;
}

GuiShipHud* PlayerHud()
{
    const SingleLevel* level = game.GetLevel();
    const Player* player = level ? level->GetPlayer() : nullptr;
    return player ? player->GetHUD() : nullptr;
}

// The race code of a fitted device; a missing device counts as race 0.
const char* RaceCode(const UserProfile* pilot, const DeviceType* device)
{
    const float race = device ? device->race : 0;
    return pilot ? pilot->ConvertRaceToString(race, true) : UserProfile::ConvertRaceToCode(race);
}

} // namespace

PlayerShip::PlayerShip()
{
    SetName("PlayerShip");
    SetClassname("PlayerShip");
    RaiseFlag(ACTOR_FLAG_PLAYER_SHIP);
}

void PlayerShip::UserInit()
{
    Fighter::UserInit();
    MountWeapons();
    if (RenderScene* scene = game.GetRenderScene())
        _playerModel = scene->CreateModel("player.mod", SL_STAGE);
}

void PlayerShip::MountWeapons()
{
    const UserProfile* pilot = CurrentPilot();
    const ProfileShip* fit = pilot ? pilot->GetShip() : nullptr;
    const auto device = [fit](int type, int subType) { return fit ? fit->GetDevice(type, subType) : nullptr; };
    const DeviceType* primary = device(1, 0);
    const DeviceType* extraDevice = device(0, 1);
    const Base* base = game.GetBase();
    const WeaponType* extra = nullptr;
    if (fit && fit->GetFlag() && extraDevice && base)
        extra = base->GetWeaponByUid(extraDevice->weaponPrototypeLinkUid);

    const auto name = [&](const char* format, const DeviceType* source) {
        char text[64];
        std::snprintf(text, sizeof(text), format, RaceCode(pilot, source));
        return std::string(text);
    };
    struct Mount
    {
        std::string weapon;
        const char* model;
        int firePoints;
    };
    const char* hull = primary ? primary->name : nullptr;
    const Mount mounts[WeaponSlots] = {
        {name("%sPlayerBlaster00", device(0, 0)), "player_weapons_primary_0.mod", 2},
        {name("%sPlayerBlaster01", device(0, 2)), GetSecondPrimaryWeaponModel(hull), GetSecondPrimaryFirePoints(hull)},
        {name("%sPlayerRocket00", device(0, 3)), "player_weapons_secondary_0.mod", 2},
        {name("%sPlayerTorpeda00", device(0, 4)), "player_weapons_secondary_1.mod", 2},
        {extra ? extra->name : "", extra ? GetRotationWeaponModel(extra->firePoints) : nullptr,
         extra ? static_cast<int>(extra->firePoints) : 0},
    };

    RenderScene* scene = game.GetRenderScene();
    for (int slot = 0; slot < WeaponSlots; ++slot)
    {
        const Mount& mount = mounts[slot];
        if (!mount.model)
            continue;
        Model* model = scene ? scene->CreateModel(mount.model, SL_STAGE) : nullptr;
        if (model && slot == 4)
            model->SetPosition(0, -2, 0);
        if (model && _mainModel)
            _mainModel->Attach(model);
        _weaponModels[slot] = model;
    }
    for (int slot = 0; slot < WeaponSlots; ++slot)
    {
        const Mount& mount = mounts[slot];
        if (!mount.model)
            continue;
        AddWeapon(mount.weapon.c_str(), 0, _weaponModels[slot], mount.firePoints);
        _weapons[slot] = GetWeapon(GetWeaponCount() - 1);
    }
}

void PlayerShip::UserShutDown()
{
    Fighter::UserShutDown();
    if (RenderScene* scene = game.GetRenderScene())
        scene->DestroyNode(_playerModel);
    _playerModel = nullptr;
}

void PlayerShip::OnLevelStart()
{
    Fighter::OnLevelStart();
    if (const ProfileShip* fit = CurrentPilotShip())
    {
        const ShipParams& params = fit->GetParams();
        SetCurrentShield(params.shield);
        SetMaximumShield(params.maxShield);
        SetCurrentArmor(params.armor);
        SetMaximumArmor(params.maxArmor);
        SetCurrentStructure(params.structure);
        SetMaximumStructure(params.maxStructure);
    }
    for (Zone& zone : _zones)
        zone.maximum = zone.current = GetMaximumArmor() / ZoneCount;
}

void PlayerShip::UserProceed()
{
    Fighter::UserProceed();
    GuiShipHud* hud = PlayerHud();
    for (int slot = 0; slot < 4; ++slot)
    {
        if (const Weapon* weapon = _weapons[slot])
            HudSetLevel(hud, slot, WeaponBar(*weapon));
    }
    if (SoundEngine* sound = game.GetSoundEngine(); sound && _mainModel)
    {
        const Quaternion orientation = _mainModel->GetGlobalOrientation();
        SOUND3D_POSE pose;
        pose.forward = orientation.Dir();
        pose.up = orientation.Up();
        pose.position = _mainModel->GetGlobalPos();
        pose.velocity = Vec3(0, 0, 0);
        sound->UpdatePose(pose);
    }
}

float PlayerShip::WeaponBar(const Weapon& weapon)
{
    const WeaponType* type = weapon.GetPrototype();
    if (type && type->amount != -1)
        return type->amount > 0 ? static_cast<float>(weapon.GetBulletAmount()) / type->amount : 0.0f;
    const EnergySystem* energy = weapon.GetEnergySystem();
    if (!energy || energy->GetMaxEnergyLevel() <= 0)
        return 0;
    return energy->GetCurEnergyLevel() / energy->GetMaxEnergyLevel();
}

void PlayerShip::OnMessage(Telegram* telegram)
{
    Fighter::OnMessage(telegram);
    const Message* payload = telegram->payload;
    if (!payload)
        return;
    switch (telegram->type)
    {
    case MESSAGE_DO_DAMAGE: RecalculateDamage(static_cast<const MessageDoDamage*>(payload)->damage); break;
    case MESSAGE_DO_DAMAGE_BY_WEAPON:
        if (const Weapon* weapon = static_cast<const MessageDoDamageByWeapon*>(payload)->weapon)
            RecalculateDamage(weapon->GetDamage());
        break;
    case MESSAGE_DO_DAMAGE_TO_PART:
    {
        // Rocket fragments hit without a weapon; their amount counts then.
        const auto* hit = static_cast<const MessageDoDamageToPart*>(payload);
        RecalculateDamage(hit->weapon ? hit->weapon->GetDamage() : hit->damage);
        break;
    }
    case MESSAGE_LOAD_SUB_LEVEL: LoadSubLevel(static_cast<const MessageLoadSubLevel*>(payload)->name); break;
    default: break;
    }
}

void PlayerShip::Explode()
{
    const bool alive = !IsDead();
    Fighter::Explode();
    if (alive)
        ShowDeathEffects(*this, FighterDeath);
}

void PlayerShip::LoadSubLevel(const char* name)
{
    if (SingleLevel* level = game.GetLevel())
        level->LoadSubLevel(name);
    Limiter* limiter = game.GetLimiter();
    if (!limiter || !limiter->CanTransmitionBlg())
        return;
    const int voice = EngineRandom() % 4 + 1;
    const int line = EngineRandom() % 4 + 1;
    char path[160];
    std::snprintf(path, sizeof(path), "blg\\ytg_reinforcement_approaches_from_portal\\V%d\\bos_reinforce_%d.wav", voice,
                  line);
    limiter->TransmitionBlg(VoiceLine(path).c_str());
}

void PlayerShip::RecalculateDamage(float damage)
{
    GuiShipHud* hud = PlayerHud();
    if (Limiter* limiter = RobotLimiter(); limiter && GetMaximumShield() > 0)
    {
        const ShieldWarning warning = WarningFor(GetCurrentShield() / GetMaximumShield());
        if (warning.voice)
        {
            if (warning.text)
                HudShowText(hud, warning.text, 4);
            limiter->TransmitionRobot(VoiceLine(warning.voice).c_str(), 5);
        }
    }
    if (GetCurrentShield() > 0)
        return;

    HitZones(damage);
    for (int position = 0; position < ZoneCount; ++position)
    {
        const Zone& zone = _zones[ZoneAtPanel[position]];
        const float fraction = zone.maximum > 0 ? zone.current / zone.maximum : 0.0f;
        Color color(0, 0, 0, 1);
        if (fraction > 0)
        {
            color = Color(1, 0, 0, 1) * (1 - fraction) + Color(0, 0.42f, 0.5f, 1) * fraction;
            color.a = 1;
        }
        HudSetPartHealth(hud, position, fraction);
        HudSetPartColor(hud, position, color);
    }

    Limiter* limiter = RobotLimiter();
    if (!limiter || GetCurrentArmor() > 0.7f * GetMaximumArmor())
        return;
    for (int zone = 3; zone <= 6; ++zone)
    {
        if (_zones[zone].voicePending && _zones[zone].current == 0)
        {
            limiter->TransmitionRobot(VoiceLine(ZoneVoice(zone)).c_str(), 0);
            _zones[zone].voicePending = false;
        }
    }
}

void PlayerShip::HitZones(float damage)
{
    const int entry = EngineRandom() % 6;
    if (entry == 0)
    {
        _zones[0].current = std::max(_zones[0].current - damage, 0.0f);
        return;
    }
    // A zone already below 0 is shut to 0 and passes the hit on; the last zone keeps it.
    for (int link = entry - 1; link < ChainLength; ++link)
    {
        Zone& zone = _zones[ZoneChain[link]];
        if (zone.current >= 0)
        {
            zone.current -= damage;
            return;
        }
        zone.current = 0;
    }
}
