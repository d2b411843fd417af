#include "guitextures/NetworkArt.h"

#include "guitextures/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

using Rgba = Canvas::Rgba;

constexpr float Pi = 3.14159265f;
constexpr unsigned PictureSize = 256;

// Team 0 flies in cyan, team 1 in amber.
const Rgba TeamColors[2] = {{0.35f, 0.85f, 1.0f, 1.0f}, {1.0f, 0.7f, 0.25f, 1.0f}};
const Rgba DeepBlue{0.04f, 0.09f, 0.16f, 0.85f};
const Rgba White{1.0f, 1.0f, 1.0f, 1.0f};

std::function<Rgba(float, float)> Flat(Rgba color)
{
    return [color](float, float) { return color; };
}

Rgba Faded(Rgba color, float alpha) { return Rgba{color.r, color.g, color.b, color.a * alpha}; }

// The disc every picture stands on: dark glass with a team-coloured rim, brighter and doubled
// when the picture is the chosen one.
void Base(Canvas& canvas, const Rgba& team, bool chosen)
{
    const float s = float(canvas.Width()), c = s * 0.5f;
    canvas.Fill([=](float x, float y) { return CircleCover(x, y, c, c, s * 0.46f); }, Flat(DeepBlue));
    canvas.Fill([=](float x, float y) { return RingCover(x, y, c, c, s * 0.46f, s * (chosen ? 0.02f : 0.008f)); },
                Flat(Faded(team, chosen ? 1.0f : 0.6f)));
    if (chosen)
        canvas.Fill([=](float x, float y) { return RingCover(x, y, c, c, s * 0.42f, s * 0.006f); },
                    Flat(Faded(White, 0.8f)));
}

// A regular polygon of `sides` around the centre, turned by `turn` radians.
std::vector<float> Ring(int sides, float cx, float cy, float radius, float turn, bool xs)
{
    std::vector<float> values;
    for (int i = 0; i < sides; ++i)
    {
        const float angle = turn + 2.0f * Pi * float(i) / float(sides);
        values.push_back(xs ? cx + radius * std::cos(angle) : cy + radius * std::sin(angle));
    }
    return values;
}

// Team 0's emblem is a hexagon around a star, team 1's a triangle around a diamond.
Image TeamEmblem(int team, bool chosen)
{
    Canvas canvas(PictureSize, PictureSize);
    const Rgba color = TeamColors[team];
    Base(canvas, color, chosen);
    const float s = float(PictureSize), c = s * 0.5f;
    const int sides = team == 0 ? 6 : 3;
    const float turn = team == 0 ? 0.0f : -Pi / 2;
    const std::vector<float> outerX = Ring(sides, c, c, s * 0.34f, turn, true);
    const std::vector<float> outerY = Ring(sides, c, c, s * 0.34f, turn, false);
    canvas.Fill([&](float x, float y) { return PolygonCover(x, y, outerX, outerY); },
                Flat(Faded(color, chosen ? 0.9f : 0.55f)));
    const int points = team == 0 ? 5 : 4;
    for (int i = 0; i < points; ++i)
    {
        const float angle = -Pi / 2 + 2.0f * Pi * float(i) / float(points);
        const float tipX = c + s * 0.2f * std::cos(angle), tipY = c + s * 0.2f * std::sin(angle);
        canvas.Fill([=](float x, float y) { return SegmentCover(x, y, c, c, tipX, tipY, s * 0.025f); },
                    Flat(chosen ? White : Faded(White, 0.7f)));
    }
    canvas.Fill([=](float x, float y) { return CircleCover(x, y, c, c, s * 0.05f); }, Flat(White));
    return canvas.ToImage();
}

// A ship seen from above, nose up: the hull's width, the wings' sweep and span change with the
// ship's number (1..6), so the six read apart.
Image Ship(int team, int ship, bool chosen)
{
    Canvas canvas(PictureSize, PictureSize);
    const Rgba color = TeamColors[team];
    Base(canvas, color, chosen);
    const float s = float(PictureSize), c = s * 0.5f;
    const float span = s * (0.18f + 0.035f * float(ship));
    const float sweep = s * (0.30f - 0.025f * float(ship));
    const float hull = s * (0.05f + 0.008f * float(ship));
    const std::vector<float> wingX = {c, c + span, c + span * 0.8f, c, c - span * 0.8f, c - span};
    const std::vector<float> wingY = {c - s * 0.05f, c + sweep * 0.5f, c + sweep * 0.7f,
                                      c + s * 0.12f, c + sweep * 0.7f, c + sweep * 0.5f};
    canvas.Fill([&](float x, float y) { return PolygonCover(x, y, wingX, wingY); },
                Flat(Faded(color, chosen ? 0.95f : 0.6f)));
    const std::vector<float> hullX = {c, c + hull, c + hull, c - hull, c - hull};
    const std::vector<float> hullY = {c - s * 0.34f, c - s * 0.1f, c + s * 0.26f, c + s * 0.26f, c - s * 0.1f};
    canvas.Fill([&](float x, float y) { return PolygonCover(x, y, hullX, hullY); },
                Flat(chosen ? White : Faded(White, 0.75f)));
    canvas.Fill([=](float x, float y) { return CircleCover(x, y, c, c - s * 0.12f, hull * 0.6f); },
                Flat(Faded(color, 1.0f)));
    return canvas.ToImage();
}

} // namespace

std::vector<NetworkPicture> NetworkPictures()
{
    std::vector<NetworkPicture> pictures;
    char path[64];
    for (int team = 0; team < 2; ++team)
    {
        for (bool chosen : {false, true})
        {
            std::snprintf(path, sizeof(path), "gui/network/team_%02d%s.dds", team, chosen ? "s" : "");
            pictures.push_back({path, [team, chosen] { return TeamEmblem(team, chosen); }});
            for (int ship = 1; ship <= 6; ++ship)
            {
                std::snprintf(path, sizeof(path), "gui/network/ship_team_%02d_%02d%s.dds", team, ship,
                              chosen ? "s" : "");
                pictures.push_back({path, [team, ship, chosen] { return Ship(team, ship, chosen); }});
            }
        }
    }
    return pictures;
}
