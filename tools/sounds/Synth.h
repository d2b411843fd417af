#pragma once
#include <cstdint>
#include <vector>

// Small synthesisers for the demo sounds: mono 16-bit samples at 44100 Hz.
namespace synth {

constexpr int kRate = 44100;

// A sine tone with short fades at both ends.
std::vector<int16_t> Tone(float frequency, float seconds, float amplitude);
// A tone gliding from one pitch to another.
std::vector<int16_t> Sweep(float from, float to, float seconds, float amplitude);
// A noise burst that decays; lower darkness keeps more of the high end.
std::vector<int16_t> Burst(float seconds, float amplitude, float darkness, uint32_t seed);
// A buzzing, syllable-shaped line standing in for speech.
std::vector<int16_t> Voice(float pitch, float seconds, uint32_t seed);
// A few bars of chords and bass that loop seamlessly.
std::vector<int16_t> MusicLoop(float rootFrequency, int bars, float beatsPerMinute, uint32_t seed);

} // namespace synth
