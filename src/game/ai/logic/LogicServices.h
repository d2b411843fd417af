#pragma once
// What the mission logic reads of the running mission through the global `game`: the level, its
// logic, the player's ship and HUD, and the actors that a logic file names. Every reader holds
// without a mission, a player, a ship or a HUD: it returns null.
class Actor;
class GuiShipHud;
class LevelLogic;
class PlayerShip;
class Ship;
class SingleLevel;

namespace Logic {

SingleLevel* GetLevel();
LevelLogic* GetLogic();
PlayerShip* GetPlayerShip();
GuiShipHud* GetHud();

// How a logic file's ship name "PlayerShip" is read.
enum ePlayerName
{
    PLAYER_NAME_NONE,     // an actor's name like any other
    PLAYER_NAME_EXACT,    // the player's ship, letter case counting
    PLAYER_NAME_ANY_CASE, // the player's ship, in any letter case
};

// The level's actor of that name, or the player's ship; null when there is none.
Actor* FindActor(const char* name, ePlayerName player);
// The actor when it is a ship, else null.
Ship* AsShip(Actor* actor);

} // namespace Logic
