#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The demo data's sounds: each file's path below the data folder (lower case) and how
// to make its samples (mono, 44100 Hz).
struct CatalogEntry
{
    std::string path;
    std::function<std::vector<int16_t>()> make;
};

std::vector<CatalogEntry> SoundEffectCatalog();
std::vector<CatalogEntry> MusicCatalog();
