// Writes the demo models into <data folder>/assets.
#include "ContentFile.h"
#include "DemoModels.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "assets";
    for (const DemoModel& model : DemoModels::Everything())
        if (!WriteContentFile(folder / model.file, WriteMod(model.records)))
            return 1;
    return 0;
}
