#include "game/profiles/Races.h"

#include <cstring>

#include "game/core/FixedText.h"

Race::Race(const char* code, const char* name, const char* icon, float rating) : _rating(rating)
{
    CopyFixedText(_code, code);
    CopyFixedText(_name, name);
    CopyFixedText(_icon, icon);
}

void Race::SetKoefs(float k0, float k1, float k2, float k3, float k4, float k5)
{
    const float koefs[6] = {k0, k1, k2, k3, k4, k5};
    std::memcpy(_koefs, koefs, sizeof _koefs);
}

Race* RaceRating::AddRace(const char* code, const char* name, const char* icon, float rating)
{
    _races.push_back(std::make_unique<Race>(code, name, icon, rating));
    return _races.back().get();
}

Race* RaceRating::GetRace(int index) const
{
    return index >= 0 && static_cast<size_t>(index) < _races.size() ? _races[static_cast<size_t>(index)].get()
                                                                    : nullptr;
}

Race* RaceRating::GetRaceByName(const char* name) const
{
    for (const auto& race : _races)
        if (name && std::strcmp(race->GetName(), name) == 0)
            return race.get();
    return nullptr;
}

Race* RaceRating::GetRaceByCode(const char* code) const
{
    for (const auto& race : _races)
        if (code && std::strcmp(race->GetCode(), code) == 0)
            return race.get();
    return nullptr;
}
