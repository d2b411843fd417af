#include "game/ai/LevelLogic.h"

#include "foundation/base/Dumper.h"
#include "game/ai/logic/LogicServices.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/profiles/UserProfile.h"
#include "game/world/player/PilotProfile.h"
#include "game/world/player/PlayerShip.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudBigMb.h"

bool LevelLogic::Initialize(const char* file) { return _triggers.Load(file); }

void LevelLogic::Proceed()
{
    const PlayerShip* ship = Logic::GetPlayerShip();
    const SingleLevel* level = Logic::GetLevel();
    const float now = level ? level->GetTime() : 0.0f;
    if (ship && ship->IsDead() && End(LEVEL_LOST))
        _scoreScreenAt = now + DeathScoreScreenDelay;
    if (_scoreScreenAt >= 0 && now >= _scoreScreenAt)
    {
        _scoreScreenAt = -1;
        AskForScoreScreen();
    }
    RemoveAllGlobalTargets();
    _triggers.UpdateLogic();
}

void LevelLogic::ShutDown()
{
    RemoveAllGlobalTargets();
    _triggers.Clear();
}

void LevelLogic::GameWin()
{
    if (End(LEVEL_WON))
        AskForScoreScreen();
}

void LevelLogic::GameLose()
{
    if (End(LEVEL_LOST))
        AskForScoreScreen();
}

bool LevelLogic::End(eLevelStatus status)
{
    if (_status != LEVEL_RUNNING)
        return false;
    _status = status;
    Dumper::Instance().Print(DUMP_INFO, "LevelLogic: the mission is %s\n", status == LEVEL_WON ? "won" : "lost");
    // What the mission cost and brought is on disk before anything else can go wrong.
    if (const UserProfile* pilot = CurrentPilot())
        pilot->Save();
    return true;
}

void LevelLogic::AskForScoreScreen()
{
    if (GameFrameManager* frames = game.GetGameFrameManager())
        frames->SetActive("mission_score");
}

void LevelLogic::GamePause()
{
    if (_status == LEVEL_RUNNING)
        _status = LEVEL_PAUSED;
}

void LevelLogic::GameResume()
{
    if (_status == LEVEL_PAUSED)
        _status = LEVEL_RUNNING;
}

void LevelLogic::PrintGlobalMessage(const char* title, const char* text)
{
    const GuiShipHud* hud = Logic::GetHud();
    // The box cuts the title and the text to its own fields.
    if (GuiShipHudBigMb* box = hud ? hud->GetBigMBHud() : nullptr)
        box->SetMessage(title, text, -1);
}

GlobalLevelTarget* LevelLogic::AddGlobalTarget()
{
    _targets.push_back(std::make_unique<GlobalLevelTarget>());
    return _targets.back().get();
}

GlobalLevelTarget* LevelLogic::GetGlobalTarget(unsigned index) const
{
    return index < _targets.size() ? _targets[index].get() : nullptr;
}
