#include "MaterialSystem/textures/DxtDecoder.h"

#include "MaterialSystem/textures/DdsLayout.h"
#include "MaterialSystem/textures/TextureDesc.h"

namespace {

struct Rgba
{
    uint8_t r, g, b, a;
};

uint16_t Word(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

Rgba Expand565(uint16_t c)
{
    const unsigned r = (c >> 11) & 31, g = (c >> 5) & 63, b = c & 31;
    return {uint8_t(r << 3 | r >> 2), uint8_t(g << 2 | g >> 4), uint8_t(b << 3 | b >> 2), 255};
}

uint8_t Mix(unsigned a, unsigned b, unsigned wa, unsigned wb) { return uint8_t((a * wa + b * wb) / (wa + wb)); }

// The colour half of a block: four colours and 2-bit indices. `fourAlways` for DXT3/5, whose
// colour blocks never use the three-colour mode.
void DecodeColors(const uint8_t* block, bool fourAlways, Rgba out[16])
{
    const uint16_t c0 = Word(block), c1 = Word(block + 2);
    Rgba palette[4] = {Expand565(c0), Expand565(c1), {}, {}};
    const Rgba &p0 = palette[0], &p1 = palette[1];
    if (fourAlways || c0 > c1)
    {
        palette[2] = {Mix(p0.r, p1.r, 2, 1), Mix(p0.g, p1.g, 2, 1), Mix(p0.b, p1.b, 2, 1), 255};
        palette[3] = {Mix(p0.r, p1.r, 1, 2), Mix(p0.g, p1.g, 1, 2), Mix(p0.b, p1.b, 1, 2), 255};
    }
    else
    {
        palette[2] = {Mix(p0.r, p1.r, 1, 1), Mix(p0.g, p1.g, 1, 1), Mix(p0.b, p1.b, 1, 1), 255};
        palette[3] = {0, 0, 0, 0};
    }
    const uint32_t indices =
        uint32_t(block[4]) | uint32_t(block[5]) << 8 | uint32_t(block[6]) << 16 | uint32_t(block[7]) << 24;
    for (int i = 0; i < 16; ++i)
        out[i] = palette[(indices >> (2 * i)) & 3];
}

void DecodeExplicitAlpha(const uint8_t* block, Rgba out[16])
{
    for (int i = 0; i < 16; ++i)
    {
        const unsigned nibble = (block[i / 2] >> (4 * (i & 1))) & 15;
        out[i].a = uint8_t(nibble * 17);
    }
}

void DecodeInterpolatedAlpha(const uint8_t* block, Rgba out[16])
{
    const unsigned a0 = block[0], a1 = block[1];
    uint8_t alphas[8] = {uint8_t(a0), uint8_t(a1)};
    if (a0 > a1)
    {
        for (unsigned i = 1; i < 7; ++i)
            alphas[i + 1] = Mix(a0, a1, 7 - i, i);
    }
    else
    {
        for (unsigned i = 1; i < 5; ++i)
            alphas[i + 1] = Mix(a0, a1, 5 - i, i);
        alphas[6] = 0;
        alphas[7] = 255;
    }
    uint64_t bits = 0;
    for (int i = 0; i < 6; ++i)
        bits |= uint64_t(block[2 + i]) << (8 * i);
    for (int i = 0; i < 16; ++i)
        out[i].a = alphas[(bits >> (3 * i)) & 7];
}

} // namespace

bool DecodeDxt(uint32_t format, unsigned width, unsigned height, const uint8_t* data, size_t size,
               std::vector<uint8_t>& pixels)
{
    if (format < TEXFMT_DXT1 || format > TEXFMT_DXT5 || width == 0 || height == 0)
        return false;
    if (!data || size < DdsLevelBytes(format, width, height))
        return false;
    const unsigned blockBytes = format == TEXFMT_DXT1 ? 8 : 16;
    const unsigned blocksX = (width + 3) / 4, blocksY = (height + 3) / 4;
    pixels.assign(size_t(width) * height * 4, 0);
    for (unsigned by = 0; by < blocksY; ++by)
    {
        for (unsigned bx = 0; bx < blocksX; ++bx)
        {
            const uint8_t* block = data + (size_t(by) * blocksX + bx) * blockBytes;
            Rgba texels[16];
            if (format == TEXFMT_DXT1)
            {
                DecodeColors(block, false, texels);
            }
            else
            {
                DecodeColors(block + 8, true, texels);
                if (format <= TEXFMT_DXT3)
                {
                    DecodeExplicitAlpha(block, texels);
                }
                else
                {
                    DecodeInterpolatedAlpha(block, texels);
                }
            }
            for (unsigned i = 0; i < 16; ++i)
            {
                const unsigned x = bx * 4 + i % 4, y = by * 4 + i / 4;
                if (x >= width || y >= height)
                    continue;
                uint8_t* p = &pixels[(size_t(y) * width + x) * 4];
                p[0] = texels[i].b;
                p[1] = texels[i].g;
                p[2] = texels[i].r;
                p[3] = texels[i].a;
            }
        }
    }
    return true;
}
