#pragma once
// The mission offers of one profile in three lists, free, paid and exclusive, each in the order
// added. It owns the offers; pointers to them stay valid while the list lives.
#include <memory>
#include <vector>

#include "game/core/catalogue/LevelDesc.h"

class LevelsList
{
public:
    LevelsList() = default;
    LevelsList(const LevelsList&) = delete;
    LevelsList& operator=(const LevelsList&) = delete;

    // Appends the offer to the list of its type; another type adds nothing and gives null.
    LevelDesc* AddLevel(const char* name, const char* filename, const char* filedesc, const char* filelogic,
                        const char* preview, int type, int price, const char* race, const char* desc,
                        const char* fullDesc, const char* message, bool available, const char* from,
                        const char* location, int maxPirates);

    int GetFreeCount() const { return static_cast<int>(_free.size()); }
    int GetPaidCount() const { return static_cast<int>(_paid.size()); }
    int GetExclusiveCount() const { return static_cast<int>(_exclusive.size()); }
    // Null outside the list.
    LevelDesc* GetFreeDesc(int index) const { return At(_free, index); }
    LevelDesc* GetPaidDesc(int index) const { return At(_paid, index); }

private:
    using Offers = std::vector<std::unique_ptr<LevelDesc>>;
    static LevelDesc* At(const Offers& offers, int index);

    Offers _free;
    Offers _paid;
    Offers _exclusive;
};
