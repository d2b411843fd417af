#include "services/sound/SoundEngine.h"

#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Path.h"
#include "foundation/config/SoundSettings.h"
#include "platform/audio/Device.h"
#include "services/sound/OutputDeviceChoice.h"
#include "services/sound/SoundAsset.h"
#include "services/sound/WaveReader.h"

namespace {

constexpr const char* kSoundRoot = "sounds/";

// Frees every sound of the list that has ended; the others get their frame.
template <typename List>
void UpdateList(List& sounds)
{
    for (size_t i = 0; i < sounds.size();)
    {
        sounds[i]->Update();
        if (sounds[i]->IsEnded())
        {
            sounds[i]->Close();
            sounds.erase(sounds.begin() + static_cast<std::ptrdiff_t>(i));
        }
        else
        {
            ++i;
        }
    }
}

template <typename List>
void CloseList(List& sounds)
{
    for (auto& sound : sounds)
        sound->Close();
    sounds.clear();
}

} // namespace

SoundEngine::SoundEngine(ResourceSystem* resources, Dumper* dumper, SoundSettings* settings)
    : _resources(resources), _dumper(dumper ? dumper : &Dumper::Instance()), _settings(settings)
{
    if (_settings)
    {
        _masterVolume = _settings->GetSettingsMasterVolume();
        _soundVolume = _settings->GetSettingsSoundVolume();
        _musicVolume = _settings->GetSettingsMusicVolume();
    }
}

SoundEngine::~SoundEngine() { ShutDown(); }

bool SoundEngine::Init()
{
    if (_device)
        return true;
    if (_disabled)
        return false;
    // Channel counts are known only once a device is open: the list offers the
    // default device first, so the rule settles on it.
    const std::vector<audio::OutputDeviceName> names = audio::ListOutputDevices();
    std::vector<OutputDeviceInfo> devices;
    for (const audio::OutputDeviceName& name : names)
        devices.push_back(OutputDeviceInfo{2, name.isDefault});
    const int choice = ChooseOutputDevice(devices);
    std::string error;
    std::unique_ptr<audio::Device> device;
    if (!names.empty())
        device = audio::Device::Open(names[static_cast<size_t>(choice)].name, error);
    if (!device)
        device = audio::Device::Open("", error);
    if (!device)
    {
        RegisterExtensions();
        _disabled = true;
        _dumper->Print(DUMP_WARNING, "Sound: no audio device (%s), the game runs silent\n", error.c_str());
        return false;
    }
    return Init(std::move(device));
}

bool SoundEngine::Init(std::unique_ptr<audio::Device> device)
{
    if (_device || !device)
        return _device != nullptr;
    RegisterExtensions();
    _device = std::move(device);
    _disabled = false;
    _dumper->Print(DUMP_STARTUP, "Sound: audio device \"%s\"\n", _device->Name().c_str());
    SetMasterVolume(_masterVolume);
    SetSoundVolume(_soundVolume);
    SetMusicVolume(_musicVolume);
    _listener = SOUND3D_POSE{};
    _device->SetListener({0, 0, 1}, {0, 1, 0}, {0, 0, 0}, {0, 0, 0});
    return true;
}

void SoundEngine::RegisterExtensions()
{
    if (_resources)
    {
        _resources->RegisterResMgr("wav", this);
        _resources->RegisterResMgr("xwma", this);
    }
    // Every sound, 2D or 3D, and every length query looks here.
    SetRootDir(kSoundRoot);
}

void SoundEngine::ShutDown()
{
    if (!_device)
        return;
    CloseAllSounds();
    // The device's copies of the assets go with the device; the assets stay loaded.
    for (IResource* r = BeginResource(); r != INVALID_RES_HANDLE; r = NextResource())
        static_cast<SoundAsset*>(r)->ReleaseBuffer();
    _device.reset();
    _dumper->Print(DUMP_SHUTDOWN, "Sound: audio device closed\n");
}

void SoundEngine::CloseAllSounds()
{
    if (_disabled)
        return;
    CloseList(_sounds2D);
    CloseList(_sounds3D);
    CloseList(_music);
    CloseList(_videoSounds);
}

void SoundEngine::Update()
{
    if (_disabled)
        return;
    UpdateList(_sounds2D);
    UpdateList(_sounds3D);
    UpdateList(_music);
    UpdateList(_videoSounds);
}

void SoundEngine::UpdatePose(SOUND3D_POSE& pose)
{
    if (_disabled || !_device || _sounds3D.empty())
        return;
    _listener = pose;
    auto f3 = [](const Vec3& v) { return audio::Float3{v.x, v.y, v.z}; };
    _device->SetListener(f3(pose.forward), f3(pose.up), f3(pose.position), f3(pose.velocity));
}

