#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "services/sound/WaveFormat.h"

// The layout of a RIFF "XWMA" file: its format, packet table and where the packets lie.
struct XwmaLayout
{
    WaveFormat format;
    std::vector<uint32_t> decodedBytes; // cumulative decoded byte count after each packet
    size_t dataOffset = 0;
    uint32_t dataSize = 0;
};

// Checks the layout of an xWMA file held in memory: "RIFF", "XWMA", "fmt ", "dpds"
// with a whole number of entries, then "data" within 64 words. A "data" size larger
// than the bytes left gives a warning. False, with the reason, when the layout is broken.
bool ReadXwmaLayout(const uint8_t* bytes, size_t size, const std::string& source, XwmaLayout& out, std::string& error,
                    std::string& warning);
