#include "guitextures/LogoArt.h"

#include "guitextures/Canvas.h"
#include "platform/font/Font.h"
#include "platform/font/FontLibrary.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

namespace {

using Rgba = Canvas::Rgba;

constexpr float Pi = 3.14159265f;
const Rgba Cyan{0.35f, 0.85f, 1.0f, 1.0f};
const Rgba Amber{1.0f, 0.7f, 0.25f, 1.0f};

// The coverage of `text` drawn with `font` centred in a width x height field, one float a pixel.
std::vector<float> TextCoverage(Font& font, const std::string& text, unsigned width, unsigned height)
{
    std::vector<float> coverage(size_t(width) * height, 0.0f);
    float advance = 0.0f;
    for (char c : text)
        advance += font.GetGlyph(char32_t(c)).advance;
    float penX = (float(width) - advance) * 0.5f;
    const float baseline = (float(height) + float(font.GetAscent()) * 0.72f) * 0.5f;
    for (char c : text)
    {
        const Font::Glyph& glyph = font.GetGlyph(char32_t(c));
        const GlyphAtlas& atlas = font.GetAtlas();
        for (unsigned gy = 0; gy < glyph.height; ++gy)
        {
            for (unsigned gx = 0; gx < glyph.width; ++gx)
            {
                const int x = int(penX) + glyph.left + int(gx);
                const int y = int(baseline) - glyph.top + int(gy);
                if (x < 0 || y < 0 || x >= int(width) || y >= int(height))
                    continue;
                const unsigned char v =
                    atlas.GetPixels()[size_t(glyph.atlasY + gy) * atlas.GetWidth() + glyph.atlasX + gx];
                float& cell = coverage[size_t(y) * width + x];
                cell = std::max(cell, float(v) / 255.0f);
            }
        }
        penX += glyph.advance;
    }
    return coverage;
}

// A box blur of `radius` pixels, run twice.
std::vector<float> Blur(std::vector<float> values, unsigned width, unsigned height, int radius)
{
    std::vector<float> tmp(values.size());
    for (int pass = 0; pass < 4; ++pass)
    {
        const bool horizontal = pass % 2 == 0;
        for (unsigned y = 0; y < height; ++y)
        {
            for (unsigned x = 0; x < width; ++x)
            {
                float sum = 0.0f;
                for (int k = -radius; k <= radius; ++k)
                {
                    const int sx = horizontal ? int(x) + k : int(x);
                    const int sy = horizontal ? int(y) : int(y) + k;
                    if (sx >= 0 && sy >= 0 && sx < int(width) && sy < int(height))
                        sum += values[size_t(sy) * width + sx];
                }
                tmp[size_t(y) * width + x] = sum / float(2 * radius + 1);
            }
        }
        values.swap(tmp);
    }
    return values;
}

} // namespace

Image MakeLogoBackground(unsigned size)
{
    Canvas canvas(size, size, Rgba{0.0f, 0.0f, 0.0f, 1.0f});
    const float s = float(size);
    // Deep blue at the top to black at the bottom, with two soft nebula clouds.
    canvas.Fill([](float, float) { return 1.0f; },
                [s](float x, float y) {
                    const float t = y / s;
                    Rgba base{0.02f, 0.04f + 0.06f * (1.0f - t), 0.10f + 0.16f * (1.0f - t), 1.0f};
                    const float a = std::exp(-(std::pow(x / s - 0.3f, 2.0f) + std::pow(y / s - 0.35f, 2.0f)) * 18.0f);
                    const float b = std::exp(-(std::pow(x / s - 0.75f, 2.0f) + std::pow(y / s - 0.6f, 2.0f)) * 24.0f);
                    base.r += 0.35f * a + 0.10f * b;
                    base.g += 0.05f * a + 0.25f * b;
                    base.b += 0.40f * a + 0.35f * b;
                    return base;
                });
    // Stars: a few hundred points of varied brightness.
    for (uint32_t i = 0; i < 420; ++i)
    {
        const unsigned x = unsigned(Unit(Hash(i, 1)) * float(size - 1));
        const unsigned y = unsigned(Unit(Hash(i, 2)) * float(size - 1));
        const float brightness = 0.3f + 0.7f * std::pow(Unit(Hash(i, 3)), 3.0f);
        canvas.Blend(x, y, Rgba{0.85f, 0.9f, 1.0f, brightness}, 1.0f);
    }
    return canvas.ToImage();
}

