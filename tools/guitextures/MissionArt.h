#pragma once

#include "textures/Image.h"

// The pictures of the mission screens: faces of the campaign's people, the agent's briefing
// pages and photos, the loan card, list arrows and the missions' pictures.

// A face of the campaign's people (0..15 give different looks): head and shoulders in a coat of
// one colour over a ground of another, with a visor or eye band.
Image MakeFace(int index, unsigned size);
// The page behind the agent's message: 0 the voice message, 1 the order with its photo frame,
// both a dark console of 4:3 with frames where the texts and pictures go.
Image MakeBriefingPage(int page, unsigned width, unsigned height);
// One of the ten photos of the order (0..9): a cargo ship against a planet and stars, seen from
// further away with each photo, with the grain and lines of a transmitted picture.
Image MakeOrderPhoto(int index, unsigned size);
// The bar behind the prompt: a rounded band lit in its middle.
Image MakeButtonBar(unsigned width, unsigned height);
// A dealer's small loan card seen from afar: a rounded card with a coin.
Image MakeLoanCard(unsigned width, unsigned height);
// A list-end arrow pointing up or down, on transparent ground, in the lower part of the square:
// the up arrow above the down arrow.
Image MakeScrollArrow(unsigned size, bool up);
// The picture of a mission offer: 0 a field of floating mines, 1 a convoy before a planet.
Image MakeMissionPicture(int index, unsigned size);
