#pragma once
#include "textures/Image.h"

// A square opaque mask, black in the middle and white towards the edges.
Image MakeEdgeMask(unsigned size);
// Four cells of 2 x 2 for lens flares, white shapes on black with alpha: a bright disc, a thin
// ring, a soft hexagon and a glow with rays.
Image MakeFlareAtlas(unsigned cell);
