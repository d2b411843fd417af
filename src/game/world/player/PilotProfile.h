#pragma once
// The pilot who flies the mission: the current profile of the profile manager and its ship.
class ProfileShip;
class UserProfile;

// Null without a profile manager or while no pilot is chosen.
UserProfile* CurrentPilot();
ProfileShip* CurrentPilotShip();
// A mission started without a chosen pilot (a level given on the command line) is flown by the
// pilot "Default", made with the default ship when it does not exist.
void EnsureCurrentPilot();