void* SoundEngine::OnQueryHeader(unsigned long& headerSize, const char*)
{
    headerSize = 0;
    return nullptr;
}

IResource* SoundEngine::OnCreateProxyResource(const ResourceInfo& info)
{
    // Silence: one 16-bit sample, which any device takes.
    WaveFormat format;
    format.formatTag = WaveFormat::kTagPcm;
    format.channels = 1;
    format.samplesPerSec = 44100;
    format.avgBytesPerSec = 88200;
    format.blockAlign = 2;
    format.bitsPerSample = 16;
    auto* asset = new SoundAsset(info, format, std::vector<uint8_t>(2, 0));
    AddResource(asset);
    return asset;
}

IResource* SoundEngine::OnCreateResource(const ResourceInfo& info, unsigned long dataSize)
{
    std::vector<uint8_t> bytes(dataSize);
    const unsigned long got = dataSize ? ReadNextChunk(0, bytes.data(), dataSize) : 0;
    bytes.resize(got);
    WaveData wave;
    std::string error, warning;
    if (!ReadWave(bytes.data(), bytes.size(), info.name, wave, error, warning))
    {
        _dumper->Print(DUMP_ERROR, "Sound \"%s\": %s\n", info.name, error.c_str());
        return INVALID_RES_HANDLE;
    }
    if (!warning.empty())
        _dumper->Print(DUMP_WARNING, "Sound \"%s\": %s\n", info.name, warning.c_str());
    auto* asset = new SoundAsset(info, wave.format, std::move(wave.samples));
    AddResource(asset);
    return asset;
}

SoundAsset* SoundEngine::GetSoundInfo(const char* name)
{
    if (_disabled || !_resources || !name)
        return nullptr;
    const std::string path = NormalizePath(name);
    IResource* resource = _resources->LoadResource(path.c_str(), this, 0, 0);
    if (!resource || resource == INVALID_RES_HANDLE)
        return nullptr;
    return static_cast<SoundAsset*>(resource);
}

Sound2D* SoundEngine::CreateSound2D(const char* name, bool play, float volume)
{
    if (_disabled || !_device)
        return nullptr;
    auto sound = std::make_unique<Sound2D>(this);
    sound->Init(GetSoundInfo(name), play);
    sound->SetVolume(volume > 0 ? volume : _soundVolume);
    _sounds2D.push_back(std::move(sound));
    return _sounds2D.back().get();
}

Sound3D* SoundEngine::CreateSound3D(const char* name, SOUND3D_POSE& pose, bool loop, bool play, float volume)
{
    if (_disabled || !_device)
        return nullptr;
    auto sound = std::make_unique<Sound3D>(this);
    sound->Init(GetSoundInfo(name), pose, loop, play);
    sound->SetVolume(volume > 0 ? volume : _soundVolume);
    _sounds3D.push_back(std::move(sound));
    return _sounds3D.back().get();
}

Music* SoundEngine::CreateMusic(const char* path, bool loop, bool play, float volume)
{
    if (_disabled || !_device)
        return nullptr;
    _music.clear();
    auto music = std::make_unique<Music>(this, _dumper);
    music->Init(path, loop, play);
    music->SetVolume(volume > 0 ? volume : _musicVolume);
    _music.push_back(std::move(music));
    return _music.back().get();
}

std::shared_ptr<VideoSound> SoundEngine::CreateVideoSound(const char* path, bool loop)
{
    if (_disabled || !_device || !path)
        return nullptr;
    auto sound = std::make_shared<VideoSound>(this);
    std::string error;
    if (!sound->Init(ResolvePath(path), loop, error))
        return nullptr;
    sound->SetVolume(_soundVolume);
    sound->Play();
    _videoSounds.push_back(sound);
    return sound;
}

void SoundEngine::SetMasterVolume(float volume)
{
    if (_disabled)
        return;
    _masterVolume = volume;
    if (_device)
        _device->SetListenerGain(volume);
}

void SoundEngine::SetSoundVolume(float volume)
{
    if (_disabled)
        return;
    _soundVolume = volume;
    for (auto& sound : _sounds2D)
        sound->SetVolume(volume);
    for (auto& sound : _sounds3D)
        sound->SetVolume(volume);
    for (auto& sound : _videoSounds)
        sound->SetVolume(volume);
}

void SoundEngine::SetMusicVolume(float volume)
{
    if (_disabled)
        return;
    _musicVolume = volume;
    for (auto& music : _music)
        music->SetVolume(volume);
}

float SoundEngine::GetSoundLenght(const char* name)
{
    SoundAsset* asset = GetSoundInfo(name);
    return asset ? asset->GetLength() : 0.0f;
}
