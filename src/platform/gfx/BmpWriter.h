#pragma once

#include <cstdint>
#include <vector>

// Encodes an image as an uncompressed 24-bit ".bmp" file. Pixels are A8R8G8B8 words, top
// row first (the layout Device::ReadPixels returns).
std::vector<uint8_t> EncodeBmp(unsigned width, unsigned height, const uint32_t* pixels);
bool WriteBmp(const char* path, unsigned width, unsigned height, const uint32_t* pixels);
