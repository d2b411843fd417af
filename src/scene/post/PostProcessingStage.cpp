#include "scene/post/PostProcessingStage.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/base/Dumper.h"
#include "scene/RenderScene.h"
#include "scene/post/PPEffects.h"

PostProcessingStage::PostProcessingStage(RenderScene* scene)
    : _materialSystem(scene->GetMaterialSystem()), _scene(scene)
{}

PostProcessingStage::~PostProcessingStage() { Clear(); }

bool PostProcessingStage::Add(std::unique_ptr<PPEffect> effect)
{
    if (effect->Enable() && effect->Initialize())
    {
        _effects.push_back(std::move(effect));
        return true;
    }
    _scene->GetDumper()->Print(DUMP_ERROR, "Post effect %s cannot be built: it is left out of the chain\n",
                               effect->GetName());
    return false;
}

void PostProcessingStage::Prepare()
{
    Clear();
    Add(std::make_unique<PPEffect_Antialias>(_scene));
    Add(std::make_unique<PPEffect_Blur>(_scene));
    Add(std::make_unique<PPEffect_Glow>(_scene));
    Add(std::make_unique<PPEffect_MotionBlur>(_scene));
}

void PostProcessingStage::Render()
{
    _materialSystem->CopyTexture(nullptr, _materialSystem->GetTextureMgr()->GetFrameBufferTexture());
    for (const auto& effect : _effects)
        effect->Render();
}

void PostProcessingStage::Clear() { _effects.clear(); }
