#include "game/world/objects/ObjectYtgSun00.h"

#include "game/core/game/Game.h"
#include "game/world/parts/PartVisuals.h"
#include "scene/nodes/Model.h"
#include "scene/particles/Emitter.h"

ObjectYtgSun00::ObjectYtgSun00()
{
    SetName("YtgSun00");
    SetClassname("YtgSun00");
}

void ObjectYtgSun00::UserInit()
{
    Object::UserInit();
    if (Emitter* emitter = _mainModel ? CreateEmitterNode("ytg_sun.pse") : nullptr)
        _mainModel->Attach(emitter);
}

void ObjectYtgSun00::UserProceed()
{
    Model* model = GetMainModelEx();
    if (Bone* glow = model ? model->FindBone(Name("ytg_sun_glow_00")) : nullptr)
        glow->Rotate(Vec3(0.0f, 0.0f, 1.0f), -60.0f * game.GetSPF(), CS_LOCAL);
    Object::UserProceed();
}
