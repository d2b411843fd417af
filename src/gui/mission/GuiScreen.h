#pragma once

class MaterialSystem;
class UserProfile;

// What the mission screens reach through the global `game`.
namespace GuiScreen {

// The menu sounds, played once from "sounds/".
constexpr const char* SelectButtonSound = "menu//select_button.wav";
constexpr const char* SelectSlotSound = "menu//select_slot.wav";
constexpr const char* PressButtonSound = "menu//press_button.wav";

// Plays a 2D sound at the default volume; nothing without a sound engine.
void PlaySound(const char* name);
MaterialSystem* Render();
// The chosen pilot, or null; a screen that needs one logs that it has none.
UserProfile* Pilot(const char* screen);
} // namespace GuiScreen
