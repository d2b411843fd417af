#pragma once
// One side of a mission's battle: a name and the ships that fight for it (not owned).
#include <cstddef>
#include <vector>

class Ship;

class Fraction
{
public:
    static constexpr size_t NameSize = 64;

    const char* GetName() const { return _name; }
    // Longer names are cut to 63 characters.
    void SetName(const char* name);
    // The caller keeps i below GetShipCount().
    Ship* GetShip(unsigned i) const { return _ships[i]; }
    unsigned GetShipCount() const { return static_cast<unsigned>(_ships.size()); }
    bool HasShip(const Ship* ship) const;
    void AddShip(Ship* ship) { _ships.push_back(ship); }
    // The last ship takes the place of the first occurrence; an absent ship changes nothing.
    void DestroyShip(const Ship* ship);
    // Empties the list; the name stays.
    void Clear() { _ships.clear(); }

private:
    char _name[NameSize] = {};
    std::vector<Ship*> _ships;
};
