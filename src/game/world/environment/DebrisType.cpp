#include "game/world/environment/DebrisType.h"

#include <cstdio>

#include "foundation/base/Random.h"

std::string DebrisMeshFile(eDebrisType kind, bool flying)
{
    const char* format = "env//asteroids//rock000//debris_%.2d.sms";
    int count = 12;
    if (kind == DEBRIS_YTG)
    {
        format = "ytg_debris_big_%.2d.sms";
        count = 10;
    }
    else if (kind == DEBRIS_CRYSTAL && flying)
    {
        format = "crystal_debris_%.2d.sms";
        count = 4;
    }
    else if (kind == DEBRIS_ICE)
    {
        format = "env//asteroids//ice003//debris_%.2d.sms";
        count = 14;
    }
    else if (kind == DEBRIS_LAVA)
    {
        format = "env//asteroids//lava000//debris_%.2d.sms";
        count = 6;
    }
    char file[64];
    std::snprintf(file, sizeof file, format, EngineRandom() % count);
    return file;
}
