#include "game/ai/logic/SoundActions.h"

#include <cstdio>
#include <cstring>

#include "foundation/base/Dumper.h"
#include "foundation/base/Random.h"
#include "foundation/config/GameSettings.h"
#include "game/core/FixedText.h"
#include "game/core/game/Game.h"
#include "game/world/actor/Limiter.h"
#include "services/sound/SoundEngine.h"

namespace {
// A hard or insane piece needs a name of at least this many characters.
constexpr size_t MinMusicName = 4;
constexpr size_t PathSize = 1100;
} // namespace

ActionPlaySound2D::ActionPlaySound2D() { SetName("ActionPlaySound2D"); }

void ActionPlaySound2D::Initialize(const char* file)
{
    if (_count >= MaxFiles)
    {
        Dumper::Instance().Print(DUMP_WARNING, "ActionPlaySound2D: more than %d lines; \"%s\" is left out\n", MaxFiles,
                                 file ? file : "");
        return;
    }
    CopyFixedText(_files[_count++], file);
    SetInitialized();
}

void ActionPlaySound2D::DoAction()
{
    Limiter* limiter = game.GetLimiter();
    if (!limiter || _count == 0 || (_checkPriority && !limiter->CanTransmitionBlg()))
        return;
    const int index = _count > 1 ? EngineRandom() % _count : 0;
    const GameSettings* settings = game.GetGameSettings();
    char path[PathSize];
    std::snprintf(path, sizeof path, "localization\\%s\\%s", settings ? settings->Language : "en", _files[index]);
    limiter->TransmitionBlg(path);
}

ActionPlayMusic::ActionPlayMusic()
{
    SetName("ActionPlayMusic");
    for (char* file : {_normal, _hard, _insane})
        CopyFixedText(file, FileSize, "(empty)");
}

void ActionPlayMusic::Initialize(const char* normal, const char* hard, const char* insane)
{
    CopyFixedText(_normal, normal);
    CopyFixedText(_hard, hard);
    CopyFixedText(_insane, insane);
    SetInitialized();
}

const char* ActionPlayMusic::GetFile(int difficulty) const
{
    if (difficulty == 2 && std::strlen(_hard) >= MinMusicName)
        return _hard;
    if (difficulty == 3 && std::strlen(_insane) >= MinMusicName)
        return _insane;
    return _normal;
}

void ActionPlayMusic::DoAction()
{
    SoundEngine* sound = game.GetSoundEngine();
    if (!sound)
        return;
    const GameSettings* settings = game.GetGameSettings();
    char path[PathSize];
    std::snprintf(path, sizeof path, "music\\%s", GetFile(settings ? settings->Difficulty : 1));
    sound->CreateMusic(path, true, true, -1.0f);
}
