// The voice lines and music that the offers' level logic plays.
#include "sounds/MissionLogicSounds.h"

#include "sounds/Synth.h"

namespace {

struct Line
{
    const char* path; // below "sounds/localization/en/"
    float pitch;
    float seconds;
};

// Skarrow, the client's man, on the radio.
constexpr Line Lines[] = {
    {"mission00/m00_start_v1.wav", 118, 2.0f},      {"mission00/m00_ambush_v1.wav", 124, 1.2f},
    {"mission00/m00_ambush_v2.wav", 112, 1.3f},     {"mission00/m00_hurry_v1.wav", 120, 1.5f},
    {"mission00/m00_clean_v1.wav", 116, 3.6f},      {"mission12/m12_start_v1.wav", 118, 2.2f},
    {"mission12/m12_cargo_down_v1.wav", 122, 1.4f}, {"mission12/m12_cargo_down_v2.wav", 114, 1.4f},
    {"mission12/m12_done_v1.wav", 116, 3.6f},
};

struct Piece
{
    const char* path;
    float root;
    float tempo;
};

constexpr Piece Pieces[] = {
    {"music/02_arrdra_exploration.xwma", 207.7f, 80},
    {"music/02_arrdra_battletrack.xwma", 164.8f, 128},
    {"music/12_aldaron_exploration.xwma", 185.0f, 88},
};

} // namespace

std::vector<CatalogEntry> MissionLogicVoiceLines()
{
    std::vector<CatalogEntry> out;
    uint32_t seed = 400;
    for (const Line& line : Lines)
    {
        const uint32_t s = seed++;
        out.push_back({std::string("sounds/localization/en/") + line.path,
                       [=] { return synth::Voice(line.pitch, line.seconds, s); }});
    }
    return out;
}

std::vector<CatalogEntry> MissionLogicMusic()
{
    std::vector<CatalogEntry> out;
    uint32_t seed = 500;
    for (const Piece& piece : Pieces)
    {
        const uint32_t s = seed++;
        out.push_back({piece.path, [=] { return synth::MusicLoop(piece.root, 4, piece.tempo, s); }});
    }
    return out;
}
