#pragma once

#include <cstdint>
#include <vector>

// The game's window icon, drawn in code: a chevron in a ring on a dark disc, ARGB, top row first.
struct Icon
{
    static constexpr int Size = 32;
    std::vector<uint32_t> pixels;
};

Icon MakeIcon();
