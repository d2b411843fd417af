#include "guitextures/MissionArt.h"

#include "guitextures/Canvas.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using Rgba = Canvas::Rgba;

constexpr float Pi = 3.14159265f;
const Rgba Cyan{0.35f, 0.85f, 1.0f, 1.0f};
const Rgba Amber{0.89f, 0.6f, 0.18f, 1.0f};
const Rgba Steel{0.55f, 0.62f, 0.7f, 1.0f};
const Rgba Ink{0.03f, 0.06f, 0.1f, 1.0f};

Rgba Alpha(Rgba c, float a)
{
    c.a = a;
    return c;
}

auto Solid(Rgba color)
{
    return [color](float, float) { return color; };
}

// The outline of a rounded rectangle, `thickness` wide.
float FrameCover(float x, float y, float left, float top, float width, float height, float radius, float thickness)
{
    const float cx = std::clamp(x, left + radius, left + width - radius);
    const float cy = std::clamp(y, top + radius, top + height - radius);
    return EdgeCover(std::fabs(std::hypot(x - cx, y - cy) - radius) - thickness * 0.5f);
}

void Stars(Canvas& canvas, uint32_t seed, int count)
{
    for (int i = 0; i < count; ++i)
    {
        const unsigned x = unsigned(Unit(Hash(uint32_t(i), seed)) * float(canvas.Width() - 1));
        const unsigned y = unsigned(Unit(Hash(uint32_t(i), seed + 1)) * float(canvas.Height() - 1));
        canvas.Blend(x, y, Rgba{0.85f, 0.9f, 1.0f, 0.25f + 0.75f * std::pow(Unit(Hash(uint32_t(i), seed + 2)), 3.0f)},
                     1.0f);
    }
}

// A lit sphere: `color` towards the light at the upper left, dark at the far side.
void Planet(Canvas& canvas, float cx, float cy, float radius, Rgba color)
{
    canvas.Fill([=](float x, float y) { return CircleCover(x, y, cx, cy, radius); },
                [=](float x, float y) {
                    const float light = std::clamp(
                        1.0f - std::hypot(x - (cx - radius * 0.5f), y - (cy - radius * 0.5f)) / (radius * 1.8f), 0.0f,
                        1.0f);
                    const float bands = 0.08f * std::sin((y - cy) / radius * 9.0f);
                    return Mix(Ink, color, light + bands);
                });
}

// A long freighter seen from the side: hull, bridge and engine glow, `length` long, nose right.
void Freighter(Canvas& canvas, float x0, float y0, float length)
{
    const float h = length * 0.16f;
    canvas.Fill([=](float x, float y) { return RoundRectCover(x, y, x0, y0, length, h, h * 0.3f); },
                [=](float, float y) {
                    return Mix(Steel, Rgba{0.2f, 0.23f, 0.27f, 1.0f}, (y - y0) / h);
                });
    for (int k = 0; k < 4; ++k)
    {
        const float left = x0 + length * (0.12f + 0.17f * float(k));
        canvas.Fill(
            [=](float x, float y) { return RoundRectCover(x, y, left, y0 - h * 0.45f, length * 0.14f, h * 0.5f, 2); },
            Solid(Rgba{0.42f, 0.36f, 0.3f, 1.0f}));
    }
    canvas.Fill(
        [=](float x, float y) {
            return RoundRectCover(x, y, x0 + length * 0.8f, y0 - h * 0.35f, length * 0.12f, h * 0.4f, 2);
        },
        Solid(Steel));
    canvas.Fill([=](float x, float y) { return CircleCover(x, y, x0 - 2.0f, y0 + h * 0.5f, h * 0.35f); },
                Solid(Rgba{0.5f, 0.8f, 1.0f, 0.8f}));
}

} // namespace

