#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "services/sound/WaveFormat.h"

// A RIFF "WAVE" file read whole: its format and its audio bytes.
struct WaveData
{
    WaveFormat format;
    std::vector<uint8_t> samples;
};

// Parses a wave file held in memory. Only integer PCM of 8 or 16 bits in one or two
// channels is accepted. A "data" size larger than the bytes left is cut to the whole
// frames there, with a warning. False, with the reason, for anything else.
bool ReadWave(const uint8_t* bytes, size_t size, const std::string& source, WaveData& out, std::string& error,
              std::string& warning);
