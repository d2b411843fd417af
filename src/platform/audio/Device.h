#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/audio/AudioTypes.h"

namespace audio {

// An output device the system offers; the default device comes first.
struct OutputDeviceName
{
    std::string name;
    bool isDefault = false;
};
std::vector<OutputDeviceName> ListOutputDevices();

// The open output device and its current context, set up for the engine's 3D rules:
// linear distance falloff clamped between the sources' distances, Doppler with the
// speed of sound 343.5 units per second. Only one device is open at a time.
class Device
{
public:
    // The named device (empty: the default). Null, with the reason, when none opens.
    static std::unique_ptr<Device> Open(const std::string& name, std::string& error);
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    const std::string& Name() const { return _name; }

    // The master volume.
    void SetListenerGain(float gain);
    // The listener's pose in the engine's left-handed space.
    void SetListener(const Float3& forward, const Float3& up, const Float3& position, const Float3& velocity);

private:
    struct Handles;
    explicit Device(std::unique_ptr<Handles> handles, std::string name);

    std::unique_ptr<Handles> _handles;
    std::string _name;
};

} // namespace audio
