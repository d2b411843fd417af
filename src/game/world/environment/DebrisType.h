#pragma once
// The kinds of space debris, chosen per level by its description and per chunk by what broke.
enum eDebrisType : int
{
    DEBRIS_ROCK = 0,
    DEBRIS_YTG = 1,   // wreckage of ytg structures
    DEBRIS_PLAIN = 2, // no mesh of its own: drawn as rock
    DEBRIS_CRYSTAL = 3,
    DEBRIS_ICE = 4,
    DEBRIS_LAVA = 5,
};
