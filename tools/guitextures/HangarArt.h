#pragma once

#include "textures/DdsWriter.h"
#include "textures/Image.h"

#include <functional>
#include <string>
#include <vector>

// The hangar's pictures: carousel arrows, flight-model icons, slot plates, the device cards,
// the panel behind its pieces, and the hangar hall and hull plating of the 3D scene.
struct HangarPicture
{
    std::string path; // under textures/
    std::function<Image()> make;
    bool mips = false; // scene textures get their mip chain
};

std::vector<HangarPicture> HangarPictures();
