#include "game/core/game/MenuGame.h"

#include "MaterialSystem/MaterialSystem.h"
#include "foundation/config/VideoSettings.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/profiles/ProfileManager.h"
#include "services/sound/SoundEngine.h"

namespace MenuGame {

MaterialSystem* Render() { return game.GetRender(); }

SoundEngine* Sound() { return game.GetSoundEngine(); }

std::function<double()> VideoClock() { return game.GetVideoClock(); }

UserProfile* CurrentProfile()
{
    const ProfileManager* profiles = game.GetProfileManager();
    return profiles ? profiles->GetCurrent() : nullptr;
}

void PlaySound(const char* name)
{
    if (SoundEngine* sound = game.GetSoundEngine())
        sound->CreateSound2D(name, true, -1.0f);
}

void PlayMusic(const char* path)
{
    if (SoundEngine* sound = game.GetSoundEngine())
        sound->CreateMusic(path, true, true, -1.0f);
}

void SetActiveFrame(const char* name)
{
    if (GameFrameManager* frames = game.GetGameFrameManager())
        frames->SetActive(name);
}

float Spf() { return game.GetSPF(); }

Vec2 ScreenPixels()
{
    const VideoSettings* video = game.GetVideoSettings();
    return video ? Vec2(float(video->ScrWidth), float(video->ScrHeight)) : Vec2(0.0f, 0.0f);
}

} // namespace MenuGame
