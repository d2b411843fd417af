#pragma once
// A mission of the started game for the tests of the race ships: ships of the demo game data
// placed where the test wants them, and ship types of the test's own.
#include "StartedMission.h"

class Ship;
class YtgEngines;

class RaceShipMission : public StartedMissionTest
{
protected:
    // A ship of the game data's type at the position, facing +z; null when none is made.
    Ship* Spawn(const char* prototype, const Vec3& position);
    // The name of a ship type of the test's own with this class name and model, made on first
    // use, with 100 of each defence.
    static const char* TestType(const char* classname, const char* render);
};

// The engines of a large Ytg ship; null for any other ship.
const YtgEngines* EnginesOf(const Ship* ship);
