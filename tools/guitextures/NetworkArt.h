#pragma once

#include "textures/Image.h"

#include <functional>
#include <string>
#include <vector>

// The pictures of the network game's overlays: the two teams' emblems and the first six ships
// of each team, each also highlighted as the chosen one.
struct NetworkPicture
{
    std::string path; // under textures/
    std::function<Image()> make;
};

std::vector<NetworkPicture> NetworkPictures();
