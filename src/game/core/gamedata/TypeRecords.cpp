#include "game/core/gamedata/TypeRecords.h"

#include "foundation/base/Random.h"

float BaseType::GenerateUniqueID()
{
    if (uid == 0)
        uid = static_cast<float>(EngineRandom());
    return uid;
}
