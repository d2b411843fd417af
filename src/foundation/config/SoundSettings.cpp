#include "foundation/config/SoundSettings.h"

SoundSettings::SoundSettings(ConfigSystem* master) : ISettings("Sound", master) { WriteSheetParams(); }

void SoundSettings::ReadSheetParams()
{
    Read("MasterVolume", MasterVolume);
    Read("SoundVolume", SoundVolume);
    Read("MusicVolume", MusicVolume);

    AddConsoleVariable("snd_sound_volume", CMD_FLOAT, &SoundVolume);
    AddConsoleVariable("snd_music_volume", CMD_FLOAT, &MusicVolume);
}

void SoundSettings::WriteSheetParams()
{
    Write("MasterVolume", MasterVolume);
    Write("SoundVolume", SoundVolume);
    Write("MusicVolume", MusicVolume);
}
