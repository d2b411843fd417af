#pragma once
// A pilot: name, portrait, career numbers, money and fitted ships, stored in its own file
// "profiles/<name>.prf"; and, rebuilt each run by Create, the mission offers, race ratings,
// hireable pirates and dealers it sees. Money carried between the mission screens (temporary cash
// and credit), the current mission, the gang and the last score live only in memory.
#include <memory>
#include <vector>

#include "game/core/catalogue/LevelScore.h"
#include "game/profiles/Dealer.h"
#include "game/profiles/Pirates.h"
#include "game/profiles/ProfileContext.h"
#include "game/profiles/ProfileShip.h"
#include "game/profiles/Races.h"

class LevelDesc;
class LevelsList;

class UserProfile
{
public:
    explicit UserProfile(const ProfileContext& context);
    ~UserProfile();
    // It owns its ships, ratings, offers and dealers, which others point into.
    UserProfile(const UserProfile&) = delete;
    UserProfile& operator=(const UserProfile&) = delete;

    // Names the profile and builds its races, pirates, dealers and offers afresh (which drops the
    // gang and the current mission); adds the ship "Default" when there is none.
    void Create(const char* name);

    const char* GetName() const { return _name; }
    void SetName(const char* name);
    const char* GetFaceMaterial() const { return _faceMaterial; }
    void SetFaceMaterial(const char* material);

    int GetLevel() const { return _level; }
    void SetLevel(int level) { _level = level; }
    int GetRate() const { return _rate; }
    void SetRate(int rate) { _rate = rate; }
    int GetScore() const { return _score; }
    void SetScore(int score) { _score = score; }
    int GetEfficiency() const { return _efficiency; }
    void SetEfficiency(int efficiency) { _efficiency = efficiency; }
    int GetCash() const { return _cash; }
    void SetCash(int cash) { _cash = cash; }
    void AddCash(int cash) { _cash += cash; }
    int GetTmpCash() const { return _tmpCash; }
    void SetTmpCash(int cash) { _tmpCash = cash; }
    int GetTmpCredit() const { return _tmpCredit; }
    void SetTmpCredit(int credit) { _tmpCredit = credit; }
    void SetSpendOnMission(int spent) { _spendOnMission = spent; }

    int GetShipCount() const { return static_cast<int>(_ships.size()); }
    // Null outside the list.
    ProfileShip* GetShip(int index) const;
    // The current ship, or null when there is none.
    ProfileShip* GetShip() const { return GetShip(_currentShip); }
    // An index outside the list changes nothing.
    void SelectShip(int index);
    int GetCurrentShipIndex() const { return _currentShip; }
    // A new ship with the default devices; it becomes current.
    ProfileShip* CreateShip(const char* name);
    // A new ship fitted like the current one (default devices where it has none); it becomes current.
    ProfileShip* CloneShip(const char* name);
    // The last ship takes the deleted one's place; deleting the current ship makes ship 0 current.
    void DeleteShip(ProfileShip* ship);

    // Null until Create.
    LevelsList* GetLevelsList() const { return _levelsList.get(); }
    void SetCurrentLevel(LevelDesc* level) { _currentLevel = level; }
    void ResetCurrentLevel() { _currentLevel = nullptr; }
    LevelDesc* GetCurrentLevel() const { return _currentLevel; }
    UserTeam* GetTeam() { return &_team; }
    LevelScore* GetLevelScore() { return &_levelScore; }
    unsigned GetDealersCount() const { return static_cast<unsigned>(_dealers.size()); }
    // Null outside the list.
    Dealer* GetDealerByIndex(unsigned index) const;
    // The dealer is named by the text of `nameCode`.
    Dealer* AddDealer(const char* nameCode, const char* icon, const char* race, float perc, float cash);
    RaceRating* GetRaceRating() const { return _raceRating.get(); }
    PirateRating* GetPirateRating() const { return _pirateRating.get(); }

    // Race numbers 1 to 8 (ASP, BLG, FSLK, RTB, SHA, SMKT, TLD, YTG; fractions dropped): the fixed
    // code ("ASP" for any other number), or with `code` false the localised short name
    // ("(unknown)" for any other number).
    const char* ConvertRaceToString(float race, bool code) const;
    // The fixed code alone, for weapons and devices where no profile is at hand.
    static const char* ConvertRaceToCode(float race);

    // Writes "profiles/<name>.prf" whole or not at all, through a temporary file and a rename;
    // false, logged, when it could not, or when the profile has no file yet and a file of its
    // name in any letter case is there (another pilot's).
    bool Save() const;
    // Reads "profiles/<name>.prf" over the profile; false, logged, when there is no file that can
    // be opened. A file that is not read whole (damaged, or of a newer version) is first kept as
    // it is under another name, and until it could be, the profile is not saved over it.
    bool Load();
    // The profile has a file of its own: one was there when it loaded, or it saved one.
    bool HasFile() const { return _hasFile; }

private:
    friend class ProfileFile;

    const char* Text(const char* code) const;
    void FillRaces();
    void FillNpcs();

    ProfileContext _context;
    char _name[64] = {};
    char _faceMaterial[256] = "faces//player.mat";
    int _level = 5;
    int _rate = 35;
    int _score = 10;
    int _efficiency = 67;
    int _cash = 0;
    int _tmpCash = 0;
    int _tmpCredit = 0;
    int _spendOnMission = 0;
    std::vector<std::unique_ptr<ProfileShip>> _ships;
    int _currentShip = -1;
    std::unique_ptr<RaceRating> _raceRating;
    std::unique_ptr<PirateRating> _pirateRating;
    std::unique_ptr<LevelsList> _levelsList;
    LevelDesc* _currentLevel = nullptr; // into the levels list
    UserTeam _team;                     // into the pirate rating
    LevelScore _levelScore;
    std::vector<std::unique_ptr<Dealer>> _dealers;
    bool _unkeptFile = false;      // its file could not be read whole, nor kept under another name
    mutable bool _hasFile = false; // what the disk holds, not a value of the pilot
};
