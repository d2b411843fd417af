#pragma once
// Pilots a profile can hire for a gang mission, best first, and the gang it has hired.
#include <memory>
#include <vector>

class GameTexts;

class Pirate
{
public:
    Pirate(const char* name, const char* icon, const char* race, int lvl, float totalScore, float efficiency);

    const char* GetName() const { return _name; }
    // The face's material.
    const char* GetIcon() const { return _icon; }
    // The race code ("ASP", ...).
    const char* GetRace() const { return _race; }
    int GetLvl() const { return _lvl; }
    float GetTotalScore() const { return _totalScore; }
    float GetEfficiency() const { return _efficiency; }

private:
    char _name[32] = {};
    char _icon[64] = {};
    char _race[16] = {};
    int _lvl = 0;
    float _totalScore = 0;
    float _efficiency = 0;
};

class PirateRating
{
public:
    // Names are looked up in `texts` (the codes stand in without).
    explicit PirateRating(const GameTexts* texts) : _texts(texts) {}

    // The pirate is named by the text of `nameCode`.
    Pirate* AddPirate(const char* nameCode, const char* icon, const char* race, int lvl, float totalScore,
                      float efficiency);
    int GetPirateCount() const { return static_cast<int>(_pirates.size()); }
    // Null outside the list.
    Pirate* GetPirate(int index) const;
    // Highest total score first; equal scores keep their order.
    void Sort();

private:
    const GameTexts* _texts;
    std::vector<std::unique_ptr<Pirate>> _pirates;
};

// The hired gang: pirates of the profile's rating, not owned.
class UserTeam
{
public:
    void AddPirate(Pirate* pirate);
    void ClearTeam() { _members.clear(); }
    unsigned GetTeamSize() const { return static_cast<unsigned>(_members.size()); }
    // Null outside the gang.
    Pirate* GetTeamMemberByIndex(unsigned index) const { return index < _members.size() ? _members[index] : nullptr; }

private:
    std::vector<Pirate*> _members;
};
