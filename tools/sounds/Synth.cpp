#include "sounds/Synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

namespace {

constexpr float kTwoPi = 6.28318530718f;

int16_t ToSample(float v) { return static_cast<int16_t>(std::clamp(v, -1.0f, 1.0f) * 32767.0f); }

size_t Frames(float seconds) { return static_cast<size_t>(seconds * kRate); }

// Linear fades so clips start and end at zero, without clicks.
float Fade(size_t i, size_t count)
{
    const float edge = 0.005f * kRate;
    return std::min({1.0f, i / edge, (count - i) / edge});
}

struct Noise
{
    uint32_t state;
    float Next()
    {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / 8388608.0f - 1.0f;
    }
};

} // namespace

std::vector<int16_t> Tone(float frequency, float seconds, float amplitude)
{
    return Sweep(frequency, frequency, seconds, amplitude);
}

std::vector<int16_t> Sweep(float from, float to, float seconds, float amplitude)
{
    const size_t count = Frames(seconds);
    std::vector<int16_t> out(count);
    float phase = 0;
    for (size_t i = 0; i < count; ++i)
    {
        const float t = static_cast<float>(i) / count;
        phase += kTwoPi * (from + (to - from) * t) / kRate;
        out[i] = ToSample(amplitude * Fade(i, count) * std::sin(phase));
    }
    return out;
}

std::vector<int16_t> Burst(float seconds, float amplitude, float darkness, uint32_t seed)
{
    const size_t count = Frames(seconds);
    std::vector<int16_t> out(count);
    Noise noise{seed};
    float low = 0;
    for (size_t i = 0; i < count; ++i)
    {
        low += (noise.Next() - low) * (1.0f - darkness);
        const float decay = std::exp(-4.0f * static_cast<float>(i) / count);
        out[i] = ToSample(amplitude * Fade(i, count) * decay * low * 2.0f);
    }
    return out;
}

std::vector<int16_t> Voice(float pitch, float seconds, uint32_t seed)
{
    const size_t count = Frames(seconds);
    std::vector<int16_t> out(count);
    Noise noise{seed};
    const float syllables = 3.0f + (noise.Next() + 1.0f) * 1.5f;
    float phase = 0;
    for (size_t i = 0; i < count; ++i)
    {
        const float t = static_cast<float>(i) / kRate;
        phase += kTwoPi * pitch * (1.0f + 0.05f * std::sin(kTwoPi * 5.0f * t)) / kRate;
        const float saw = std::fmod(phase / kTwoPi, 1.0f) * 2.0f - 1.0f;
        const float formant = std::sin(phase * 3.0f) * 0.4f + std::sin(phase * 7.0f) * 0.2f;
        const float envelope = 0.5f - 0.5f * std::cos(kTwoPi * syllables * t);
        out[i] = ToSample(0.35f * Fade(i, count) * envelope * (saw * 0.4f + formant));
    }
    return out;
}

std::vector<int16_t> MusicLoop(float rootFrequency, int bars, float beatsPerMinute, uint32_t seed)
{
    // Minor progression i - VI - III - VII, as semitone offsets of each chord's notes.
    static const int kChords[4][3] = {{0, 3, 7}, {-4, 0, 3}, {3, 7, 10}, {-2, 2, 5}};
    const float beat = 60.0f / beatsPerMinute;
    const size_t barFrames = Frames(beat * 4);
    const size_t count = barFrames * static_cast<size_t>(bars);
    std::vector<int16_t> out(count);
    Noise noise{seed};
    const int arpeggio = static_cast<int>((noise.Next() + 1.0f) * 2.0f) % 3;
    for (size_t i = 0; i < count; ++i)
    {
        const size_t bar = i / barFrames;
        const int* chord = kChords[bar % 4];
        const float t = static_cast<float>(i) / kRate;
        const float inBeat = std::fmod(t, beat) / beat;
        float v = 0;
        for (int n = 0; n < 3; ++n)
        {
            const float f = rootFrequency * std::pow(2.0f, chord[n] / 12.0f);
            v += 0.12f * std::sin(kTwoPi * f * t);
        }
        const float bass = rootFrequency / 2 * std::pow(2.0f, chord[0] / 12.0f);
        v += 0.25f * std::sin(kTwoPi * bass * t) * (1.0f - 0.6f * inBeat);
        const int step = static_cast<int>(t / (beat / 2)) % 3;
        const float lead = rootFrequency * 2 * std::pow(2.0f, chord[(step + arpeggio) % 3] / 12.0f);
        v += 0.1f * std::sin(kTwoPi * lead * t) * std::exp(-6.0f * std::fmod(t, beat / 2) / beat);
        out[i] = ToSample(v * Fade(i, count));
    }
    return out;
}

} // namespace synth
