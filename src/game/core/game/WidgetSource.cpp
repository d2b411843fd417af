#include "game/core/game/WidgetSource.h"

#include "game/core/game/Game.h"
#include "game/core/texts/GameTexts.h"
#include "game/profiles/ProfileManager.h"
#include "game/profiles/ProfileShip.h"
#include "game/profiles/Races.h"
#include "game/profiles/UserProfile.h"

namespace {

const UserProfile* CurrentProfile()
{
    const ProfileManager* profiles = game.GetProfileManager();
    return profiles ? profiles->GetCurrent() : nullptr;
}

const char* Text(const char* code)
{
    const GameTexts* texts = game.GetGameTextsSystem();
    return texts ? texts->GetTextByCode(code) : code;
}

bool Pilot(GuiGame::Pilot& pilot)
{
    const UserProfile* profile = CurrentProfile();
    if (!profile)
        return false;
    pilot.name = profile->GetName();
    pilot.face = profile->GetFaceMaterial();
    pilot.score = profile->GetScore();
    pilot.cash = profile->GetCash();
    const ProfileShip* ship = profile->GetShip();
    pilot.hasShip = ship != nullptr;
    pilot.ship = ship ? ship->GetName() : "";
    return true;
}

const char* RaceIcon(const char* code)
{
    const UserProfile* profile = CurrentProfile();
    const RaceRating* rating = profile ? profile->GetRaceRating() : nullptr;
    const Race* race = rating ? rating->GetRaceByCode(code) : nullptr;
    return race ? race->GetIcon() : nullptr;
}

} // namespace

GuiGame::Source MakeWidgetSource() { return GuiGame::Source{&Text, &Pilot, &RaceIcon}; }
