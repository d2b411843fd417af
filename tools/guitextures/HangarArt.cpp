#include "guitextures/HangarArt.h"

#include "guitextures/Canvas.h"

#include <algorithm>
#include <cmath>

namespace {

using Rgba = Canvas::Rgba;

const Rgba Cyan{0.35f, 0.85f, 1.0f, 1.0f};
const Rgba DeepBlue{0.04f, 0.09f, 0.16f, 0.85f};
const Rgba Amber{1.0f, 0.75f, 0.25f, 1.0f};

std::function<Rgba(float, float)> Flat(Rgba color)
{
    return [color](float, float) { return color; };
}

// A chevron pointing right (or left), a glow under a bright core.
Image Arrow(unsigned width, unsigned height, bool right)
{
    Canvas canvas(width, height);
    const float w = float(width), h = float(height);
    auto chevron = [&](float inset, float half) {
        const float tipX = right ? w - inset : inset;
        const float backX = right ? inset : w - inset;
        return [=](float x, float y) {
            return std::max(SegmentCover(x, y, backX, inset, tipX, h * 0.5f, half),
                            SegmentCover(x, y, backX, h - inset, tipX, h * 0.5f, half));
        };
    };
    canvas.Fill(chevron(w * 0.22f, w * 0.12f), Flat(Rgba{Cyan.r, Cyan.g, Cyan.b, 0.35f}));
    canvas.Fill(chevron(w * 0.22f, w * 0.05f), Flat(Rgba{0.85f, 0.97f, 1.0f, 1.0f}));
    return canvas.ToImage();
}

// The four flight models as plan views of a ship's motion: direct (one arrow ahead), strafe
// (sideways arrows), duplex (ahead and back), combined (all four), in the upper left square of
// side `extent` of the picture.
Image FlightModelIcon(unsigned size, unsigned extent, int model)
{
    Canvas canvas(size, size);
    const float s = float(extent), c = s * 0.5f, r = s * 0.46f;
    canvas.Fill([=](float x, float y) { return CircleCover(x, y, c, c, r); }, Flat(DeepBlue));
    canvas.Fill([=](float x, float y) { return RingCover(x, y, c, c, r, s * 0.02f); }, Flat(Cyan));
    const float half = s * 0.035f, len = s * 0.3f, head = s * 0.1f;
    auto arrow = [&](float dx, float dy) {
        const float ex = c + dx * len, ey = c + dy * len;
        const float px = -dy, py = dx;
        canvas.Fill(
            [=](float x, float y) {
                return std::max(
                    {SegmentCover(x, y, c, c, ex, ey, half),
                     SegmentCover(x, y, ex, ey, ex - dx * head + px * head, ey - dy * head + py * head, half),
                     SegmentCover(x, y, ex, ey, ex - dx * head - px * head, ey - dy * head - py * head, half)});
            },
            Flat(Amber));
    };
    arrow(0, -1);
    if (model == 2 || model == 4)
    {
        arrow(-1, 0);
        arrow(1, 0);
    }
    if (model == 3 || model == 4)
        arrow(0, 1);
    canvas.Fill([=](float x, float y) { return CircleCover(x, y, c, c, s * 0.06f); }, Flat(Rgba{1, 1, 1, 1}));
    return canvas.ToImage();
}

// A dark glass plate with a light edge; `bright` draws the edge stronger (the centre slot).
Image Plate(unsigned width, unsigned height, float edge, bool bright)
{
    Canvas canvas(width, height);
    const float w = float(width), h = float(height);
    const float cut = std::min(w, h) * 0.12f;
    const std::vector<float> xs = {cut, w - 1, w - 1, w - 1 - cut, 0, 0};
    const std::vector<float> ys = {0, 0, h - 1 - cut, h - 1, h - 1, cut};
    canvas.Fill([&](float x, float y) { return PolygonCover(x, y, xs, ys); },
                [=](float, float y) {
                    return Rgba{0.05f, 0.12f, 0.2f, 0.55f + 0.3f * (1.0f - y / h)};
                });
    Rgba line = Cyan;
    line.a = bright ? 1.0f : 0.6f;
    for (size_t i = 0; i < xs.size(); ++i)
    {
        const size_t j = (i + 1) % xs.size();
        canvas.Fill([&](float x, float y) { return SegmentCover(x, y, xs[i], ys[i], xs[j], ys[j], edge); }, Flat(line));
    }
    return canvas.ToImage();
}

// A device card: a dark field with the kind's mark in its colour.
Image DeviceCard(int kind)
{
    const unsigned size = 128;
    const float s = float(size), c = s * 0.5f;
    const Rgba colors[4] = {
        {1.0f, 0.45f, 0.3f, 1}, {0.55f, 0.8f, 1.0f, 1}, {1.0f, 0.85f, 0.3f, 1}, {0.5f, 1.0f, 0.55f, 1}};
    Canvas canvas(size, size, Rgba{0.04f, 0.08f, 0.13f, 1.0f});
    for (unsigned i = 1; i < 8; ++i)
    {
        const float at = s * float(i) / 8.0f;
        canvas.Fill(
            [=](float x, float y) {
                return std::max(SegmentCover(x, y, at, 0, at, s, 0.5f), SegmentCover(x, y, 0, at, s, at, 0.5f));
            },
            Flat(Rgba{0.2f, 0.4f, 0.55f, 0.35f}));
    }
    const Rgba color = colors[kind];
    switch (kind)
    {
    case 0: // a gun barrel and its breech
        canvas.Fill([=](float x, float y) { return SegmentCover(x, y, 28, 100, 100, 28, 7); }, Flat(color));
        canvas.Fill([=](float x, float y) { return CircleCover(x, y, 36, 92, 16); }, Flat(color));
        break;
    case 1: // a shield
        canvas.Fill(
            [=](float x, float y) {
                return PolygonCover(x, y, {c, 104, 98, c, 30, 24}, {18, 32, 76, 112, 76, 32});
            },
            Flat(color));
        break;
    case 2: // a reactor core with its ring
        canvas.Fill([=](float x, float y) { return CircleCover(x, y, c, c, 22); }, Flat(color));
        canvas.Fill([=](float x, float y) { return RingCover(x, y, c, c, 42, 5); }, Flat(color));
        break;
    default: // a module with its plug
        canvas.Fill(
            [=](float x, float y) {
                return PolygonCover(x, y, {34, 94, 94, 34}, {34, 34, 94, 94});
            },
            Flat(color));
        canvas.Fill([=](float x, float y) { return CircleCover(x, y, c, c, 12); }, Flat(Rgba{0.04f, 0.08f, 0.13f, 1}));
        break;
    }
    canvas.Fill(
        [=](float x, float y) {
            return std::max({SegmentCover(x, y, 1, 1, s - 1, 1, 1.5f), SegmentCover(x, y, s - 1, 1, s - 1, s - 1, 1.5f),
                             SegmentCover(x, y, s - 1, s - 1, 1, s - 1, 1.5f),
                             SegmentCover(x, y, 1, s - 1, 1, 1, 1.5f)});
        },
        Flat(Cyan));
    return canvas.ToImage();
}

// The hall's walls and deck: panels with seams and a light strip along each panel's top.
Image HallPanels(unsigned size)
{
    Image image = MakeNoise(size, size, 23, 0xFF1A2026, 0xFF3A444E);
    const unsigned panel = size / 4;
    for (unsigned y = 0; y < size; ++y)
    {
        for (unsigned x = 0; x < size; ++x)
        {
            if (x % panel < 2 || y % panel < 2)
                image.At(x, y) = 0xFF0C1014;
            else if (y % panel >= 6 && y % panel < 9 && x % panel > panel / 4 && x % panel < panel * 3 / 4)
                image.At(x, y) = 0xFF9FD8FF;
        }
    }
    return image;
}

// Hull plating of a race's colour: noise with panel seams.
Image HullPlating(uint32_t dark, uint32_t light, unsigned seed)
{
    Image image = MakeNoise(128, 128, seed, dark, light);
    for (unsigned y = 0; y < 128; ++y)
    {
        for (unsigned x = 0; x < 128; ++x)
        {
            if (x % 32 == 0 || y % 64 == 0)
                image.At(x, y) = 0xFF202428;
        }
    }
    return image;
}

} // namespace

