#pragma once
#include "foundation/config/ISettings.h"

// Sheet "Game": gameplay options of the player.
class GameSettings : public ISettings
{
public:
    static constexpr size_t LANGUAGE_SIZE = 32;

    explicit GameSettings(ConfigSystem* master);

    void ReadSheetParams() override;
    void WriteSheetParams() override;

    bool DebugInformation = false;
    float PlayerFov = 60.0f;
    bool DynLighting = true;
    int MaxDebrisCount = 512;
    char Language[LANGUAGE_SIZE] = "en";
    float Asteroids = 1.0f;
    int Difficulty = 1; // 1 to 3

private:
    void ApplyRules();
};
