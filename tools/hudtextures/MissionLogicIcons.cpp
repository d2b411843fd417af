// The pictures of the target groups that the offers' level logic names on the statistics panel.
#include "HudArt.h"
#include "HudCatalog.h"

using namespace HudArt;

std::vector<HudPicture> MissionLogicPictures()
{
    // The portal: a gate ring with its inner field, where the group pictures stand on the plate
    // (between rows 38 and 76).
    HudPicture portal = Picture(
        "gui//icons//ytg_portal_03.mat", 128, 128,
        [](Canvas& c) {
            Ring(c, 72.0f, 57.0f, 16.0f, 2.5f, Cyan, 0, 0.0f);
            Ring(c, 72.0f, 57.0f, 10.0f, 1.5f, WithAlpha(Green, 0.8f), 0, 6.0f);
            Lamp(c, 72.0f, 57.0f, 4.0f, WithAlpha(Green, 0.6f));
        },
        "The picture of the Ytg portal, the way out of a system.");
    portal.texture = "gui/icons/ytg_portal_03.dds";
    return {portal};
}
