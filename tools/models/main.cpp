// Writes the demo models into <data folder>/assets.
#include "ContentFile.h"
#include "DemoModels.h"
#include "ObjectModels.h"
#include "HangarModels.h"
#include "RadarModels.h"
#include "ShipModels.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "assets";
    std::vector<DemoModel> models = DemoModels::All();
    for (DemoModel& model : ObjectModels::All())
        models.push_back(std::move(model));
    for (DemoModel& hangar : HangarModels::All())
        models.push_back(std::move(hangar));
    for (DemoModel& radar : RadarModels::All())
        models.push_back(std::move(radar));
    for (DemoModel& ship : ShipModels::All())
        models.push_back(std::move(ship));
    for (const DemoModel& model : models)
        if (!WriteContentFile(folder / model.file, WriteMod(model.records)))
            return 1;
    return 0;
}
