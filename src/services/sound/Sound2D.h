#pragma once
#include "services/sound/BufferedSound.h"

// A sound without position: heard the same wherever the listener is.
class Sound2D : public BufferedSound
{
public:
    explicit Sound2D(SoundEngine* engine) : BufferedSound(engine) {}

    void Init(SoundAsset* asset, bool play);
};
