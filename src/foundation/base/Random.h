#pragma once

// The engine's random numbers: 0..32767, as the game's formulas (which divide by 32767 and take
// small moduli) expect. Seedable so that tests and replays are repeatable.
constexpr int ENGINE_RAND_MAX = 32767;

int EngineRandom();
void EngineSeed(unsigned seed);