std::vector<HangarPicture> HangarPictures()
{
    std::vector<HangarPicture> pictures = {
        {"angar/panel.dds", [] { return Plate(64, 64, 1.0f, false); }},
        {"angar/devices_arrow_big.dds", [] { return Arrow(128, 256, true); }},
        {"angar/devices_arrow_small.dds", [] { return Arrow(128, 128, false); }},
        {"angar/hall.dds", [] { return HallPanels(256); }, true},
    };
    const char* const models[4] = {"direct", "strafe", "duplex", "comby"};
    // The big icon stands beside the ship left of the device parameters, which begin 110 right of
    // its corner.
    const struct
    {
        char letter;
        unsigned size, extent;
    } sizes[3] = {{'s', 64, 64}, {'m', 128, 128}, {'b', 128, 100}};
    for (const auto& size : sizes)
    {
        for (int model = 1; model <= 4; ++model)
        {
            const unsigned pixels = size.size, extent = size.extent;
            pictures.push_back({std::string("angar/fm_") + size.letter + "_" + models[model - 1] + ".dds",
                                [pixels, extent, model] { return FlightModelIcon(pixels, extent, model); }});
        }
    }
    const char* const kinds[4] = {"weapons", "armor", "power", "additional"};
    for (int kind = 0; kind < 4; ++kind)
        pictures.push_back({std::string("devices/") + kinds[kind] + ".dds", [kind] { return DeviceCard(kind); }});
    // The hull plating of each race, its emblem's colour.
    const struct
    {
        const char* race;
        uint32_t dark, light;
    } races[8] = {{"asp", 0xFF1C3050, 0xFF5A7CB0}, {"blg", 0xFF4A1C16, 0xFFB05A48}, {"fslk", 0xFF17402A, 0xFF4FA070},
                  {"rtb", 0xFF4A3414, 0xFFB08A48}, {"sha", 0xFF32204A, 0xFF8064B0}, {"smkt", 0xFF144048, 0xFF48A0AC},
                  {"tld", 0xFF34383C, 0xFF8C9298}, {"ytg", 0xFF2A4014, 0xFF78A048}};
    for (unsigned i = 0; i < 8; ++i)
    {
        const auto race = races[i];
        pictures.push_back({std::string("angar/plating_") + race.race + ".dds",
                            [race, i] { return HullPlating(race.dark, race.light, 31 + i); }, true});
    }
    return pictures;
}
