#pragma once

#include "textures/Image.h"

// The pictures of the pilot carousel on the profile panel (its arrows are the hangar's).

// The pieces of a carousel slot, each in its texture's own size: the plates under the pictures of
// the small, middle and centre slots, the frames laid over the small and middle ones, and a
// spare frame of the centre one.
enum class SlotPiece
{
    SmallPlate,  // 128 x 128
    SmallFrame,  // 256 x 128
    MiddlePlate, // 256 x 128
    MiddleFrame, // 256 x 256
    CentrePlate, // 256 x 256
    CentreFrame, // 256 x 256
};
Image MakeSlotPiece(SlotPiece piece);
