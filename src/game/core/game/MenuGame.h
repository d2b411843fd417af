#pragma once

#include "foundation/math/Vec2.h"

#include <functional>

class MaterialSystem;
class SoundEngine;
class UserProfile;

// What the menus use of the game (the global `game`) beyond the widgets' texts and materials:
// the render device, the chosen pilot, the sounds and music of the menus, the frame switch and
// the frame time.
// Each passes over a service the game does not have.
namespace MenuGame {

MaterialSystem* Render();
// What plays the sound tracks of the menus' videos.
SoundEngine* Sound();
// The clock the menus' videos play by.
std::function<double()> VideoClock();
// The chosen pilot; null before one is chosen.
UserProfile* CurrentProfile();
// A menu sound from "sounds/", played once at the sound volume.
void PlaySound(const char* name);
// Replaces the music with the file, looping.
void PlayMusic(const char* path);
// Switches to the named frame behind the frame manager's fade.
void SetActiveFrame(const char* name);
// The seconds of the last frame.
float Spf();
// The back buffer's size in pixels, from the video settings.
Vec2 ScreenPixels();

// The menus' sounds and music.
inline constexpr const char* SelectButtonSound = "menu//select_button.wav";
inline constexpr const char* SelectSlotSound = "menu//select_slot.wav";
inline constexpr const char* PressButtonSound = "menu//press_button.wav";
inline constexpr const char* MenuMusic = "music//00_menu.xwma";

} // namespace MenuGame
