#include "RadarModels.h"

#include "scene/nodes/NodeTypes.h"

namespace RadarModels {

std::vector<DemoModel> All()
{
    struct Part
    {
        const char* file;
        const char* name;
        const char* mesh;
    };
    const Part parts[] = {{"radar1.mod", "radar1", "radar_disc.sms"},
                          {"radar2.mod", "radar2", "radar_dashes.sms"},
                          {"radar3.mod", "radar3", "radar_ticks.sms"},
                          {"radar4.mod", "radar4", "radar_cross.sms"}};
    std::vector<DemoModel> models;
    for (const Part& part : parts)
    {
        ModRecord mesh;
        mesh.type = NT_RENDERMESH;
        mesh.name = std::string(part.name) + "_mesh";
        mesh.mesh = part.mesh;
        ModRecord bone;
        bone.type = NT_BONE;
        bone.name = part.name;
        bone.children.push_back(mesh);
        models.push_back({part.file, {bone}});
    }
    return models;
}

} // namespace RadarModels
