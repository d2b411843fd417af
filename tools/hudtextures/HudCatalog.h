#pragma once
// Every picture of the HUD: the material the game loads, the texture it shows, its size and
// how it is painted.
#include "guitextures/Canvas.h"

#include <functional>
#include <string>
#include <vector>

class HudWords;

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

// The pictures with words in them (the level labels, the flight models, the gear display).
std::vector<HudPicture> WordPictures(const HudWords& words);
// The same in another language, for the game to take in that language: the materials as
// "<language>//<material>", the textures in a "<language>" folder beside the English ones.
std::vector<HudPicture> LocalisedPictures(const HudWords& words);

// Every picture, the words in English.
std::vector<HudPicture> AllHudPictures(const HudWords& english);
