#include "game/world/player/PilotProfile.h"

#include "foundation/base/Dumper.h"
#include "game/core/game/Game.h"
#include "game/profiles/ProfileManager.h"

namespace {
constexpr const char* DefaultPilot = "Default";
}

UserProfile* CurrentPilot()
{
    const ProfileManager* profiles = game.GetProfileManager();
    return profiles ? profiles->GetCurrent() : nullptr;
}

ProfileShip* CurrentPilotShip()
{
    const UserProfile* pilot = CurrentPilot();
    return pilot ? pilot->GetShip() : nullptr;
}

void EnsureCurrentPilot()
{
    ProfileManager* profiles = game.GetProfileManager();
    if (!profiles || profiles->GetCurrent())
        return;
    profiles->SelectCurrent(DefaultPilot);
    if (!profiles->GetCurrent())
        profiles->CreateProfile(DefaultPilot);
    Dumper::Instance().Print(DUMP_INFO, "Player: no pilot was chosen; the mission is flown by \"%s\"\n", DefaultPilot);
}
