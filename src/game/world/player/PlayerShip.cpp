#include "game/world/player/PlayerShip.h"

#include "game/world/actor/ActorFlags.h"

PlayerShip::PlayerShip()
{
    SetName("PlayerShip");
    SetClassname("PlayerShip");
    RaiseFlag(ACTOR_FLAG_PLAYER_SHIP);
}

void PlayerShip::UserInit() { Fighter::UserInit(); }

void PlayerShip::UserProceed() { Fighter::UserProceed(); }

void PlayerShip::OnMessage(Telegram* telegram) { Fighter::OnMessage(telegram); }

void PlayerShip::OnLevelStart() { Fighter::OnLevelStart(); }

void PlayerShip::RecalculateDamage(float) {}
