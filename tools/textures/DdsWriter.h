#pragma once
#include "textures/Image.h"

#include <cstdint>
#include <vector>

// Writes ".dds" files: "DDS ", the 124-byte description, then every level's data in order.
enum class DdsPixels
{
    Argb32,
    Dxt1,
    Dxt5
};

struct DdsWriteOptions
{
    DdsPixels pixels = DdsPixels::Argb32;
    bool mips = true;        // the whole chain, with the mip-map count flag
    bool linearSize = false; // put the top level's byte size in the pitch field, not the row pitch
};

std::vector<uint8_t> WriteDds(const Image& image, const DdsWriteOptions& options);

// The raw form, for files the encoder cannot make (other FourCCs, odd headers): the levels'
// bytes are written as given after a header describing them.
struct DdsRaw
{
    unsigned width = 0;
    unsigned height = 0;
    uint32_t headerFlags = 0x1007; // caps, height, width, pixel format
    uint32_t pitchOrLinearSize = 0;
    uint32_t mipCount = 0;
    uint32_t pixelFlags = 0x41; // RGB with alpha
    uint32_t fourCC = 0;
    uint32_t bitCount = 32;
    uint32_t masks[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    std::vector<std::vector<uint8_t>> levels;
};

std::vector<uint8_t> WriteDdsRaw(const DdsRaw& raw);

constexpr uint32_t DdsFourCC(char a, char b, char c, char d)
{
    return uint32_t(uint8_t(a)) | uint32_t(uint8_t(b)) << 8 | uint32_t(uint8_t(c)) << 16 | uint32_t(uint8_t(d)) << 24;
}
