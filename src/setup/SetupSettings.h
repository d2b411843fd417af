#pragma once

#include "setup/VideoModes.h"

#include <memory>
#include <vector>

class ConfigSystem;
class GameSettings;
class GameTexts;
class NetworkSettings;
class RenderSettings;
class SoundSettings;
class VideoSettings;

// The game, video and audio pages of the settings program: the engine's configuration system
// with its five sheets, filled from "config.cfg" in the working folder and written back to it,
// the resolution list and the difficulty descriptions. Every setter is a control's change
// handler: it changes the sheets at once and marks the settings modified. Nothing else changes
// a setting: what the controls cannot show stays as it was read.
class SetupSettings
{
public:
    enum Volume
    {
        VOLUME_MASTER,
        VOLUME_SOUND,
        VOLUME_MUSIC,
    };

    // Makes the configuration system on "config_constants.lua" and the sheets, runs
    // "config.cfg", loads the difficulty texts of its language and merges `reportedModes` (the
    // display's) into the resolution list, which also keeps the saved mode.
    explicit SetupSettings(const std::vector<DisplayMode>& reportedModes);
    ~SetupSettings();
    SetupSettings(const SetupSettings&) = delete;
    SetupSettings& operator=(const SetupSettings&) = delete;

    // Writes "config.cfg"; false (logged) when it cannot be written.
    bool Save();

    bool IsModified() const { return _modified; }
    void ClearModified() { _modified = false; }

    // Difficulty 1..3 as list index 0..2.
    int GetDifficultyIndex() const;
    void SetDifficultyIndex(int index);
    // The description of the chosen difficulty.
    const char* GetDifficultyText() const;
    // 0 "en", 1 "ru", -1 for any other language.
    int GetLanguageIndex() const;
    void SetLanguageIndex(int index);

    const std::vector<VideoMode>& GetVideoModes() const { return _modes; }
    // The entry of the saved screen size; -1 when the list has none.
    int GetVideoModeIndex() const;
    void SetVideoModeIndex(int index);
    bool GetFullscreen() const;
    void SetFullscreen(bool on);
    bool GetPostProcessing() const;
    void SetPostProcessing(bool on);
    // "Low" 0, "Medium" 1, "High" 2 for texture detail 2, 1, 0; -1 for any other detail.
    int GetTextureIndex() const;
    void SetTextureIndex(int index);

    // 0..100; a volume out of range shows as the nearest.
    int GetVolume(Volume volume) const;
    void SetVolume(Volume volume, int value);

    VideoSettings& GetVideoSettings() { return *_video; }
    GameSettings& GetGameSettings() { return *_game; }
    SoundSettings& GetSoundSettings() { return *_sound; }
    RenderSettings& GetRenderSettings() { return *_render; }

private:
    void LoadTexts();

    std::vector<VideoMode> _modes;
    std::unique_ptr<ConfigSystem> _configSystem;
    std::unique_ptr<VideoSettings> _video;
    std::unique_ptr<RenderSettings> _render;
    std::unique_ptr<GameSettings> _game;
    std::unique_ptr<SoundSettings> _sound;
    std::unique_ptr<NetworkSettings> _network;
    std::unique_ptr<GameTexts> _texts;
    bool _modified = false;
};
