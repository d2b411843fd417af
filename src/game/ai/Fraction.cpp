#include "game/ai/Fraction.h"

#include <algorithm>

#include "game/core/FixedText.h"

void Fraction::SetName(const char* name) { CopyFixedText(_name, name); }

bool Fraction::HasShip(const Ship* ship) const { return std::find(_ships.begin(), _ships.end(), ship) != _ships.end(); }

void Fraction::DestroyShip(const Ship* ship)
{
    auto it = std::find(_ships.begin(), _ships.end(), ship);
    if (it == _ships.end())
        return;
    *it = _ships.back();
    _ships.pop_back();
}
