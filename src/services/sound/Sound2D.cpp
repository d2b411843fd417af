#include "services/sound/Sound2D.h"

#include "platform/audio/Source.h"

void Sound2D::Init(SoundAsset* asset, bool play)
{
    if (!CreateVoice(asset, false))
        return;
    // At the listener, whatever it does.
    _source->SetRelative(true);
    if (play)
        Play();
}
