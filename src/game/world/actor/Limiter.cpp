#include "game/world/actor/Limiter.h"

#include "game/core/game/Game.h"
#include "services/sound/SoundEngine.h"

void Limiter::Proceed()
{
    const float spf = game.GetSPF();
    for (float* countdown : {&_explosion, &_debrisHit, &_playerHit, &_blg, &_robot})
        *countdown -= spf;
}

void Limiter::TransmitionBlg(const char* file) { _blg = Transmit(file) + 1.0f; }

void Limiter::TransmitionRobot(const char* file, float extra) { _robot = Transmit(file) + 1.0f + extra; }

float Limiter::Transmit(const char* file)
{
    SoundEngine* sound = game.GetSoundEngine();
    if (!sound || !file)
        return 0.0f;
    sound->CreateSound2D(file, true, -1.0f);
    return sound->GetSoundLenght(file);
}
