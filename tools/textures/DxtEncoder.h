#pragma once
#include "textures/Image.h"

#include <cstdint>
#include <vector>

// A small block encoder: each 4x4 block takes its two most distant colours as endpoints and
// every texel the nearest of the four colours. DXT1 keeps one bit of alpha (alpha below 128
// becomes transparent black); DXT5 interpolates alpha between the block's extremes.
std::vector<uint8_t> EncodeDxt1(const Image& image);
std::vector<uint8_t> EncodeDxt5(const Image& image);
