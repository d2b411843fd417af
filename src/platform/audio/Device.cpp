#include "platform/audio/Device.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

namespace audio {

struct Device::Handles
{
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    LPALCRENDERSAMPLESSOFT render = nullptr; // set on a loopback device only

    ~Handles()
    {
        if (context)
        {
            if (alcGetCurrentContext() == context)
                alcMakeContextCurrent(nullptr);
            alcDestroyContext(context);
        }
        if (device)
            alcCloseDevice(device);
    }
};

namespace {

// ALC lists are runs of texts ended by an empty one.
std::vector<std::string> SplitList(const ALCchar* list)
{
    std::vector<std::string> names;
    for (const ALCchar* p = list; p && *p; p += names.back().size() + 1)
        names.emplace_back(p);
    return names;
}

} // namespace

std::vector<OutputDeviceName> ListOutputDevices()
{
    const bool all = alcIsExtensionPresent(nullptr, "ALC_ENUMERATE_ALL_EXT");
    const ALCenum listKey = all ? ALC_ALL_DEVICES_SPECIFIER : ALC_DEVICE_SPECIFIER;
    const ALCenum defaultKey = all ? ALC_DEFAULT_ALL_DEVICES_SPECIFIER : ALC_DEFAULT_DEVICE_SPECIFIER;
    const ALCchar* defaultName = alcGetString(nullptr, defaultKey);
    const std::string preferred = defaultName ? defaultName : "";

    std::vector<OutputDeviceName> result;
    for (std::string& name : SplitList(alcGetString(nullptr, listKey)))
    {
        const bool isDefault = name == preferred;
        OutputDeviceName entry{std::move(name), isDefault};
        if (isDefault)
            result.insert(result.begin(), std::move(entry));
        else
            result.push_back(std::move(entry));
    }
    return result;
}

std::unique_ptr<Device> Device::Open(const std::string& name, std::string& error)
{
    auto handles = std::make_unique<Handles>();
    handles->device = alcOpenDevice(name.empty() ? nullptr : name.c_str());
    if (!handles->device)
    {
        error = name.empty() ? "no default output device" : "output device \"" + name + "\" cannot be opened";
        return nullptr;
    }
    return Finish(std::move(handles), nullptr, error);
}

std::unique_ptr<Device> Device::OpenLoopback(int sampleRate, std::string& error)
{
    const auto open =
        reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    auto handles = std::make_unique<Handles>();
    handles->render = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback") || !open || !handles->render)
    {
        error = "no loopback output";
        return nullptr;
    }
    handles->device = open(nullptr);
    if (!handles->device)
    {
        error = "the loopback output cannot be opened";
        return nullptr;
    }
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT,
                                 ALC_STEREO_SOFT,
                                 ALC_FORMAT_TYPE_SOFT,
                                 ALC_SHORT_SOFT,
                                 ALC_FREQUENCY,
                                 sampleRate,
                                 ALC_HRTF_SOFT,
                                 ALC_FALSE,
                                 ALC_OUTPUT_LIMITER_SOFT,
                                 ALC_FALSE,
                                 0};
    return Finish(std::move(handles), attributes, error);
}

std::unique_ptr<Device> Device::Finish(std::unique_ptr<Handles> handles, const int* attributes, std::string& error)
{
    handles->context = alcCreateContext(handles->device, attributes);
    if (!handles->context || !alcMakeContextCurrent(handles->context))
    {
        error = "no audio context on the output device";
        return nullptr;
    }
    alDistanceModel(AL_LINEAR_DISTANCE_CLAMPED);
    alSpeedOfSound(343.5f);
    alDopplerFactor(1.0f);

    const ALCchar* spec = alcGetString(handles->device, ALC_ALL_DEVICES_SPECIFIER);
    if (!spec)
        spec = alcGetString(handles->device, ALC_DEVICE_SPECIFIER);
    return std::unique_ptr<Device>(new Device(std::move(handles), spec ? spec : "unnamed device"));
}

Device::Device(std::unique_ptr<Handles> handles, std::string name)
    : _handles(std::move(handles)), _name(std::move(name))
{}

Device::~Device() = default;

bool Device::Render(int16_t* out, int frames)
{
    if (!_handles->render || frames < 0 || (frames > 0 && !out))
        return false;
    if (frames > 0)
        _handles->render(_handles->device, out, frames);
    return true;
}

void Device::SetListenerGain(float gain) { alListenerf(AL_GAIN, gain < 0 ? 0 : gain); }

void Device::SetListener(const Float3& forward, const Float3& up, const Float3& position, const Float3& velocity)
{
    const ALfloat orientation[6] = {forward.x, forward.y, -forward.z, up.x, up.y, -up.z};
    alListenerfv(AL_ORIENTATION, orientation);
    alListener3f(AL_POSITION, position.x, position.y, -position.z);
    alListener3f(AL_VELOCITY, velocity.x, velocity.y, -velocity.z);
}

} // namespace audio
