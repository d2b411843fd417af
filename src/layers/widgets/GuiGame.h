#pragma once

#include <string>

class Material;

// What the widgets read of the game: the localised texts their fixed captions come from, the
// chosen pilot they show, and the materials of its pictures. The game sits above the widgets, so
// it installs its source when it is made; until then captions show their codes and no pilot shows.
namespace GuiGame {

// The chosen pilot as the header shows it.
struct Pilot
{
    std::string name;
    std::string face; // the portrait's material file
    int score = 0;
    int cash = 0;
    bool hasShip = false;
    std::string ship;
};

struct Source
{
    const char* (*text)(const char* code) = nullptr;
    // Fills the chosen pilot; false when none is chosen.
    bool (*pilot)(Pilot& pilot) = nullptr;
    // The icon material file of a race the chosen pilot rates, by the race's code; null for none.
    const char* (*raceIcon)(const char* code) = nullptr;
};

void Install(const Source& source);

// The text of the code, or the code itself when no text has it, so that a missing text shows.
const char* Text(const char* code);
bool CurrentPilot(Pilot& pilot);
const char* RaceIcon(const char* code);
// A material from its file, through the render device the layers draw with; null without one.
Material* LoadMaterial(const char* file);

} // namespace GuiGame
