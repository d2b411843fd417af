#include "game/ai/logic/LevelLogicMissions.h"

#include <cstdio>

#include "foundation/base/Random.h"
#include "foundation/config/GameSettings.h"
#include "game/ai/logic/LogicServices.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/player/PlayerShip.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudTextMessage.h"
#include "services/sound/SoundEngine.h"

namespace {

constexpr size_t PathSize = 256;
constexpr int HeavyCargo = 5; // "ytg_sush_02_01" among the transports

void PlayMusic(const char* path)
{
    if (SoundEngine* sound = game.GetSoundEngine())
        sound->CreateMusic(path, true, true, -1.0f);
}

const char* Language()
{
    const GameSettings* settings = game.GetGameSettings();
    return settings ? settings->Language : "en";
}

// A radio line of the mission to the player's ship after the delay; its length, 0 without one.
float SendLine(const char* format, float delay)
{
    char path[PathSize];
    std::snprintf(path, sizeof path, format, Language());
    SingleLevel* level = Logic::GetLevel();
    PlayerShip* ship = Logic::GetPlayerShip();
    if (!level || !ship)
        return 0;
    level->SendMessage(ship, ship, MESSAGE_PLAY_2D_SOUND, new MessagePlay2DSound(path), delay);
    SoundEngine* sound = game.GetSoundEngine();
    return sound ? sound->GetSoundLenght(path) : 0;
}

} // namespace

bool LevelLogic08::Initialize(const char* file)
{
    if (!LevelLogic::Initialize(file))
        return false;
    PlayMusic("music\\06_sha_exploration_1.xwma");
    return true;
}

bool LevelLogic13::Initialize(const char* file)
{
    if (!LevelLogic::Initialize(file))
        return false;
    InitializeAllShips();
    PlayMusic("music\\01_ytg_exploration.xwma");
    float delay = 0.5f;
    for (const char* line : {"localization\\%s\\mission13\\onstart\\m13_start_s1_v6.wav",
                             "localization\\%s\\mission13\\onstart\\m13_start_s2_v7.wav",
                             "localization\\%s\\mission13\\onstart\\m13_start_s3_v1.wav",
                             "localization\\%s\\mission13\\onstart\\m13_start_s4_v7.wav"})
        delay += SendLine(line, delay) + 0.2f;
    const GuiShipHud* hud = Logic::GetHud();
    if (GuiShipHudTextMessage* strip = hud ? hud->GetTextMsg() : nullptr)
        strip->Show("Fly with your gang to YTG Transport!", 3, true, 6);
    return true;
}

Ship* LevelLogic13::FindShip(const char* name)
{
    return Logic::AsShip(Logic::FindActor(name, Logic::PLAYER_NAME_NONE));
}

Ship* LevelLogic13::ShipOf(const ActorRef& ref) { return Logic::AsShip(ref.Get()); }

void LevelLogic13::InitializeAllShips()
{
    const char* const transports[TransportCount] = {"ytg_drtr_02_00", "ytg_drtr_02_01", "ytg_drtr_02_02",
                                                    "ytg_drtr_02_03", "ytg_sush_02_00", "ytg_sush_02_01"};
    for (int i = 0; i < TransportCount; ++i)
        _transports[i] = FindShip(transports[i]);
    _ytgPortal = Logic::FindActor("YtgPortal", Logic::PLAYER_NAME_NONE);
    for (int i = 0; i < BlgFighterCount; ++i)
    {
        char name[32];
        std::snprintf(name, sizeof name, "blg_fighter_0%d", i);
        _blgFighters[i] = FindShip(name);
    }
    // The convoy keeps to the pace of its heavy cargo ship.
    for (int i = 0; i < TransportCount; ++i)
    {
        if (Ship* transport = ShipOf(_transports[i]))
            transport->SetSpeedKoef(i == HeavyCargo ? HeavyCargoSpeed : ConvoySpeed);
    }
}

void LevelLogic13::Proceed()
{
    LevelLogic::Proceed();
    if (!_alarm && IsPortalApproached())
        Alarm();
}

bool LevelLogic13::IsPortalApproached() const
{
    const Actor* ytgPortal = _ytgPortal.Get();
    if (!ytgPortal)
        return false;
    const Vec3 portal = ytgPortal->GetPosition();
    const float range = AlarmDistance * AlarmDistance;
    if (const PlayerShip* ship = Logic::GetPlayerShip(); ship && ship->GetPosition().DistanceSquared(portal) < range)
        return true;
    for (const ActorRef& ref : _blgFighters)
    {
        const Ship* fighter = ShipOf(ref);
        if (fighter && !fighter->IsDead() && fighter->GetPosition().DistanceSquared(portal) < range)
            return true;
    }
    return false;
}

void LevelLogic13::Alarm()
{
    PlayMusic("music\\01_ytg_battletrack.xwma");
    for (const ActorRef& ref : _transports)
    {
        if (Ship* transport = ShipOf(ref))
            transport->SetSpeedKoef(1);
    }
    SendLine(EngineRandom() % 128 < 64 ? "localization\\%s\\mission13\\04_ytg_detected_pirates\\m13_order_start_v7.wav"
                                       : "localization\\%s\\mission13\\04_ytg_detected_pirates\\m13_order_start_v1.wav",
             1.5f);
    _alarm = true;
}
