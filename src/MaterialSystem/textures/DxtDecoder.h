#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Software decoding of DXT1-DXT5 levels into A8R8G8B8 pixels (bytes B, G, R, A), for drivers
// without compressed texture support. DXT2 and DXT4 decode as DXT3 and DXT5 (the colours are
// taken as they are stored). False when `size` is too small for the level.
bool DecodeDxt(uint32_t format, unsigned width, unsigned height, const uint8_t* data, size_t size,
               std::vector<uint8_t>& pixels);
