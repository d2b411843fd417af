#pragma once
#include <cstdint>
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
    // A device that plays nothing by itself: its owner mixes what plays on it, so the sound's
    // time moves only as the owner renders (16-bit stereo at the rate, without HRTF or limiter).
    // Null, with the reason, when none opens.
    static std::unique_ptr<Device> OpenLoopback(int sampleRate, std::string& error);
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    const std::string& Name() const { return _name; }

    // The master volume.
    void SetListenerGain(float gain);
    // The listener's pose in the engine's left-handed space.
    void SetListener(const Float3& forward, const Float3& up, const Float3& position, const Float3& velocity);

    // A loopback device's next `frames` frames of output, interleaved left and right, into `out`;
    // false (nothing written) on any other device.
    bool Render(int16_t* out, int frames);

private:
    struct Handles;
    explicit Device(std::unique_ptr<Handles> handles, std::string name);
    // Creates the device's context with the attributes (a zero-ended list) and makes it current.
    static std::unique_ptr<Device> Finish(std::unique_ptr<Handles> handles, const int* attributes, std::string& error);

    std::unique_ptr<Handles> _handles;
    std::string _name;
};

} // namespace audio
