#include "game/world/ships/ShipSounds.h"

#include "foundation/config/GameSettings.h"
#include "game/core/game/Game.h"
#include "services/sound/SoundEngine.h"

void PlayShipSound(const char* name)
{
    if (SoundEngine* sound = game.GetSoundEngine())
        sound->CreateSound2D(name, true, -1.0f);
}

std::string VoiceLine(const char* line)
{
    const GameSettings* settings = game.GetGameSettings();
    return std::string("localization\\") + (settings ? settings->Language : "en") + "\\" + line;
}
