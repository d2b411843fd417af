#include "game/ai/logic/MissionActions.h"

#include "foundation/base/Dumper.h"
#include "game/ai/LevelLogic.h"
#include "game/ai/logic/LogicServices.h"
#include "game/core/FixedText.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/player/PlayerShip.h"

ActionLoadSubLevel::ActionLoadSubLevel()
{
    SetName("ActionLoadSubLevel");
    CopyFixedText(_levelName, "(empty)");
}

void ActionLoadSubLevel::Initialize(const char* levelName, float delay)
{
    CopyFixedText(_levelName, levelName);
    _delay = delay;
    SetInitialized();
}

void ActionLoadSubLevel::DoAction()
{
    SingleLevel* level = Logic::GetLevel();
    PlayerShip* ship = Logic::GetPlayerShip();
    if (!level || !ship)
    {
        Dumper::Instance().Print(DUMP_WARNING, "ActionLoadSubLevel: no player's ship to load \"%s\"\n", _levelName);
        return;
    }
    // The telegram's name holds 255 characters.
    level->SendMessage(ship, ship, MESSAGE_LOAD_SUB_LEVEL, new MessageLoadSubLevel(_levelName), _delay);
}

ActionMissionWin::ActionMissionWin()
{
    SetName("ActionMissionWin");
    SetInitialized();
}

void ActionMissionWin::DoAction()
{
    if (LevelLogic* logic = Logic::GetLogic())
        logic->GameWin();
}

ActionMissionLose::ActionMissionLose()
{
    SetName("ActionMissionLose");
    SetInitialized();
}

void ActionMissionLose::DoAction()
{
    if (LevelLogic* logic = Logic::GetLogic())
        logic->GameLose();
}
