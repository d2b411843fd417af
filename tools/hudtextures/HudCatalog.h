#pragma once
// Every picture of the HUD: the material the game loads, the texture it shows, its size and
// how it is painted.
#include "guitextures/Canvas.h"

#include <functional>
#include <string>
#include <vector>

struct HudPicture
{
    std::string material; // as the game names it ("gui//energy_shield.mat"); empty for a texture alone
    std::string texture;  // below textures/ ("gui/hud/energy_shield.dds")
    unsigned width = 0, height = 0;
    std::function<void(Canvas&)> paint;
    std::string about; // the material's comment line
    bool additive = false;
};

// A picture whose texture is named after its material, in "gui/hud/".
HudPicture Picture(const std::string& material, unsigned width, unsigned height, std::function<void(Canvas&)> paint,
                   const std::string& about);

// The container, the message strip, the statistics panel, the target panel, the big message
// box and the objectives panel.
std::vector<HudPicture> PanelPictures();

// The crosshair with its boxes, arrows, bars and indicators, the glass cracks, the radar's blip
// and the crosshair's cursor texture.
std::vector<HudPicture> CrosshairAndRadarPictures();

// The own-ship panel, the speed gauges and the message boxes with their photos.
std::vector<HudPicture> GaugePictures();

// The target groups that the offers' level logic names.
std::vector<HudPicture> MissionLogicPictures();

std::vector<HudPicture> AllHudPictures();
