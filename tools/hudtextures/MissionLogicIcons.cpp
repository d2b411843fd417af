// The pictures of the target groups that the offers' level logic names on the statistics panel.
#include "HudArt.h"
#include "HudCatalog.h"

#include <algorithm>
#include <cmath>

using namespace HudArt;

namespace {

// An upright ellipse ring about (cx, cy).
void Gate(Canvas& c, float cx, float cy, float rx, float ry, float width, Rgba color)
{
    c.Fill(
        [=](float x, float y) {
            const float dx = (x - cx) / rx, dy = (y - cy) / ry;
            const float d = (std::sqrt(dx * dx + dy * dy) - 1.0f) * std::min(rx, ry);
            return std::clamp(width * 0.5f - std::fabs(d) + 0.5f, 0.0f, 1.0f);
        },
        [=](float, float) { return color; });
}

} // namespace

std::vector<HudPicture> MissionLogicPictures()
{
    // The portal: a gate seen edge-on with its glowing field, narrow enough for a small row,
    // whose count and emblem leave it columns 67 to 81 (rows 45 to 70, as every group picture).
    HudPicture portal = Picture(
        "gui//icons//ytg_portal_03.mat", 128, 128,
        [](Canvas& c) {
            Gate(c, 74.0f, 57.5f, 5.5f, 12.0f, 2.0f, Cyan);
            Gate(c, 74.0f, 57.5f, 2.5f, 7.5f, 1.5f, WithAlpha(Green, 0.8f));
            Lamp(c, 74.0f, 57.5f, 1.5f, WithAlpha(Green, 0.6f));
        },
        "The picture of the Ytg portal, the way out of a system.");
    portal.texture = "gui/icons/ytg_portal_03.dds";
    return {portal};
}
