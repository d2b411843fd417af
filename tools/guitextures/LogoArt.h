#pragma once

#include "textures/Image.h"

// The logo page's pictures.

// A square of deep space: a dark gradient, nebula clouds and stars.
Image MakeLogoBackground(unsigned size);
// The game's name in bold capitals with a cyan glow, on transparent ground; an empty picture
// when the system has no font.
Image MakeLogoName(unsigned width, unsigned height);
// One of the four emblems (0..3) under the name: a ringed planet, a hexagon, a delta-wing
// craft and a star burst, on transparent ground.
Image MakeLogoEmblem(int index, unsigned size);
