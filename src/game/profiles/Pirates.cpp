#include "game/profiles/Pirates.h"

#include <algorithm>

#include "game/core/FixedText.h"
#include "game/core/texts/GameTexts.h"

Pirate::Pirate(const char* name, const char* icon, const char* race, int lvl, float totalScore, float efficiency)
    : _lvl(lvl), _totalScore(totalScore), _efficiency(efficiency)
{
    CopyFixedText(_name, name);
    CopyFixedText(_icon, icon);
    CopyFixedText(_race, race);
}

Pirate* PirateRating::AddPirate(const char* nameCode, const char* icon, const char* race, int lvl, float totalScore,
                                float efficiency)
{
    const char* name = _texts ? _texts->GetTextByCode(nameCode) : nameCode;
    _pirates.push_back(std::make_unique<Pirate>(name, icon, race, lvl, totalScore, efficiency));
    return _pirates.back().get();
}

Pirate* PirateRating::GetPirate(int index) const
{
    return index >= 0 && static_cast<size_t>(index) < _pirates.size() ? _pirates[static_cast<size_t>(index)].get()
                                                                      : nullptr;
}

void PirateRating::Sort()
{
    std::stable_sort(_pirates.begin(), _pirates.end(),
                     [](const auto& a, const auto& b) { return a->GetTotalScore() > b->GetTotalScore(); });
}

void UserTeam::AddPirate(Pirate* pirate)
{
    if (pirate)
        _members.push_back(pirate);
}
