#include "setup/SetupSettings.h"

#include "foundation/base/Dumper.h"
#include "foundation/config/ConfigSystem.h"
#include "foundation/config/GameSettings.h"
#include "foundation/config/NetworkSettings.h"
#include "foundation/config/RenderSettings.h"
#include "foundation/config/SoundSettings.h"
#include "foundation/config/VideoSettings.h"
#include "game/core/texts/GameTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kConstantsFile = "config_constants.lua";
constexpr const char* kConfigFile = "config.cfg";
constexpr const char* kTextsFile = "difficulty.txt";
constexpr const char* kLanguages[] = {"en", "ru"};

} // namespace

SetupSettings::SetupSettings(const std::vector<DisplayMode>& reportedModes) : _modes(MergeVideoModes(reportedModes))
{
    Dumper& log = Dumper::Instance();
    _configSystem = std::make_unique<ConfigSystem>(&log, kConstantsFile);
    _video = std::make_unique<VideoSettings>(_configSystem.get());
    _render = std::make_unique<RenderSettings>(_configSystem.get());
    _game = std::make_unique<GameSettings>(_configSystem.get());
    _sound = std::make_unique<SoundSettings>(_configSystem.get());
    _network = std::make_unique<NetworkSettings>(_configSystem.get());
    _configSystem->ExecFile(kConfigFile);
    LoadTexts();
    if (_modes.empty())
        log.Print(DUMP_WARNING, "The display reports no modes; the resolution stays %dx%d\n", _video->ScrWidth,
                  _video->ScrHeight);
    // The saved mode stays selectable and selected even when the display does not list it.
    KeepVideoMode(_modes, {_video->ScrWidth, _video->ScrHeight, _video->RefreshHz});
}

SetupSettings::~SetupSettings() = default;

void SetupSettings::LoadTexts()
{
    // The descriptions in the language "config.cfg" chose, else in the default one.
    _texts = std::make_unique<GameTexts>();
    if (!_texts->LoadTextsFromFile(_game->Language, kTextsFile) && std::strcmp(_game->Language, kLanguages[0]) != 0)
        _texts->LoadTextsFromFile(kLanguages[0], kTextsFile);
}

bool SetupSettings::Save()
{
    if (_configSystem->WriteFile(kConfigFile))
        return true;
    Dumper::Instance().Print(DUMP_ERROR, "The settings could not be written to \"%s\"\n", kConfigFile);
    return false;
}

int SetupSettings::GetDifficultyIndex() const { return _game->Difficulty - 1; }

void SetupSettings::SetDifficultyIndex(int index)
{
    _game->Difficulty = std::clamp(index + 1, 1, 3);
    _modified = true;
}

const char* SetupSettings::GetDifficultyText() const
{
    const int index = GetDifficultyIndex();
    return _texts->GetTextByCode(index == 1 ? "difficulty_2" : index == 2 ? "difficulty_3" : "difficulty_1");
}

int SetupSettings::GetLanguageIndex() const
{
    for (int i = 0; i < 2; ++i)
    {
        if (std::strcmp(_game->Language, kLanguages[i]) == 0)
            return i;
    }
    return -1;
}

void SetupSettings::SetLanguageIndex(int index)
{
    std::snprintf(_game->Language, sizeof(_game->Language), "%s", kLanguages[index == 0 ? 0 : 1]);
    _modified = true;
}

int SetupSettings::GetVideoModeIndex() const { return FindVideoMode(_modes, _video->ScrWidth, _video->ScrHeight); }

void SetupSettings::SetVideoModeIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(_modes.size()))
        return;
    _video->ScrWidth = _modes[index].width;
    _video->ScrHeight = _modes[index].height;
    _video->RefreshHz = _modes[index].refresh_rate;
    _modified = true;
}

bool SetupSettings::GetFullscreen() const { return _video->Fullscreen; }

void SetupSettings::SetFullscreen(bool on)
{
    _video->Fullscreen = on;
    _modified = true;
}

bool SetupSettings::GetPostProcessing() const { return _render->EnablePostEffects; }

void SetupSettings::SetPostProcessing(bool on)
{
    _render->EnablePostEffects = on;
    _modified = true;
}

int SetupSettings::GetTextureIndex() const
{
    const int index = 2 - _video->TextureLod;
    return index >= 0 && index <= 2 ? index : -1;
}

void SetupSettings::SetTextureIndex(int index)
{
    if (index < 0 || index > 2)
        return;
    _video->TextureLod = 2 - index;
    _modified = true;
}

int SetupSettings::GetVolume(Volume volume) const
{
    const float value = volume == VOLUME_MASTER  ? _sound->GetSettingsMasterVolume()
                        : volume == VOLUME_SOUND ? _sound->GetSettingsSoundVolume()
                                                 : _sound->GetSettingsMusicVolume();
    // Rounded, so that 0.29 stored as a float still shows 29.
    return std::clamp(static_cast<int>(std::lround(value * 100.0f)), 0, 100);
}

void SetupSettings::SetVolume(Volume volume, int value)
{
    const float level = std::clamp(value, 0, 100) / 100.0f;
    if (volume == VOLUME_MASTER)
        _sound->SetSettingsMasterVolume(level);
    else if (volume == VOLUME_SOUND)
        _sound->SetSettingsSoundVolume(level);
    else
        _sound->SetSettingsMusicVolume(level);
    _modified = true;
}
