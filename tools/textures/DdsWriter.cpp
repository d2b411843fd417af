#include "textures/DdsWriter.h"

#include "textures/DxtEncoder.h"
#include "foundation/base/BinaryWriter.h"

namespace {

constexpr uint32_t kFlagPitch = 0x8;
constexpr uint32_t kFlagMipCount = 0x20000;
constexpr uint32_t kFlagLinearSize = 0x80000;
constexpr uint32_t kCapsTexture = 0x1000;
constexpr uint32_t kCapsComplex = 0x8;
constexpr uint32_t kCapsMipMap = 0x400000;
constexpr uint32_t kPixelFourCC = 0x4;

std::vector<uint8_t> Argb32Bytes(const Image& image)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(image.pixels.size() * 4);
    for (uint32_t p : image.pixels)
    {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(uint8_t(p >> (8 * i)));
    }
    return bytes;
}

} // namespace

std::vector<uint8_t> WriteDdsRaw(const DdsRaw& raw)
{
    BinaryWriter out;
    out.WriteBytes("DDS ", 4);
    out.Write(uint32_t(124));
    out.Write(raw.headerFlags);
    out.Write(uint32_t(raw.height));
    out.Write(uint32_t(raw.width));
    out.Write(raw.pitchOrLinearSize);
    out.Write(uint32_t(0)); // depth
    out.Write(raw.mipCount);
    for (int i = 0; i < 11; ++i)
        out.Write(uint32_t(0));
    out.Write(uint32_t(32)); // pixel format size
    out.Write(raw.pixelFlags);
    out.Write(raw.fourCC);
    out.Write(raw.bitCount);
    for (uint32_t mask : raw.masks)
        out.Write(mask);
    uint32_t caps = kCapsTexture;
    if (raw.levels.size() > 1)
        caps |= kCapsComplex | kCapsMipMap;
    out.Write(caps);
    for (int i = 0; i < 4; ++i)
        out.Write(uint32_t(0)); // caps 2-4, reserved
    for (const auto& level : raw.levels)
        out.WriteBytes(level.data(), level.size());
    return out.Data();
}

std::vector<uint8_t> WriteDds(const Image& image, const DdsWriteOptions& options)
{
    DdsRaw raw;
    raw.width = image.width;
    raw.height = image.height;
    const std::vector<Image> chain = options.mips ? MipChain(image) : std::vector<Image>{image};
    for (const Image& level : chain)
    {
        switch (options.pixels)
        {
        case DdsPixels::Argb32: raw.levels.push_back(Argb32Bytes(level)); break;
        case DdsPixels::Dxt1: raw.levels.push_back(EncodeDxt1(level)); break;
        case DdsPixels::Dxt5: raw.levels.push_back(EncodeDxt5(level)); break;
        }
    }
    const bool compressed = options.pixels != DdsPixels::Argb32;
    if (compressed)
    {
        raw.pixelFlags = kPixelFourCC;
        raw.fourCC = options.pixels == DdsPixels::Dxt1 ? DdsFourCC('D', 'X', 'T', '1') : DdsFourCC('D', 'X', 'T', '5');
        raw.bitCount = 0;
        for (uint32_t& mask : raw.masks)
            mask = 0;
    }
    // Compressed files always give the linear size; uncompressed ones the row pitch unless asked.
    if (compressed || options.linearSize)
    {
        raw.headerFlags |= kFlagLinearSize;
        raw.pitchOrLinearSize = uint32_t(raw.levels[0].size());
    }
    else
    {
        raw.headerFlags |= kFlagPitch;
        raw.pitchOrLinearSize = image.width * 4;
    }
    if (options.mips)
    {
        raw.headerFlags |= kFlagMipCount;
        raw.mipCount = uint32_t(raw.levels.size());
    }
    return WriteDdsRaw(raw);
}
