#include "DemoModels.h"
#include "HangarModels.h"
#include "ObjectModels.h"
#include "RaceModels.h"
#include "RadarModels.h"
#include "ShipModels.h"
#include "WeaponModels.h"

#include "scene/nodes/NodeTypes.h"

namespace DemoModels {

namespace {

ModRecord Record(unsigned type, const char* name)
{
    ModRecord record;
    record.type = type;
    record.name = name;
    return record;
}

} // namespace

DemoModel Ship()
{
    ModRecord hull = Record(NT_RENDERMESH, "hull");
    hull.mesh = "hull.sms";
    ModRecord body = Record(NT_GROUP, "body");
    body.children.push_back(hull);

    ModRecord left = Record(NT_BONE, "engine_00");
    left.position = Vec3(-1.5f, 0.0f, -4.0f);
    ModRecord right = Record(NT_BONE, "engine_01");
    right.position = Vec3(1.5f, 0.0f, -4.0f);

    ModRecord light = Record(NT_OMNI, "cockpit_light");
    light.range = 12.0f;
    light.intensity = 1.5f;
    light.diffuse = 0xFFFFD080u;
    ModRecord lightBone = Record(NT_BONE, "light");
    lightBone.position = Vec3(0.0f, 2.0f, 1.0f);
    lightBone.children.push_back(light);

    ModRecord ship = Record(NT_BONE, "demo_ship");
    ship.children = {body, left, right, lightBone};
    return {"demo_ship.mod", {ship}};
}

std::vector<DemoModel> NodeTypes()
{
    struct Kind
    {
        unsigned type;
        const char* name;
    };
    const Kind kinds[] = {{NT_BONE, "bone"},          {NT_GROUP, "group"},
                          {NT_CAMERA, "camera"},      {NT_RENDERMESH, "rendermesh"},
                          {NT_MODEL, "model"},        {NT_PARTICLESET, "particleset"},
                          {NT_EMITTER, "emitter"},    {NT_PARTICLEEMITTER, "particleemitter"},
                          {NT_OMNI, "omni"},          {NT_LENSFLARE, "lensflare"},
                          {NT_SOUNDBONE, "soundbone"}};
    std::vector<DemoModel> models;
    for (const Kind& kind : kinds)
    {
        ModRecord node = Record(kind.type, kind.name);
        node.position = Vec3(1.0f, 2.0f, 3.0f);
        node.scale = Vec3(2.0f, 2.0f, 2.0f);
        node.mesh = "sphere.sms";
        node.fov = 60.0f;
        node.farClip = 2000.0f;
        node.range = 25.0f;
        ModRecord top = Record(NT_BONE, "top");
        top.children.push_back(node);
        models.push_back({std::string("nodes_") + kind.name + ".mod", {top}});
    }
    return models;
}

std::vector<DemoModel> All()
{
    std::vector<DemoModel> models = NodeTypes();
    models.insert(models.begin(), Ship());
    for (const DemoModel& model : WeaponModels::All())
        models.push_back(model);
    return models;
}

std::vector<DemoModel> Everything()
{
    std::vector<DemoModel> models = All();
    for (std::vector<DemoModel> family :
         {ObjectModels::All(), HangarModels::All(), RadarModels::All(), ShipModels::All(), RaceModels::All()})
        for (DemoModel& model : family)
            models.push_back(std::move(model));
    return models;
}

} // namespace DemoModels
