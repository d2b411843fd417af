#include "game/world/weapons/Shooter.h"

#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/profiles/ProfileManager.h"
#include "game/profiles/ProfileShip.h"
#include "game/profiles/UserProfile.h"
#include "game/world/actor/Actor.h"
#include "game/world/actor/ActorFlags.h"

bool IsPlayerShip(const Actor* actor) { return actor && actor->HasFlag(ACTOR_FLAG_PLAYER_SHIP); }

namespace {
UserProfile* CurrentProfile()
{
    const ProfileManager* profiles = game.GetProfileManager();
    return profiles ? profiles->GetCurrent() : nullptr;
}
} // namespace

const char* ConvertRaceCodeToString(float race)
{
    const UserProfile* profile = CurrentProfile();
    return profile ? profile->ConvertRaceToString(race, true) : UserProfile::ConvertRaceToCode(race);
}

const char* GetDeviceRaceCode(int type, int subType)
{
    const UserProfile* profile = CurrentProfile();
    const ProfileShip* ship = profile ? profile->GetShip() : nullptr;
    const DeviceType* device = ship ? ship->GetDevice(type, subType) : nullptr;
    return ConvertRaceCodeToString(device ? device->race : 0);
}
