#include "game/profiles/UserProfile.h"

#include <algorithm>

#include "game/core/FixedText.h"
#include "game/core/catalogue/LevelsList.h"

UserProfile::UserProfile(const ProfileContext& context) : _context(context) {}

UserProfile::~UserProfile() = default;

void UserProfile::SetName(const char* name) { CopyFixedText(_name, name); }

void UserProfile::SetFaceMaterial(const char* material) { CopyFixedText(_faceMaterial, material); }

ProfileShip* UserProfile::GetShip(int index) const
{
    return index >= 0 && index < GetShipCount() ? _ships[static_cast<size_t>(index)].get() : nullptr;
}

void UserProfile::SelectShip(int index)
{
    if (index >= 0 && index < GetShipCount())
        _currentShip = index;
}

ProfileShip* UserProfile::CreateShip(const char* name)
{
    _ships.push_back(std::make_unique<ProfileShip>(_context.base, name));
    _ships.back()->CreateDefault();
    _currentShip = GetShipCount() - 1;
    return _ships.back().get();
}

ProfileShip* UserProfile::CloneShip(const char* name)
{
    const ProfileShip* original = GetShip();
    ProfileShip* clone = CreateShip(name);
    clone->Clone(original);
    return clone;
}

void UserProfile::DeleteShip(ProfileShip* ship)
{
    auto it = std::find_if(_ships.begin(), _ships.end(), [ship](const auto& s) { return s.get() == ship; });
    if (it == _ships.end())
        return;
    const int index = static_cast<int>(it - _ships.begin());
    const int last = GetShipCount() - 1;
    if (_currentShip == index)
        _currentShip = 0;
    if (index != last)
        *it = std::move(_ships.back());
    _ships.pop_back();
    if (_currentShip == last)
        _currentShip = index;
    if (_ships.empty())
        _currentShip = -1;
}

Dealer* UserProfile::GetDealerByIndex(unsigned index) const
{
    return index < _dealers.size() ? _dealers[index].get() : nullptr;
}

Dealer* UserProfile::AddDealer(const char* nameCode, const char* icon, const char* race, float perc, float cash)
{
    _dealers.push_back(std::make_unique<Dealer>(Text(nameCode), icon, race, perc, cash));
    return _dealers.back().get();
}
