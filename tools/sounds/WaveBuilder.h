#pragma once
#include <cstdint>
#include <vector>

// A RIFF "WAVE" file of 16-bit PCM: "fmt " (16 bytes) followed by "data".
std::vector<uint8_t> BuildWave(const std::vector<int16_t>& samples, int channels, int sampleRate);
