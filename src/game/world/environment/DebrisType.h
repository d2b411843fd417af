#pragma once
// The kinds of space debris, chosen per level by its description and per chunk by what broke.
#include <string>

enum eDebrisType : int
{
    DEBRIS_ROCK = 0,
    DEBRIS_YTG = 1,   // wreckage of ytg structures
    DEBRIS_PLAIN = 2, // no mesh of its own: drawn as rock
    DEBRIS_CRYSTAL = 3,
    DEBRIS_ICE = 4,
    DEBRIS_LAVA = 5,
};

// The mesh file of one chunk of the kind, its number drawn from the engine's random numbers.
// Crystal chunks exist only as flying debris: a field of crystal is drawn as rock.
std::string DebrisMeshFile(eDebrisType kind, bool flying);
