#include "MaterialSystem/textures/DdsLayout.h"

#include "MaterialSystem/textures/TextureDesc.h"
#include "foundation/base/BinaryReader.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr uint32_t kMagic = 0x20534444; // "DDS "
constexpr uint32_t kDescriptionSize = 124;
constexpr uint32_t kFlagMipCount = 0x20000;
constexpr uint32_t kPixelRgb = 0x40;
constexpr uint32_t kPixelFourCC = 0x04;
constexpr unsigned kMaxSide = 32768;

constexpr uint32_t FourCC(char a, char b, char c, char d)
{
    return uint32_t(uint8_t(a)) | uint32_t(uint8_t(b)) << 8 | uint32_t(uint8_t(c)) << 16 | uint32_t(uint8_t(d)) << 24;
}

std::string Text(const char* format, unsigned long long a, unsigned long long b = 0, unsigned long long c = 0)
{
    char buffer[160];
    std::snprintf(buffer, sizeof(buffer), format, a, b, c);
    return buffer;
}

unsigned FullChain(unsigned width, unsigned height)
{
    unsigned levels = 1;
    for (unsigned side = std::max(width, height); side > 1; side >>= 1)
        ++levels;
    return levels;
}

} // namespace

uint64_t DdsLevelBytes(uint32_t format, unsigned width, unsigned height)
{
    const uint64_t w = std::max(width, 1u), h = std::max(height, 1u);
    switch (format)
    {
    case TEXFMT_DXT1: return ((w + 3) / 4) * ((h + 3) / 4) * 8;
    case TEXFMT_DXT2:
    case TEXFMT_DXT3:
    case TEXFMT_DXT4:
    case TEXFMT_DXT5: return ((w + 3) / 4) * ((h + 3) / 4) * 16;
    default: return w * h * 4;
    }
}

bool ReadDdsLayout(const void* header, uint64_t dataSize, int lod, unsigned maxSide, DdsLayout& out, std::string& error)
{
    BinaryReader reader(header, kDdsHeaderSize, "dds header");
    uint32_t magic = 0, size = 0, flags = 0, height = 0, width = 0, mipCount = 0;
    uint32_t pixelFlags = 0, fourCC = 0, bitCount = 0;
    reader.Read(magic);
    reader.Read(size);
    reader.Read(flags);
    reader.Read(height);
    reader.Read(width);
    reader.Seek(28);
    reader.Read(mipCount);
    reader.Seek(80);
    reader.Read(pixelFlags);
    reader.Read(fourCC);
    reader.Read(bitCount);
    if (reader.Failed())
    {
        error = reader.Error();
        return false;
    }
    if (magic != kMagic)
    {
        error = "not a DDS file (bad magic)";
        return false;
    }
    if (size != kDescriptionSize)
    {
        error = Text("header size %llu is not 124", size);
        return false;
    }

    if (pixelFlags & kPixelRgb)
    {
        if (bitCount != 32)
        {
            error = Text("%llu-bit RGB pixels are not supported (only 32-bit)", bitCount);
            return false;
        }
        out.format = TEXFMT_A8R8G8B8;
    }
    else if ((pixelFlags & kPixelFourCC) && (fourCC & 0x00FFFFFFu) == FourCC('D', 'X', 'T', 0) &&
             (fourCC >> 24) >= '1' && (fourCC >> 24) <= '5')
    {
        out.format = TEXFMT_DXT1 + ((fourCC >> 24) - '1');
    }
    else
    {
        error = Text("unknown pixel format (flags 0x%llx, FourCC 0x%08llx)", pixelFlags, fourCC);
        return false;
    }

    if (width == 0 || height == 0)
    {
        error = Text("bad image size %llux%llu", width, height);
        return false;
    }
    if (width > kMaxSide || height > kMaxSide)
    {
        error = Text("image too large: %llux%llu pixels, at most %llu a side", width, height, kMaxSide);
        return false;
    }
    const unsigned count = (flags & kFlagMipCount) ? mipCount : 0;
    const unsigned chain = FullChain(width, height);
    if (count > chain)
    {
        error =
            Text("%llu mip levels are more than the %llu of a %llu-pixel side", count, chain, std::max(width, height));
        return false;
    }

    // Dropped top levels: never all of them.
    const unsigned skip = (count > 0 && lod > 0) ? std::min(unsigned(lod), count - 1) : 0;
    const unsigned levels = std::max(count, 1u);
    out.width = std::max(width >> skip, 1u);
    out.height = std::max(height >> skip, 1u);
    out.levels = levels - skip;
    // Refused before any pixel is read: the caller cannot make a texture of it.
    if (maxSide > 0 && (out.width > maxSide || out.height > maxSide))
    {
        error = Text("image too large: %llux%llu pixels, at most %llu a side", out.width, out.height, maxSide);
        return false;
    }
    out.skipBytes = 0;
    out.keptBytes = 0;
    out.levelBytes.clear();
    for (unsigned level = 0; level < levels; ++level)
    {
        const uint64_t bytes = DdsLevelBytes(out.format, std::max(width >> level, 1u), std::max(height >> level, 1u));
        if (level < skip)
        {
            out.skipBytes += bytes;
        }
        else
        {
            out.levelBytes.push_back(bytes);
            out.keptBytes += bytes;
        }
    }
    if (out.skipBytes + out.keptBytes > dataSize)
    {
        error = Text("data of %llu levels needs %llu bytes, the file has %llu", levels, out.skipBytes + out.keptBytes,
                     dataSize);
        return false;
    }
    return true;
}
