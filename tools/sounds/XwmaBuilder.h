#pragma once
#include <cstdint>
#include <vector>

#include "platform/audio/WmaEncoder.h"

// A RIFF "XWMA" file of encoded packets: "fmt " (the wave format with the codec's setup
// bytes as its extension), "dpds" (decoded bytes after each packet), then "data".
std::vector<uint8_t> BuildXwma(const audio::EncodedWma& wma);