Image MakeFace(int index, unsigned size)
{
    const Rgba coats[] = {{0.55f, 0.25f, 0.2f, 1}, {0.25f, 0.45f, 0.3f, 1}, {0.3f, 0.35f, 0.55f, 1},
                          {0.5f, 0.45f, 0.25f, 1}, {0.45f, 0.3f, 0.5f, 1},  {0.25f, 0.5f, 0.55f, 1}};
    const Rgba skins[] = {
        {0.85f, 0.7f, 0.58f, 1}, {0.62f, 0.48f, 0.36f, 1}, {0.55f, 0.75f, 0.6f, 1}, {0.7f, 0.72f, 0.8f, 1}};
    const Rgba coat = coats[index % 6];
    const Rgba skin = skins[(index / 2) % 4];
    const float s = float(size);
    Canvas canvas(size, size, Rgba{0, 0, 0, 1});
    canvas.Fill([](float, float) { return 1.0f; },
                [=](float, float y) { return Mix(Mix(coat, Ink, 0.6f), Ink, y / s); });
    canvas.Fill([=](float x, float y) { return CircleCover(x, y, s * 0.5f, s * 1.05f, s * 0.45f); },
                [=](float, float y) { return Mix(coat, Ink, (y - s * 0.6f) / s); });
    canvas.Fill([=](float x, float y) { return RoundRectCover(x, y, s * 0.43f, s * 0.5f, s * 0.14f, s * 0.2f, 3); },
                Solid(Mix(skin, Ink, 0.3f)));
    const float headWidth = s * (0.18f + 0.02f * float(index % 3));
    canvas.Fill(
        [=](float x, float y) {
            return EdgeCover((std::hypot((x - s * 0.5f) / headWidth, (y - s * 0.38f) / (s * 0.23f)) - 1.0f) * s * 0.2f);
        },
        [=](float x, float y) { return Mix(skin, Ink, 0.1f + 0.5f * std::hypot(x - s * 0.42f, y - s * 0.3f) / s); });
    // Hair or a helmet, and a visor or an eye band.
    canvas.Fill(
        [=](float x, float y) {
            return y < s * 0.3f
                       ? EdgeCover(
                             (std::hypot((x - s * 0.5f) / (headWidth * 1.05f), (y - s * 0.36f) / (s * 0.25f)) - 1.0f) *
                             s * 0.2f)
                       : 0.0f;
        },
        Solid(index % 2 ? Rgba{0.15f, 0.12f, 0.1f, 1} : Mix(coat, Steel, 0.5f)));
    const Rgba band = index % 3 == 0 ? Alpha(Cyan, 0.85f) : Rgba{0.08f, 0.08f, 0.1f, 1};
    canvas.Fill(
        [=](float x, float y) {
            return RoundRectCover(x, y, s * 0.5f - headWidth * 0.85f, s * 0.34f, headWidth * 1.7f, s * 0.06f, 2);
        },
        Solid(band));
    return canvas.ToImage();
}

Image MakeBriefingPage(int page, unsigned width, unsigned height)
{
    const float w = float(width), h = float(height);
    // Design units of the 1280 x 960 page.
    const float u = w / 1280.0f;
    Canvas canvas(width, height, Rgba{0, 0, 0, 1});
    canvas.Fill([](float, float) { return 1.0f; },
                [=](float x, float y) {
                    const float glow =
                        std::exp(-std::pow((x / w - 0.5f) * 2.0f, 2.0f) - std::pow((y / h - 0.45f) * 2.5f, 2.0f));
                    const float line = std::fmod(y, 4.0f * u) < 1.0f ? 0.02f : 0.0f;
                    return Rgba{0.01f + line, 0.04f + 0.06f * glow + line, 0.07f + 0.12f * glow + line, 1};
                });
    auto frame = [&](float left, float top, float fw, float fh) {
        canvas.Fill([=](float x, float y) { return RoundRectCover(x, y, left * u, top * u, fw * u, fh * u, 10 * u); },
                    Solid(Rgba{0.02f, 0.08f, 0.14f, 0.85f}));
        canvas.Fill(
            [=](float x, float y) { return FrameCover(x, y, left * u, top * u, fw * u, fh * u, 10 * u, 2 * u); },
            Solid(Alpha(Cyan, 0.7f)));
    };
    // A bar across the top with a title strip, and the console's frames.
    canvas.Fill([=](float x, float y) { return RoundRectCover(x, y, 40 * u, 24 * u, 1200 * u, 12 * u, 6 * u); },
                Solid(Alpha(Amber, 0.8f)));
    if (page == 0)
    {
        frame(170, 180, 840, 530);
        frame(185, 268, 264, 264);
    }
    else
    {
        frame(70, 150, 546, 546);
        frame(680, 45, 580, 740);
        frame(686, 51, 264, 264);
    }
    frame(400, 820, 480, 88);
    return canvas.ToImage();
}

Image MakeOrderPhoto(int index, unsigned size)
{
    const float s = float(size);
    Canvas canvas(size, size, Rgba{0.0f, 0.01f, 0.03f, 1});
    Stars(canvas, 40 + uint32_t(index), 160);
    Planet(canvas, s * (0.85f - 0.03f * float(index)), s * 0.8f, s * (0.55f - 0.03f * float(index)),
           Rgba{0.55f, 0.45f, 0.8f, 1});
    // Closer on the first photos, further on the last ones.
    const float length = s * (0.9f - 0.06f * float(index));
    Freighter(canvas, s * 0.5f - length * 0.5f + s * 0.02f * float(index % 3), s * (0.3f + 0.02f * float(index)),
              length);
    if (index >= 5)
        Freighter(canvas, s * 0.15f, s * 0.62f, length * 0.55f);
    // The grain and lines of a transmission.
    canvas.Fill([](float, float) { return 1.0f; },
                [=](float x, float y) {
                    const float grain = Unit(Hash(uint32_t(x), uint32_t(y) + 97u * uint32_t(index)));
                    const bool line = std::fmod(y, 3.0f) < 1.0f;
                    return Rgba{0.4f, 0.8f, 1.0f, (line ? 0.07f : 0.0f) + 0.05f * grain};
                });
    canvas.Fill([=](float x, float y) { return FrameCover(x, y, 2, 2, s - 4, s - 4, 4, 2); }, Solid(Cyan));
    return canvas.ToImage();
}

