#pragma once

class UserProfile;

// What the mission screens share beyond the menus' services.
namespace GuiScreen {

// The chosen pilot, or null; then the screen named logs that it has none.
UserProfile* Pilot(const char* screen);

} // namespace GuiScreen
