#pragma once

class GameFrameManager;
class UserProfile;

// What the mission screens share beyond the menus' services.
namespace GuiScreen {

// The chosen pilot, or null; then the screen named logs that it has none.
UserProfile* Pilot(const char* screen);
// To the main menu with the pilot panel in front, for a screen reached with no pilot chosen.
void LeaveForPilots(GameFrameManager* frames);

} // namespace GuiScreen
