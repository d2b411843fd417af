#include "WeaponModels.h"

#include "scene/nodes/NodeTypes.h"

namespace WeaponModels {

namespace {

DemoModel Projectile(const char* name, const char* mesh)
{
    ModRecord body;
    body.type = NT_RENDERMESH;
    body.name = "body";
    body.mesh = mesh;
    ModRecord root;
    root.type = NT_BONE;
    root.name = name;
    root.children.push_back(body);
    return {std::string(name) + ".mod", {root}};
}

} // namespace

std::vector<DemoModel> All()
{
    return {Projectile("rocket_00", "rocket_00.sms"), Projectile("torpeda_00", "torpeda_00.sms")};
}

} // namespace WeaponModels
