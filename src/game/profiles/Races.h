#pragma once
// The eight races of the campaign as a profile rates them. A race's code is the localised short
// name, which the texts map to the fixed codes ("ASP", "BLG", ...).
#include <memory>
#include <vector>

class Race
{
public:
    Race(const char* code, const char* name, const char* icon, float rating);

    const char* GetCode() const { return _code; }
    const char* GetName() const { return _name; }
    // The emblem's material, "races/<code>.mat".
    const char* GetIcon() const { return _icon; }
    float GetRating() const { return _rating; }
    void SetRating(float rating) { _rating = rating; }
    void SetKoefs(float k0, float k1, float k2, float k3, float k4, float k5);

private:
    char _code[8] = {};
    char _name[32] = {};
    char _icon[64] = {};
    float _rating = 0;
    float _koefs[6] = {};
};

class RaceRating
{
public:
    Race* AddRace(const char* code, const char* name, const char* icon, float rating);
    int GetRaceCount() const { return static_cast<int>(_races.size()); }
    // Null outside the list.
    Race* GetRace(int index) const;
    // The first race whose name, or code, is exactly the text; null when none is.
    Race* GetRaceByName(const char* name) const;
    Race* GetRaceByCode(const char* code) const;

private:
    std::vector<std::unique_ptr<Race>> _races;
};
