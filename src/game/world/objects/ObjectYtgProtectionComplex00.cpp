#include "game/world/objects/ObjectYtgProtectionComplex00.h"

#include "game/world/parts/PartVisuals.h"
#include "scene/nodes/Model.h"
#include "scene/particles/Emitter.h"

ObjectYtgProtectionComplex00::ObjectYtgProtectionComplex00() = default;

void ObjectYtgProtectionComplex00::UserInit()
{
    Object::UserInit();
    Model* model = GetMainModelEx();
    Bone* flare = model ? model->FindBone(Name("red_flare_00")) : nullptr;
    if (!flare)
        return;
    if (Emitter* emitter = CreateEmitterNode("ytg_anigilator.pse"))
        flare->Attach(emitter);
    flare->Pitch(90.0f, CS_LOCAL);
}