Image MakeLogoName(unsigned width, unsigned height)
{
    Canvas canvas(width, height);
    std::unique_ptr<FontLibrary> library = FontLibrary::Create();
    if (!library)
        return canvas.ToImage();
    FontDesc desc;
    desc.face = "Arial";
    desc.height = height * 3 / 4;
    desc.weight = 700;
    std::unique_ptr<Font> font = Font::Create(*library, desc);
    if (!font)
        return canvas.ToImage();
    const std::vector<float> text = TextCoverage(*font, "VANTREL", width, height);
    const std::vector<float> glow = Blur(text, width, height, 5);
    for (unsigned y = 0; y < height; ++y)
    {
        for (unsigned x = 0; x < width; ++x)
        {
            const size_t i = size_t(y) * width + x;
            canvas.Blend(x, y, Rgba{Cyan.r, Cyan.g, Cyan.b, 0.9f}, std::min(glow[i] * 2.0f, 1.0f));
            // White at the top of the letters to cyan at their foot.
            const Rgba face = Mix(Rgba{1.0f, 1.0f, 1.0f, 1.0f}, Cyan, float(y) / float(height));
            canvas.Blend(x, y, face, text[i]);
        }
    }
    return canvas.ToImage();
}

Image MakeLogoEmblem(int index, unsigned size)
{
    Canvas canvas(size, size);
    const float s = float(size), c = s * 0.5f;
    auto solid = [](Rgba color) { return [color](float, float) { return color; }; };
    // Every emblem sits on a dark disc with a thin rim.
    canvas.Fill([=](float x, float y) { return CircleCover(x, y, c, c, s * 0.46f); },
                solid({0.03f, 0.06f, 0.12f, 0.9f}));
    canvas.Fill([=](float x, float y) { return RingCover(x, y, c, c, s * 0.45f, 1.2f); }, solid(Cyan));
    switch (index)
    {
    case 0: // a ringed planet
        canvas.Fill([=](float x, float y) { return CircleCover(x, y, c, c, s * 0.2f); },
                    [=](float x, float y) {
                        return Mix(Amber, Rgba{0.5f, 0.2f, 0.1f, 1.0f}, (x + y) / (2.0f * s));
                    });
        canvas.Fill(
            [=](float x, float y) {
                // A tilted ellipse: the planet's ring.
                const float dx = x - c, dy = y - c;
                const float u = (dx * std::cos(0.4f) + dy * std::sin(0.4f)) / (s * 0.34f);
                const float v = (-dx * std::sin(0.4f) + dy * std::cos(0.4f)) / (s * 0.09f);
                return EdgeCover((std::fabs(std::hypot(u, v) - 1.0f) - 0.08f) * s * 0.1f);
            },
            solid(Cyan));
        break;
    case 1: // a hexagon with a smaller one inside
    {
        std::vector<float> xs, ys, xi, yi;
        for (int k = 0; k < 6; ++k)
        {
            const float a = Pi / 6.0f + k * Pi / 3.0f;
            xs.push_back(c + std::cos(a) * s * 0.32f);
            ys.push_back(c + std::sin(a) * s * 0.32f);
            xi.push_back(c + std::cos(a) * s * 0.16f);
            yi.push_back(c + std::sin(a) * s * 0.16f);
        }
        canvas.Fill([=](float x, float y) { return PolygonCover(x, y, xs, ys); }, solid(Cyan));
        canvas.Fill([=](float x, float y) { return PolygonCover(x, y, xi, yi); }, solid({0.03f, 0.06f, 0.12f, 1.0f}));
        break;
    }
    case 2: // a delta-wing craft seen from above
    {
        // Two triangles, one a wing: the notched outline is not convex.
        for (float side : {-1.0f, 1.0f})
        {
            const std::vector<float> xs = {c, c + side * s * 0.28f, c};
            const std::vector<float> ys = {c - s * 0.32f, c + s * 0.26f, c + s * 0.12f};
            canvas.Fill([=](float x, float y) { return PolygonCover(x, y, xs, ys); },
                        [=](float, float y) {
                            return Mix(Rgba{1, 1, 1, 1}, Cyan, (y - c + s * 0.32f) / (s * 0.6f));
                        });
        }
        canvas.Fill([=](float x, float y) { return CircleCover(x, y, c, c + s * 0.2f, s * 0.05f); }, solid(Amber));
        break;
    }
    default: // a star burst of eight rays
        for (int k = 0; k < 8; ++k)
        {
            const float a = k * Pi / 4.0f;
            const float length = (k % 2 == 0 ? 0.34f : 0.22f) * s;
            canvas.Fill(
                [=](float x, float y) {
                    return SegmentCover(x, y, c, c, c + std::cos(a) * length, c + std::sin(a) * length, s * 0.025f);
                },
                solid(Amber));
        }
        canvas.Fill([=](float x, float y) { return CircleCover(x, y, c, c, s * 0.08f); }, solid({1, 1, 1, 1}));
        break;
    }
    return canvas.ToImage();
}
