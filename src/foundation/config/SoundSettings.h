#pragma once
#include "foundation/config/ISettings.h"

// Sheet "Sound": the three volumes, 0 to 1.
class SoundSettings : public ISettings
{
public:
    explicit SoundSettings(ConfigSystem* master);

    void ReadSheetParams() override;
    void WriteSheetParams() override;

    float GetSettingsMasterVolume() const { return MasterVolume; }
    float GetSettingsSoundVolume() const { return SoundVolume; }
    float GetSettingsMusicVolume() const { return MusicVolume; }
    void SetSettingsMasterVolume(float volume) { MasterVolume = volume; }
    void SetSettingsSoundVolume(float volume) { SoundVolume = volume; }
    void SetSettingsMusicVolume(float volume) { MusicVolume = volume; }

private:
    float MasterVolume = 1.0f;
    float SoundVolume = 0.3f;
    float MusicVolume = 0.5f;
};
