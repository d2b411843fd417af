#pragma once
#include <vector>

#include "sounds/SoundCatalog.h"

// The voice lines of the offers' missions, in English.
std::vector<CatalogEntry> MissionLogicVoiceLines();
// The music pieces of the offers' missions.
std::vector<CatalogEntry> MissionLogicMusic();
