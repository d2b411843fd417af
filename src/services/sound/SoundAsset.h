#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "ResourceSystem/IResource.h"
#include "services/sound/WaveFormat.h"

namespace audio {
class Buffer;
}

// A loaded sound file, shared by every sound made from it.
class SoundAsset : public IResource
{
public:
    SoundAsset(const ResourceInfo& info, const WaveFormat& format, std::vector<uint8_t> samples);
    ~SoundAsset() override;
    SoundAsset(const SoundAsset&) = delete;
    SoundAsset& operator=(const SoundAsset&) = delete;

    const WaveFormat& GetFormat() const { return _format; }
    const std::vector<uint8_t>& GetSamples() const { return _samples; }
    // Seconds: the audio bytes over the bytes per second; 0 without either.
    float GetLength() const;

    // The device's copy, made on first use; null when the device refuses it.
    audio::Buffer* GetBuffer();
    // Gives the device's copy back (before the device closes).
    void ReleaseBuffer();

private:
    WaveFormat _format;
    std::vector<uint8_t> _samples;
    std::unique_ptr<audio::Buffer> _buffer;
};
