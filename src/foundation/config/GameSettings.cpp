#include "foundation/config/GameSettings.h"

GameSettings::GameSettings(ConfigSystem* master) : ISettings("Game", master)
{
    WriteSheetParams();
    ApplyRules();
}

void GameSettings::ApplyRules() { Clamp("Difficulty", Difficulty, 1, 3); }

void GameSettings::ReadSheetParams()
{
    Read("DebugInformation", DebugInformation);
    Read("PlayerFov", PlayerFov);
    Read("DynLighting", DynLighting);
    Read("MaxDebrisCount", MaxDebrisCount);
    Read("Language", Language, sizeof(Language));
    Read("Asteroids", Asteroids);
    Read("Difficulty", Difficulty);
    ApplyRules();
}

void GameSettings::WriteSheetParams()
{
    Write("DebugInformation", DebugInformation);
    Write("PlayerFov", PlayerFov);
    Write("DynLighting", DynLighting);
    Write("MaxDebrisCount", MaxDebrisCount);
    Write("Language", Language);
    Write("Asteroids", Asteroids);
    Write("Difficulty", Difficulty);
}
