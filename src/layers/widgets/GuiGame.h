#pragma once

class Material;
class UserProfile;

// What the widgets read of the game (the global `game`): the localised texts their fixed
// captions come from, the pilot they show, and the materials of its pictures. Each holds
// before the game has started too.
namespace GuiGame {

// The text of the code, or the code itself when no text has it, so that a missing text shows.
const char* Text(const char* code);
// The chosen pilot; null before one is chosen.
UserProfile* CurrentProfile();
// A material from its file, through the render device the layers draw with; null without one.
Material* LoadMaterial(const char* file);

} // namespace GuiGame
