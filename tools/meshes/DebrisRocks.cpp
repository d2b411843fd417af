#include "DemoMeshes.h"

#include <cstdio>

namespace DemoMeshes {

std::vector<DemoMesh> DebrisRocks()
{
    struct Kind
    {
        const char* folder;
        unsigned count;
    };
    const Kind kinds[] = {{"rock000", 12}, {"ice003", 14}, {"lava000", 6}};
    std::vector<DemoMesh> rocks;
    unsigned seed = 1;
    for (const Kind& kind : kinds)
    {
        for (unsigned i = 0; i < kind.count; ++i, ++seed)
        {
            char file[64];
            std::snprintf(file, sizeof(file), "env/asteroids/%s/debris_%.2u.sms", kind.folder, i);
            rocks.push_back({file, Rock(4.0f + float(i % 4), seed, "noise.mat")});
        }
    }
    rocks.push_back({"env/asteroids/debris_unknown.sms", Rock(5.0f, seed, "noise.mat")});
    return rocks;
}

} // namespace DemoMeshes
