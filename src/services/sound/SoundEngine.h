#pragma once
#include <memory>
#include <vector>

#include "ResourceSystem/IResourceMgr.h"
#include "services/sound/Music.h"
#include "services/sound/Sound2D.h"
#include "services/sound/Sound3D.h"
#include "services/sound/SoundPose.h"
#include "services/sound/VideoSound.h"

class Dumper;
class ResourceSystem;
class SoundAsset;
class SoundSettings;
namespace audio {
class Device;
}

// Plays the game's sounds: 2D sounds, 3D sounds placed against one listener, one piece of
// streamed music and the sound tracks of videos. It is also the resource manager of ".wav" and ".xwma" files,
// which it loads once into shared assets. Without an audio device it stays silent:
// creators return null and everything else does nothing.
class SoundEngine : public IResourceMgr
{
public:
    SoundEngine(ResourceSystem* resources, Dumper* dumper, SoundSettings* settings);
    ~SoundEngine() override;

    void* OnQueryHeader(unsigned long& headerSize, const char* extension) override;
    IResource* OnCreateProxyResource(const ResourceInfo& info) override;
    IResource* OnCreateResource(const ResourceInfo& info, unsigned long dataSize) override;

    // Registers the extensions and opens the default device; false when it runs silent.
    bool Init();
    // The same on the given device (a test's loopback device, whose time moves as it renders);
    // false without one. Once the engine has a device, both keep it and return true.
    bool Init(std::unique_ptr<audio::Device> device);
    // Once per frame: frees the sounds that ended.
    virtual void Update();
    // The listener's pose; the player's ship sets it every frame.
    virtual void UpdatePose(SOUND3D_POSE& pose);
    // Closes every sound and the device. Safe to call twice.
    void ShutDown();
    void CloseAllSounds();

    // Sounds are found under "sounds/". A volume of 0 or less means the sound volume
    // (the music volume for music). Null while silent.
    Sound2D* CreateSound2D(const char* name, bool play, float volume);
    Sound3D* CreateSound3D(const char* name, SOUND3D_POSE& pose, bool loop, bool play, float volume);
    // Replaces any music playing.
    Music* CreateMusic(const char* path, bool loop, bool play, float volume);
    // The sound track of a video file (a path as the video has it), playing at the sound
    // volume. Null while silent, and (nothing logged) for a file without a track that can be
    // played. The video and the engine share it: the engine closes it when it shuts down, the
    // video when it ends; the engine lets it go at the first update after it was closed.
    std::shared_ptr<VideoSound> CreateVideoSound(const char* path, bool loop);

    void SetMasterVolume(float volume);
    // Every live 2D and 3D sound takes the volume, and new ones default to it.
    void SetSoundVolume(float volume);
    void SetMusicVolume(float volume);
    float GetMasterVolume() const { return _masterVolume; }
    float GetSoundVolume() const { return _soundVolume; }
    float GetMusicVolume() const { return _musicVolume; }

    // Part of the engine's interface, without effect: sounds pause and close one by one.
    void Pause(bool) {}
    void CloseSound(ISound*) {}

    // Seconds; 0 when the sound cannot be loaded.
    float GetSoundLenght(const char* name);
    const SOUND3D_POSE& GetListener() const { return _listener; }
    bool IsDisabled() const { return _disabled; }

    size_t GetSound2DCount() const { return _sounds2D.size(); }
    size_t GetSound3DCount() const { return _sounds3D.size(); }
    size_t GetMusicCount() const { return _music.size(); }
    size_t GetVideoSoundCount() const { return _videoSounds.size(); }

private:
    SoundAsset* GetSoundInfo(const char* name);
    void RegisterExtensions();

    std::unique_ptr<audio::Device> _device;
    ResourceSystem* _resources;
    Dumper* _dumper;
    SoundSettings* _settings;
    float _masterVolume = 1.0f;
    float _soundVolume = 1.0f;
    float _musicVolume = 1.0f;
    bool _disabled = false;
    SOUND3D_POSE _listener;
    std::vector<std::unique_ptr<Sound2D>> _sounds2D;
    std::vector<std::unique_ptr<Sound3D>> _sounds3D;
    std::vector<std::unique_ptr<Music>> _music;
    std::vector<std::shared_ptr<VideoSound>> _videoSounds;
};
