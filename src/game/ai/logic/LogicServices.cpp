#include "game/ai/logic/LogicServices.h"

#include <cstring>
#include <strings.h>

#include "game/ai/LevelLogic.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"

namespace Logic {

namespace {
constexpr const char* PlayerShipName = "PlayerShip";
}

SingleLevel* GetLevel() { return game.GetLevel(); }

LevelLogic* GetLogic()
{
    const SingleLevel* level = GetLevel();
    return level ? level->GetLogic() : nullptr;
}

PlayerShip* GetPlayerShip()
{
    const SingleLevel* level = GetLevel();
    const Player* player = level ? level->GetPlayer() : nullptr;
    return player ? player->GetShip() : nullptr;
}

GuiShipHud* GetHud()
{
    const SingleLevel* level = GetLevel();
    const Player* player = level ? level->GetPlayer() : nullptr;
    return player ? player->GetHUD() : nullptr;
}

Actor* FindActor(const char* name, ePlayerName player)
{
    if (!name)
        return nullptr;
    if ((player == PLAYER_NAME_EXACT && std::strcmp(name, PlayerShipName) == 0) ||
        (player == PLAYER_NAME_ANY_CASE && strcasecmp(name, PlayerShipName) == 0))
        return GetPlayerShip();
    const SingleLevel* level = GetLevel();
    return level ? level->GetActor(name) : nullptr;
}

Ship* AsShip(Actor* actor) { return dynamic_cast<Ship*>(actor); }

} // namespace Logic
