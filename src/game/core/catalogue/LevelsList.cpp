#include "game/core/catalogue/LevelsList.h"

LevelDesc* LevelsList::AddLevel(const char* name, const char* filename, const char* filedesc, const char* filelogic,
                                const char* preview, int type, int price, const char* race, const char* desc,
                                const char* fullDesc, const char* message, bool available, const char* from,
                                const char* location, int maxPirates)
{
    Offers* offers = type == LevelDesc::TYPE_FREE        ? &_free
                     : type == LevelDesc::TYPE_PAID      ? &_paid
                     : type == LevelDesc::TYPE_EXCLUSIVE ? &_exclusive
                                                         : nullptr;
    if (!offers)
        return nullptr;
    offers->push_back(std::make_unique<LevelDesc>(name, filename, filedesc, filelogic, preview, type, price, race, desc,
                                                  fullDesc, message, available, from, location, maxPirates));
    return offers->back().get();
}

LevelDesc* LevelsList::At(const Offers& offers, int index)
{
    return index >= 0 && static_cast<size_t>(index) < offers.size() ? offers[static_cast<size_t>(index)].get()
                                                                    : nullptr;
}
