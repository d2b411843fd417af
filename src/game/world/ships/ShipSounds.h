#pragma once
// The 2D sounds of ships and of the player: plain sounds and the voice lines, which lie under
// the game language's folder.
#include <string>

// Under "sounds/"; nothing while the game has no sound.
void PlayShipSound(const char* name);
// "localization\<language>\<line>", the language from the game settings ("en" without them).
std::string VoiceLine(const char* line);
