#include "game/world/objects/ObjectYtgPortal03.h"

#include "foundation/config/GameSettings.h"
#include "game/core/game/Game.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/Omni.h"

ObjectYtgPortal03::ObjectYtgPortal03()
{
    SetName("YtgPortal03");
    SetClassname("YtgPortal03");
}

void ObjectYtgPortal03::UserInit()
{
    Object::UserInit();
    RenderScene* scene = game.GetRenderScene();
    const GameSettings* settings = game.GetGameSettings();
    if (!scene || !_mainModel || !settings || !settings->DynLighting)
        return;
    Bone* holder = scene->CreateBone(SL_STAGE);
    holder->SetPosition(0.0f, 0.0f, 256.0f);
    _mainModel->Attach(holder);
    Omni* light = scene->CreateOmni(SL_STAGE);
    light->SetDiffuse(Color(0.0f, 0.5f, 1.0f, 1.0f));
    light->SetRange(1024.0f);
    light->SetIntensity(4.0f);
    holder->Attach(light);
}

void ObjectYtgPortal03::UserProceed()
{
    Object::UserProceed();
    Model* model = GetMainModelEx();
    if (Bone* glow = model ? model->FindBone(Name("portal_glow")) : nullptr)
        glow->Rotate(Vec3(0.0f, 0.0f, 1.0f), -60.0f * game.GetSPF(), CS_LOCAL);
}
