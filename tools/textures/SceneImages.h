#pragma once
#include "textures/Image.h"

// A square opaque mask, black in the middle and white towards the edges.
Image MakeEdgeMask(unsigned size);
// Four cells of 2 x 2 for lens flares, white shapes on black with alpha: a bright disc, a thin
// ring, a soft hexagon and a glow with rays.
Image MakeFlareAtlas(unsigned cell);
// A square of random unit vectors for the ambient occlusion's sampling, packed to 0..255 per
// component (x in red, y in green, z in blue), opaque; the same for the same seed.
Image MakeRandomNormals(unsigned size, unsigned seed);
