#include "textures/DxtEncoder.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

struct Rgb
{
    int r, g, b;
};

uint16_t To565(const Rgb& c) { return uint16_t((c.r >> 3) << 11 | (c.g >> 2) << 5 | (c.b >> 3)); }

Rgb From565(uint16_t c)
{
    const int r = (c >> 11) & 31, g = (c >> 5) & 63, b = c & 31;
    return {r << 3 | r >> 2, g << 2 | g >> 4, b << 3 | b >> 2};
}

int Distance(const Rgb& a, const Rgb& b)
{
    return (a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b);
}

// The block's 16 texels; texels outside a small image repeat its edge.
std::array<uint32_t, 16> Block(const Image& image, unsigned bx, unsigned by)
{
    std::array<uint32_t, 16> texels{};
    for (unsigned i = 0; i < 16; ++i)
    {
        const unsigned x = std::min(bx * 4 + i % 4, image.width - 1), y = std::min(by * 4 + i / 4, image.height - 1);
        texels[i] = image.At(x, y);
    }
    return texels;
}

Rgb ToRgb(uint32_t argb) { return {int(argb >> 16 & 0xFF), int(argb >> 8 & 0xFF), int(argb & 0xFF)}; }

void Put16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

// Eight bytes: two endpoints and 2-bit indices. With `allowTransparent` set, texels whose alpha is
// below 128 take index 3 of the three-colour mode.
void EncodeColors(const std::array<uint32_t, 16>& texels, bool allowTransparent, std::vector<uint8_t>& out)
{
    std::vector<Rgb> opaque;
    bool transparent = false;
    for (uint32_t t : texels)
    {
        if (allowTransparent && (t >> 24) < 128)
        {
            transparent = true;
        }
        else
        {
            opaque.push_back(ToRgb(t));
        }
    }
    // The two texels farthest apart are the endpoints.
    Rgb hi{0, 0, 0}, lo{0, 0, 0};
    int widest = -1;
    for (size_t i = 0; i < opaque.size(); ++i)
    {
        for (size_t j = i; j < opaque.size(); ++j)
        {
            if (Distance(opaque[i], opaque[j]) > widest)
            {
                widest = Distance(opaque[i], opaque[j]);
                hi = opaque[i];
                lo = opaque[j];
            }
        }
    }
    uint16_t c0 = To565(hi), c1 = To565(lo);
    // Four colours need c0 > c1, three colours and transparency c0 <= c1.
    if (transparent ? c0 > c1 : c0 < c1)
        std::swap(c0, c1);
    const bool fourColors = c0 > c1;
    const Rgb p0 = From565(c0), p1 = From565(c1);
    Rgb palette[4] = {p0, p1};
    if (fourColors)
    {
        palette[2] = {(2 * p0.r + p1.r) / 3, (2 * p0.g + p1.g) / 3, (2 * p0.b + p1.b) / 3};
        palette[3] = {(p0.r + 2 * p1.r) / 3, (p0.g + 2 * p1.g) / 3, (p0.b + 2 * p1.b) / 3};
    }
    else
    {
        palette[2] = {(p0.r + p1.r) / 2, (p0.g + p1.g) / 2, (p0.b + p1.b) / 2};
    }
    uint32_t indices = 0;
    for (unsigned i = 0; i < 16; ++i)
    {
        unsigned best = 0;
        if (transparent && (texels[i] >> 24) < 128)
        {
            best = 3;
        }
        else
        {
            const Rgb c = ToRgb(texels[i]);
            const unsigned candidates = fourColors ? 4 : 3;
            for (unsigned k = 1; k < candidates; ++k)
            {
                if (Distance(c, palette[k]) < Distance(c, palette[best]))
                    best = k;
            }
        }
        indices |= best << (2 * i);
    }
    Put16(out, c0);
    Put16(out, c1);
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(indices >> (8 * i)));
}

// Eight bytes: two alpha endpoints (first the larger, eight-value mode) and 3-bit indices.
void EncodeAlpha(const std::array<uint32_t, 16>& texels, std::vector<uint8_t>& out)
{
    int lo = 255, hi = 0;
    for (uint32_t t : texels)
    {
        lo = std::min(lo, int(t >> 24));
        hi = std::max(hi, int(t >> 24));
    }
    int alphas[8] = {hi, lo};
    for (int i = 1; i < 7; ++i)
        alphas[i + 1] = ((7 - i) * hi + i * lo) / 7;
    uint64_t bits = 0;
    for (unsigned i = 0; i < 16; ++i)
    {
        const int a = int(texels[i] >> 24);
        unsigned best = 0;
        for (unsigned k = 1; k < 8; ++k)
        {
            if (std::abs(a - alphas[k]) < std::abs(a - alphas[best]))
                best = k;
        }
        bits |= uint64_t(best) << (3 * i);
    }
    out.push_back(uint8_t(hi));
    out.push_back(uint8_t(lo));
    for (int i = 0; i < 6; ++i)
        out.push_back(uint8_t(bits >> (8 * i)));
}

} // namespace

std::vector<uint8_t> EncodeDxt1(const Image& image)
{
    std::vector<uint8_t> out;
    for (unsigned by = 0; by < (image.height + 3) / 4; ++by)
    {
        for (unsigned bx = 0; bx < (image.width + 3) / 4; ++bx)
            EncodeColors(Block(image, bx, by), true, out);
    }
    return out;
}

std::vector<uint8_t> EncodeDxt5(const Image& image)
{
    std::vector<uint8_t> out;
    for (unsigned by = 0; by < (image.height + 3) / 4; ++by)
    {
        for (unsigned bx = 0; bx < (image.width + 3) / 4; ++bx)
        {
            const auto texels = Block(image, bx, by);
            EncodeAlpha(texels, out);
            EncodeColors(texels, false, out);
        }
    }
    return out;
}
