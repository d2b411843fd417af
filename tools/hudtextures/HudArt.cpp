#include "HudArt.h"

#include "platform/font/Font.h"
#include "platform/font/FontLibrary.h"
#include "platform/font/Utf8.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <utility>

namespace HudArt {

const Rgba Cyan{0.0f, 0.84f, 1.0f, 1.0f};
const Rgba DeepBlue{0.02f, 0.08f, 0.17f, 1.0f};
const Rgba Red{1.0f, 0.15f, 0.1f, 1.0f};
const Rgba Amber{1.0f, 0.7f, 0.2f, 1.0f};
const Rgba Green{0.2f, 1.0f, 0.3f, 1.0f};
const Rgba White{1.0f, 1.0f, 1.0f, 1.0f};

namespace {

constexpr float Pi = 3.14159265f;

// The signed distance to a rounded rectangle, negative inside.
float RoundRectDistance(float px, float py, float x, float y, float w, float h, float radius)
{
    const float cx = x + w * 0.5f, cy = y + h * 0.5f;
    const float qx = std::fabs(px - cx) - (w * 0.5f - radius), qy = std::fabs(py - cy) - (h * 0.5f - radius);
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

} // namespace

Rgba WithAlpha(Rgba color, float alpha)
{
    color.a = alpha;
    return color;
}

void Panel(Canvas& c, float x, float y, float w, float h, float radius, Rgba fill, Rgba border, float borderWidth)
{
    c.Fill([&](float px, float py) { return EdgeCover(RoundRectDistance(px, py, x, y, w, h, radius)); },
           [&](float, float) { return fill; });
    if (borderWidth > 0.0f)
        c.Fill(
            [&](float px, float py) {
                return EdgeCover(std::fabs(RoundRectDistance(px, py, x, y, w, h, radius)) - borderWidth * 0.5f);
            },
            [&](float, float) { return border; });
}

void Card(Canvas& c, float x, float y, float w, float h, float radius, Rgba fill, Rgba border, float borderWidth,
          float bottomArm)
{
    c.Fill([&](float px, float py) { return EdgeCover(RoundRectDistance(px, py, x, y, w, h, radius)); },
           [&](float, float) { return fill; });
    c.Fill(
        [&](float px, float py) {
            const bool openBottom = py > y + h - radius && px > x + bottomArm && px < x + w - bottomArm;
            return openBottom
                       ? 0.0f
                       : EdgeCover(std::fabs(RoundRectDistance(px, py, x, y, w, h, radius)) - borderWidth * 0.5f);
        },
        [&](float, float) { return border; });
}

void Bar(Canvas& c, float x, float y, float w, float h, Rgba left, Rgba right)
{
    c.Fill([&](float px, float py) { return EdgeCover(RoundRectDistance(px, py, x, y, w, h, h * 0.3f)); },
           [&](float px, float py) {
               Rgba color = Mix(left, right, std::clamp((px - x) / w, 0.0f, 1.0f));
               const float shine = 1.0f - std::clamp((py - y) / h, 0.0f, 1.0f);
               color.r += (1.0f - color.r) * shine * 0.4f;
               color.g += (1.0f - color.g) * shine * 0.4f;
               color.b += (1.0f - color.b) * shine * 0.4f;
               return color;
           });
}

void Ring(Canvas& c, float cx, float cy, float radius, float width, Rgba color, int ticks, float gap)
{
    c.Fill(
        [&](float px, float py) {
            float cover = RingCover(px, py, cx, cy, radius, width * 0.5f);
            if (gap > 0.0f)
            {
                // Four gaps at the diagonals.
                const float a = std::atan2(py - cy, px - cx) + Pi;
                const float d = std::fabs(std::fmod(a + Pi / 4.0f, Pi / 2.0f) - Pi / 4.0f) * radius;
                cover *= d > gap * 0.5f ? 1.0f : 0.0f;
            }
            return cover;
        },
        [&](float, float) { return color; });
    for (int i = 0; i < ticks; ++i)
    {
        const float a = float(i) * 2.0f * Pi / float(ticks);
        const float inner = radius - width * (i % 4 == 0 ? 3.0f : 1.8f);
        Line(c, cx + std::cos(a) * inner, cy + std::sin(a) * inner, cx + std::cos(a) * radius,
             cy + std::sin(a) * radius, std::max(1.0f, width * 0.5f), color);
    }
}

void ArrowUp(Canvas& c, float cx, float top, float width, float height, Rgba color)
{
    const std::vector<float> xs = {cx, cx + width * 0.5f, cx, cx - width * 0.5f};
    const std::vector<float> ys = {top, top + height, top + height * 0.7f, top + height};
    const std::vector<float> leftX = {xs[0], xs[2], xs[3]}, leftY = {ys[0], ys[2], ys[3]};
    const std::vector<float> rightX = {xs[0], xs[1], xs[2]}, rightY = {ys[0], ys[1], ys[2]};
    c.Fill([&](float px,
               float py) { return std::max(PolygonCover(px, py, leftX, leftY), PolygonCover(px, py, rightX, rightY)); },
           [&](float, float) { return color; });
}

void Brackets(Canvas& c, float x, float y, float size, float arm, float width, Rgba color)
{
    const float x2 = x + size, y2 = y + size;
    Line(c, x, y, x + arm, y, width, color);
    Line(c, x, y, x, y + arm, width, color);
    Line(c, x2, y, x2 - arm, y, width, color);
    Line(c, x2, y, x2, y + arm, width, color);
    Line(c, x, y2, x + arm, y2, width, color);
    Line(c, x, y2, x, y2 - arm, width, color);
    Line(c, x2, y2, x2 - arm, y2, width, color);
    Line(c, x2, y2, x2, y2 - arm, width, color);
}

void Lamp(Canvas& c, float cx, float cy, float radius, Rgba color)
{
    c.Fill([&](float px, float py) { return std::hypot(px - cx, py - cy) < radius * 2.0f ? 1.0f : 0.0f; },
           [&](float px, float py) {
               const float d = std::hypot(px - cx, py - cy) / (radius * 2.0f);
               return WithAlpha(color, std::clamp(1.0f - d, 0.0f, 1.0f) * 0.6f);
           });
    c.Fill([&](float px, float py) { return CircleCover(px, py, cx, cy, radius); },
           [&](float px, float py) {
               const float d = std::hypot(px - cx + radius * 0.3f, py - cy + radius * 0.3f) / radius;
               return Mix(White, color, std::clamp(d, 0.0f, 1.0f));
           });
}

void Flame(Canvas& c, float fromX, float toX, float cy, float height, Rgba core, Rgba edge)
{
    c.Fill(
        [&](float px, float py) {
            const float t = (px - fromX) / (toX - fromX);
            if (t < 0.0f || t > 1.0f)
                return 0.0f;
            const float half = height * 0.5f * std::sqrt(1.0f - t) * (0.8f + 0.2f * std::sin(t * 18.0f));
            return EdgeCover(std::fabs(py - cy) - half);
        },
        [&](float px, float py) {
            const float t = std::clamp((px - fromX) / (toX - fromX), 0.0f, 1.0f);
            const float across = std::clamp(std::fabs(py - cy) / (height * 0.5f), 0.0f, 1.0f);
            return WithAlpha(Mix(core, edge, std::max(t, across)), 1.0f - t * 0.8f);
        });
}

void Crack(Canvas& c, float cx, float cy, float reach, unsigned seed)
{
    const int rays = 5 + int(Hash(seed, 1) % 4);
    for (int i = 0; i < rays; ++i)
    {
        float a = float(i) * 2.0f * Pi / float(rays) + Unit(Hash(seed, 10 + i)) * 0.8f;
        float x = cx, y = cy;
        const float length = reach * (0.5f + 0.5f * Unit(Hash(seed, 20 + i)));
        for (int step = 0; step < 5; ++step)
        {
            a += (Unit(Hash(seed * 31 + i, step)) - 0.5f) * 0.6f;
            const float nx = x + std::cos(a) * length / 5.0f, ny = y + std::sin(a) * length / 5.0f;
            Line(c, x, y, nx, ny, 1.6f - step * 0.2f, Rgba{0.85f, 0.95f, 1.0f, 0.75f});
            x = nx;
            y = ny;
        }
    }
    c.Fill([&](float px, float py) { return RingCover(px, py, cx, cy, reach * 0.12f, 1.0f); },
           [&](float, float) {
               return Rgba{0.9f, 0.97f, 1.0f, 0.6f};
           });
}

void Fighter(Canvas& c, float cx, float cy, float size, Rgba fill, Rgba line)
{
    const float s = size / 100.0f;
    const std::vector<float> xs = {0, 10, 46, 46, 10, 6, -6, -10, -46, -46, -10};
    const std::vector<float> ys = {-48, -10, 22, 34, 22, 40, 40, 22, 34, 22, -10};
    // The outline as segments; the body as two convex halves.
    const std::vector<float> bodyX = {cx, cx + 10 * s, cx + 6 * s, cx - 6 * s, cx - 10 * s};
    const std::vector<float> bodyY = {cy - 48 * s, cy - 10 * s, cy + 40 * s, cy + 40 * s, cy - 10 * s};
    const std::vector<float> wingX = {cx - 10 * s, cx + 10 * s, cx + 46 * s, cx + 46 * s, cx - 46 * s, cx - 46 * s};
    const std::vector<float> wingY = {cy - 10 * s, cy - 10 * s, cy + 22 * s, cy + 34 * s, cy + 34 * s, cy + 22 * s};
    c.Fill([&](float px,
               float py) { return std::max(PolygonCover(px, py, bodyX, bodyY), PolygonCover(px, py, wingX, wingY)); },
           [&](float, float) { return fill; });
    for (size_t i = 0; i < xs.size(); ++i)
    {
        const size_t j = (i + 1) % xs.size();
        Line(c, cx + xs[i] * s, cy + ys[i] * s, cx + xs[j] * s, cy + ys[j] * s, std::max(1.0f, 1.5f * s), line);
    }
}

void Cargo(Canvas& c, float cx, float cy, float size, Rgba fill, Rgba line)
{
    const float w = size * 0.32f, h = size * 0.9f;
    Panel(c, cx - w / 2, cy - h / 2, w, h, w * 0.4f, fill, line, std::max(1.0f, size / 60.0f));
    for (int i = 1; i < 4; ++i)
        Line(c, cx - w / 2, cy - h / 2 + h * float(i) / 4.0f, cx + w / 2, cy - h / 2 + h * float(i) / 4.0f, 1.0f, line);
    Panel(c, cx - w * 0.9f, cy + h * 0.25f, w * 1.8f, h * 0.12f, 2.0f, fill, line, 1.0f);
}

void Line(Canvas& c, float ax, float ay, float bx, float by, float width, Rgba color)
{
    c.Fill([&](float px, float py) { return SegmentCover(px, py, ax, ay, bx, by, width * 0.5f); },
           [&](float, float) { return color; });
}

Font* CaptionFont(unsigned height, bool bold)
{
    static std::unique_ptr<FontLibrary> library = FontLibrary::Create();
    static std::map<std::pair<unsigned, bool>, std::unique_ptr<Font>> fonts;
    if (!library)
        return nullptr;
    std::unique_ptr<Font>& font = fonts[{height, bold}];
    if (!font)
    {
        FontDesc desc;
        desc.face = "Arial";
        desc.height = height;
        desc.weight = bold ? 700 : 400;
        font = Font::Create(*library, desc);
    }
    return font.get();
}

void Caption(Canvas& c, const std::string& text, float cx, float cy, unsigned height, bool bold, Rgba color)
{
    Font* font = CaptionFont(height, bold);
    if (!font)
        return;
    const std::u32string letters = DecodeUtf8(text);
    float advance = 0.0f;
    for (char32_t letter : letters)
        advance += font->GetGlyph(letter).advance;
    float penX = cx - advance * 0.5f;
    const float baseline = cy + float(font->GetAscent()) * 0.36f;
    const GlyphAtlas& atlas = font->GetAtlas();
    for (char32_t letter : letters)
    {
        const Font::Glyph& glyph = font->GetGlyph(letter);
        for (unsigned gy = 0; gy < glyph.height; ++gy)
        {
            for (unsigned gx = 0; gx < glyph.width; ++gx)
            {
                const int x = int(penX) + glyph.left + int(gx);
                const int y = int(baseline) - glyph.top + int(gy);
                if (x < 0 || y < 0 || x >= int(c.Width()) || y >= int(c.Height()))
                    continue;
                const unsigned char v =
                    atlas.GetPixels()[size_t(glyph.atlasY + gy) * atlas.GetWidth() + glyph.atlasX + gx];
                if (v)
                    c.Blend(unsigned(x), unsigned(y), color, float(v) / 255.0f);
            }
        }
        penX += glyph.advance;
    }
}

} // namespace HudArt
