// What a profile sees of the campaign, rebuilt by Create: races, pirates, dealers and offers.
#include "game/profiles/UserProfile.h"

#include <string>

#include "game/core/catalogue/BuiltInOffers.h"
#include "game/core/catalogue/LevelsList.h"
#include "game/core/gamedata/Base.h"
#include "game/core/texts/GameTexts.h"

namespace {
struct RaceEntry
{
    const char* race; // lower case, as in texts codes and emblem names
    float rating;
    bool hasKoefs;
    float koefs[6];
};

constexpr RaceEntry Races[] = {
    {"asp", 89.354f, true, {0, 1, 1, 1, 1, 1}},
    {"ytg", 78.452f, true, {0, 0.8f, 1, 1.2f, 1, 1.5f}},
    {"tld", 64.247f, true, {0, 1.2f, 1, 0.8f, 1.6f, 1.4f}},
    {"rtb", 51.468f, true, {0, 1.6f, 0.6f, 1.6f, 0.8f, 1}},
    {"fslk", 47.153f, true, {0, 2, 0.6f, 0.8f, 1.8f, 0.8f}},
    {"smkt", 21.438f, true, {1.6f, 0.9f, 1.6f, 0.8f, 1.4f, 1}},
    {"sha", 13.618f, true, {2, 1, 1, 1, 1.2f, 1}},
    {"blg", 13.618f, false, {}},
};

// By race number, 1 to 8.
constexpr const char* RaceCodes[] = {"ASP", "BLG", "FSLK", "RTB", "SHA", "SMKT", "TLD", "YTG"};
constexpr const char* RaceShortNameCodes[] = {"name_race_short_asp", "name_race_short_blg", "name_race_short_fslk",
                                              "name_race_short_rtb", "name_race_short_sha", "name_race_short_smkt",
                                              "name_race_short_tld", "name_race_short_ytg"};

constexpr float NpcPirate = 1;
constexpr float NpcDealer = 2;
constexpr float DealerPerc = 50;
constexpr float DealerCash = 250;

// A whole number of the game data; 0 for what no int holds.
int WholeNumber(float value) { return value > -2e9f && value < 2e9f ? static_cast<int>(value) : 0; }
} // namespace

void UserProfile::Create(const char* name)
{
    SetName(name);
    _team.ClearTeam();
    _currentLevel = nullptr;
    _dealers.clear();
    _raceRating = std::make_unique<RaceRating>();
    _pirateRating = std::make_unique<PirateRating>(_context.texts);
    _levelsList = std::make_unique<LevelsList>();
    FillRaces();
    FillNpcs();
    _pirateRating->Sort();
    AddBuiltInOffers(*_levelsList);
    if (_ships.empty())
        CreateShip("Default");
}

void UserProfile::FillRaces()
{
    for (const RaceEntry& entry : Races)
    {
        const std::string race = entry.race;
        Race* added =
            _raceRating->AddRace(Text(("name_race_short_" + race).c_str()), Text(("name_race_" + race).c_str()),
                                 ("races/" + race + ".mat").c_str(), entry.rating);
        if (entry.hasKoefs)
            added->SetKoefs(entry.koefs[0], entry.koefs[1], entry.koefs[2], entry.koefs[3], entry.koefs[4],
                            entry.koefs[5]);
    }
}

void UserProfile::FillNpcs()
{
    const Base* base = _context.base;
    for (int i = 0; base && i < base->GetNpcCount(); ++i)
    {
        const NpcType* npc = base->GetNpcByIndex(i);
        const char* race = ConvertRaceToString(npc->race, true);
        const float type = static_cast<float>(WholeNumber(npc->type));
        if (type == NpcPirate)
            _pirateRating->AddPirate(npc->name, npc->face, race, WholeNumber(npc->lvl), npc->totalScore,
                                     npc->efficiency);
        else if (type == NpcDealer)
            AddDealer(npc->name, npc->face, race, DealerPerc, DealerCash);
    }
}

const char* UserProfile::ConvertRaceToString(float race, bool code) const
{
    if (code)
        return ConvertRaceToCode(race);
    return race >= 1 && race < 9 ? Text(RaceShortNameCodes[static_cast<int>(race) - 1]) : "(unknown)";
}

const char* UserProfile::ConvertRaceToCode(float race)
{
    return race >= 1 && race < 9 ? RaceCodes[static_cast<int>(race) - 1] : RaceCodes[0];
}

const char* UserProfile::Text(const char* code) const
{
    return _context.texts ? _context.texts->GetTextByCode(code) : code;
}
