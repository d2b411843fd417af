#include "MountSupport.h"

#include <cstdio>

#include "game/core/FixedText.h"
#include "game/world/effects/WorldScene.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/Model.h"

WeaponType MakeWeaponType(const char* classname, const char* name, float delay)
{
    WeaponType type;
    CopyFixedText(type.classname, classname);
    CopyFixedText(type.name, name);
    type.delay = delay;
    type.damage = 10;
    type.speed = 600;
    type.lifetime = 1;
    return type;
}

Model* MakeMountModel(const Vec3& position, std::initializer_list<int> bones)
{
    RenderScene* scene = GetWorldScene();
    auto* model = static_cast<Model*>(scene->CreateNodeUnknown(scene->GetStageRoot(), NT_MODEL));
    scene->GetStageRoot()->AddChild(model);
    model->SetPosition(position);
    for (int number : bones)
    {
        Bone* bone = scene->CreateBone(SL_STAGE);
        char name[16];
        std::snprintf(name, sizeof name, "weapon_%.2d", number);
        bone->SetName(Name(name));
        bone->SetPosition(Vec3(static_cast<float>(number), 0, 0));
        model->Attach(bone);
    }
    model->RebuildIdMarkers();
    return model;
}