Image MakeButtonBar(unsigned width, unsigned height)
{
    const float w = float(width), h = float(height);
    Canvas canvas(width, height);
    canvas.Fill(
        [=](float x, float y) { return RoundRectCover(x, y, 1, 1, w - 2, h - 2, h * 0.45f); },
        [=](float x, float) { return Mix(Alpha(Cyan, 0.9f), Alpha(Ink, 0.6f), std::fabs(x / w - 0.5f) * 2.0f); });
    canvas.Fill([=](float x, float y) { return FrameCover(x, y, 1, 1, w - 2, h - 2, h * 0.45f, 2); }, Solid(Cyan));
    return canvas.ToImage();
}

Image MakeLoanCard(unsigned width, unsigned height)
{
    const float w = float(width), h = float(height);
    Canvas canvas(width, height);
    canvas.Fill([=](float x, float y) { return RoundRectCover(x, y, 8, 8, w - 16, h - 16, 12); },
                [=](float, float y) {
                    return Mix(Rgba{0.1f, 0.2f, 0.32f, 0.95f}, Alpha(Ink, 0.95f), y / h);
                });
    canvas.Fill([=](float x, float y) { return FrameCover(x, y, 8, 8, w - 16, h - 16, 12, 3); },
                Solid(Rgba{0.44f, 0.66f, 1.0f, 1}));
    canvas.Fill([=](float x, float y) { return CircleCover(x, y, w * 0.25f, h * 0.5f, h * 0.26f); }, Solid(Amber));
    canvas.Fill([=](float x, float y) { return RingCover(x, y, w * 0.25f, h * 0.5f, h * 0.18f, 2); },
                Solid(Rgba{1, 0.9f, 0.6f, 1}));
    for (int k = 0; k < 3; ++k)
    {
        const float top = h * (0.3f + 0.16f * float(k));
        canvas.Fill(
            [=](float x, float y) {
                return RoundRectCover(x, y, w * 0.45f, top, w * (0.4f - 0.08f * float(k)), h * 0.07f, 3);
            },
            Solid(Rgba{0.54f, 0.56f, 0.6f, 1}));
    }
    return canvas.ToImage();
}

Image MakeScrollArrow(unsigned size, bool up)
{
    // The up arrow left of the down arrow, side by side so that both can show, in the band
    // between the list's last row and its frame's foot (58 to 80 of 128 below the square's top).
    const float s = float(size);
    Canvas canvas(size, size);
    const float top = s * 0.453f, bottom = s * 0.625f;
    const float tip = up ? top : bottom, base = up ? bottom : top;
    const float middle = up ? s * 0.352f : s * 0.648f, half = s * 0.109f;
    const std::vector<float> xs = {middle, middle + half, middle - half};
    const std::vector<float> ys = {tip, base, base};
    canvas.Fill([=](float x, float y) { return PolygonCover(x, y, xs, ys); },
                [=](float, float y) {
                    return Mix(Amber, Rgba{1, 0.85f, 0.5f, 1}, std::fabs(y - tip) / (bottom - top));
                });
    return canvas.ToImage();
}

Image MakeMissionPicture(int index, unsigned size)
{
    const float s = float(size);
    Canvas canvas(size, size, Rgba{0.0f, 0.01f, 0.03f, 1});
    Stars(canvas, 70 + uint32_t(index), int(size));
    if (index == 0)
    {
        Planet(canvas, s * 0.2f, s * 0.25f, s * 0.16f, Rgba{0.8f, 0.55f, 0.3f, 1});
        // Mines: spiked spheres scattered over the field.
        for (uint32_t i = 0; i < 9; ++i)
        {
            const float cx = s * (0.15f + 0.7f * Unit(Hash(i, 5))), cy = s * (0.35f + 0.55f * Unit(Hash(i, 6)));
            const float r = s * (0.03f + 0.04f * Unit(Hash(i, 7)));
            for (int k = 0; k < 8; ++k)
            {
                const float a = float(k) * Pi / 4.0f;
                canvas.Fill(
                    [=](float x, float y) {
                        return SegmentCover(x, y, cx, cy, cx + std::cos(a) * r * 1.5f, cy + std::sin(a) * r * 1.5f,
                                            s * 0.006f);
                    },
                    Solid(Steel));
            }
            Planet(canvas, cx, cy, r, Rgba{0.7f, 0.3f, 0.25f, 1});
        }
    }
    else
    {
        Planet(canvas, s * 0.7f, s * 0.75f, s * 0.45f, Rgba{0.35f, 0.55f, 0.85f, 1});
        Freighter(canvas, s * 0.12f, s * 0.3f, s * 0.55f);
        Freighter(canvas, s * 0.35f, s * 0.48f, s * 0.4f);
    }
    canvas.Fill([=](float x, float y) { return FrameCover(x, y, 1.5f, 1.5f, s - 3, s - 3, 4, 3); },
                Solid(Alpha(Cyan, 0.8f)));
    return canvas.ToImage();
}
