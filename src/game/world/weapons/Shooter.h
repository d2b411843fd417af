#pragma once
// What a weapon asks about the one who fires it: whether that is the player's ship, and the
// race code of the player's fitted weapon devices, which names their sounds.
class Actor;

// The player's ship carries the player-ship kind flag; there is one per mission.
bool IsPlayerShip(const Actor* actor);
// The upper-case race code of a race number ("ASP" for any number that is no race).
const char* ConvertRaceCodeToString(float race);
// The race code of the current profile ship's device in that slot; without a profile, a ship or
// such a device, the code of no race.
const char* GetDeviceRaceCode(int type, int subType);
