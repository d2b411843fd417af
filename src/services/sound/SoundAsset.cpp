#include "services/sound/SoundAsset.h"

#include "platform/audio/Buffer.h"

SoundAsset::SoundAsset(const ResourceInfo& info, const WaveFormat& format, std::vector<uint8_t> samples)
    : IResource(info), _format(format), _samples(std::move(samples))
{}

SoundAsset::~SoundAsset() = default;

float SoundAsset::GetLength() const
{
    if (_samples.empty() || _format.avgBytesPerSec == 0)
        return 0.0f;
    return static_cast<float>(static_cast<double>(_samples.size()) / _format.avgBytesPerSec);
}

audio::Buffer* SoundAsset::GetBuffer()
{
    if (!_buffer)
    {
        std::unique_ptr<audio::Buffer> buffer = audio::Buffer::Create();
        if (!buffer || !buffer->Fill(_format.Pcm(), _samples.data(), _samples.size()))
            return nullptr;
        _buffer = std::move(buffer);
    }
    return _buffer.get();
}

void SoundAsset::ReleaseBuffer() { _buffer.reset(); }
