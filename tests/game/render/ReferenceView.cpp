#include "ReferenceView.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialFlags.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/queue/RenderQueue.h"
#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderParamsGlobal.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/base/Timer.h"
#include "foundation/config/RenderSettings.h"
#include "foundation/config/VideoSettings.h"
#include "foundation/math/Sphere.h"
#include "foundation/math/Projection.h"
#include "platform/effect/Effect.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/Omni.h"
#include "scene/nodes/OmniList.h"
#include "scene/post/PPEffects.h"
#include "scene/post/PostProcessingStage.h"
#include "scene/visitors/SelectionVisitor.h"

#include <cstring>

namespace {

Material* Find(MaterialSystem* system, const char* name)
{
    IResource* resource = system->GetMaterialMgr()->GetResource(name);
    return resource == INVALID_RES_HANDLE ? nullptr : dynamic_cast<Material*>(resource);
}

} // namespace

ReferenceView::ReferenceView(RenderScene& scene)
    : _scene(scene), _system(scene.GetMaterialSystem()), _unlit(_system->CreateRenderQueue()),
      _lit(_system->CreateRenderQueue()), _transparent(_system->CreateRenderQueue()),
      _frameBuffer(_system->CreateRenderQueue()), _extra(_system->CreateRenderQueue())
{}

ReferenceView::~ReferenceView()
{
    for (RenderQueue* queue : {_unlit, _lit, _transparent, _frameBuffer, _extra})
        _system->DestroyRenderQueue(queue);
}

void ReferenceView::Flush()
{
    for (RenderQueue* queue : {_unlit, _lit, _transparent, _frameBuffer, _extra})
        queue->FlushContent();
}

void ReferenceView::SetCameraTransforms(Camera* camera)
{
    _scene.GetGlobals()->SetViewTransform(&camera->GetViewMatrix());
    _scene.GetGlobals()->SetProjectionTransform(&camera->GetProjMatrix());
}

void ReferenceView::Render(Camera* camera, const Timer& timer)
{
    const VideoSettings* video = _system->GetSettings();
    const RenderSettings* settings = _scene.GetSettings();
    const float width = float(video->ScrWidth), height = float(video->ScrHeight);
    ShaderParamsGlobal* globals = _scene.GetGlobals();
    SetCameraTransforms(camera);
    globals->SetScreenParams(width, height);
    globals->SetClipPlanes(camera->GetFarClip(), camera->GetNearClip());
    globals->SetElapsedTime(timer.GetElapsedSeconds());

    camera->ResetPosition();
    _system->ClearTarget(7, 0, 1.0f);
    if (settings->RenderBackground)
    {
        Flush();
        RenderAdditionalRoots(_scene.GetBackRoot(), camera);
    }
    _system->ClearTarget(6, 0, 1.0f);
    Flush();
    camera->RestorePosition();
    RenderScenery(camera);
    if (settings->EnablePostEffects)
        RenderPostProcess();

    const float aspect = width / height;
    camera->SetAspectRatio(float(aspect / 1.3333 * 1.2));
    Flush();
    camera->ResetPosition();
    RenderAdditionalRoots(_scene.GetForeRoot(), camera);
    camera->RestorePosition();
    camera->SetAspectRatio(aspect);
    Flush();
    camera->ResetPosition();
    RenderAdditionalRoots(_scene.GetFore2Root(), camera);
    camera->RestorePosition();
}

void ReferenceView::RenderScenery(Camera* camera)
{
    const RenderSettings* settings = _scene.GetSettings();
    SelectionVisitor selection(camera, _unlit, _lit, _transparent, _frameBuffer, _extra);
    _scene.GetStageRoot()->Traverse(selection, TM_DEPTH_FIRST);
    if (settings->EnableSorting)
    {
        const bool byDepth = settings->EnableDepthSorting;
        _unlit->SortPrims(byDepth ? 3 : 1);
        _lit->SortPrims(byDepth ? 3 : 1);
        _frameBuffer->SortPrims(byDepth ? 4 : 1);
        _transparent->SortPrims(settings->EnableCorrectBlending ? 4 : 5);
    }
    for (RenderQueue* queue : {_unlit, _lit, _transparent, _frameBuffer})
        queue->PreprocessPrims();
    SetCameraTransforms(camera);
    RenderDeferredShadingObjects(camera, selection.GetOmniList());
    RenderFrameBufferObjects();
    RenderSimpleObjects();
}

void ReferenceView::RenderAdditionalRoots(Group* root, Camera* camera)
{
    SelectionVisitor selection(camera, _unlit, _lit, _transparent, _frameBuffer, _extra);
    root->Traverse(selection, TM_DEPTH_FIRST);
    _unlit->PreprocessPrims();
    _transparent->PreprocessPrims();
    SetCameraTransforms(camera);
    RenderSimpleObjects();
}

void ReferenceView::RenderSimpleObjects()
{
    _unlit->RenderPrims(_scene.GetGlobals());
    _transparent->RenderPrims(_scene.GetGlobals());
}

// The sun's pass blended by its alpha, then one pass a light; with every lit prim writing depth,
// the quads on the far plane shade only the pixels the lit prims covered.
void ReferenceView::RenderDeferredShadingObjects(Camera* camera, OmniList& lights)
{
    Texture *depth = nullptr, *color = nullptr, *normal = nullptr, *material = nullptr;
    _scene.GetMRTs(&depth, &color, &normal, &material);
    if (_lit->IsEmpty())
    {
        _system->SetRenderTarget(material, 0);
        _system->SetRenderTarget(depth, 0);
        _system->ClearTarget(1, 0, 1.0f);
        _system->SetBackBuffer();
        return;
    }
    Texture* targets[] = {depth, normal, color, material};
    for (unsigned i = 0; i < 4; ++i)
        _system->SetRenderTarget(targets[i], i);
    _system->ClearTarget(7, 0, 1.0f);
    _lit->RenderPrims(_scene.GetGlobals());
    _system->SetBackBuffer();

    bool masked = true;
    for (auto entry = _lit->Begin(); entry != _lit->End(); ++entry)
    {
        const Flags& flags = entry->material->MaterialFlags();
        masked = masked && !flags.HasFlag(MF_NOZCULL) && !flags.HasFlag(MF_NOZWRITE) &&
                 !flags.HasFlag(MF_DONT_APPLY_STDSTATEBLOCK);
    }
    Material* sun = Find(_system, "$DS_Directional");
    Material* omni = Find(_system, "$DS_Omni");
    sun->MaterialFlags() = Flags(masked ? 71 & ~MF_NOZCULL : 71);
    omni->MaterialFlags() = Flags(masked ? 107 & ~MF_NOZCULL : 107);
    _system->SetDepthFunc(masked ? CMP_GREATER : CMP_LESSEQUAL);
    _system->RenderScreenAlignedQuad(sun);
    if (_scene.GetSettings()->RenderLights)
    {
        for (lights.Begin(); lights.End(); lights.Next())
            RenderLight(camera, *lights.Current());
    }
    _system->SetScissors(false, nullptr);
    _system->SetDepthFunc(CMP_LESSEQUAL);
    _system->SetStencilTest(false, nullptr);
}

// The whole screen when the camera is inside the light's sphere, else the rectangle of the
// cube around it; the light alone in the light shader's one-light variant, its quad on the far
// plane.
void ReferenceView::RenderLight(Camera* camera, const Omni& light)
{
    const VideoSettings* video = _system->GetSettings();
    const float width = float(video->ScrWidth), height = float(video->ScrHeight);
    Rect rect{0.0f, 0.0f, width, height};
    const Sphere volume(light.position, light.range);
    if (!volume.Intersects(camera->GetViewMatrix().Inversed().GetRow3(3)))
        ComputeSphereRect(light.position, light.range, camera->GetViewMatrix() * camera->GetProjMatrix(), width, height,
                          rect);
    _system->SetScissors(false, &rect);
    const int left = int(rect.left), top = int(rect.top);
    const float slot[12] = {light.position.x,
                            light.position.y,
                            light.position.z,
                            light.range,
                            light.diffuse.r * light.attenuation.r,
                            light.diffuse.g * light.attenuation.g,
                            light.diffuse.b * light.attenuation.b,
                            light.intensity,
                            float(left),
                            float(top),
                            float(left + int(rect.width)),
                            float(top + int(rect.height))};
    Material* omni = Find(_system, "$DS_Omni");
    fx::Effect* effect = omni->GetBindedShader()->GetD3DEffect();
    effect->SetValue(effect->GetParameterByName("omniLights"), slot, sizeof(slot));
    effect->SetFloat(effect->GetParameterByName("omniDepth"), 1.0f);
    _system->RenderScreenAlignedQuad(omni);
}

void ReferenceView::RenderFrameBufferObjects()
{
    if (_frameBuffer->IsEmpty() && _scene.GetSettings()->EnablePostEffects)
        return;
    Texture* frameBuffer = _system->GetTextureMgr()->GetFrameBufferTexture();
    if (!_frameBuffer->IsEmpty())
    {
        _system->SyncWithGPU(true);
        _system->SyncWithGPU(false);
    }
    _system->CopyTexture(nullptr, frameBuffer);
    _frameBuffer->RenderPrims(_scene.GetGlobals());
}

// Every pass of every effect the chain holds, each over its whole target.
void ReferenceView::RenderPostProcess()
{
    _system->CopyTexture(nullptr, _system->GetTextureMgr()->GetFrameBufferTexture());
    const PostProcessingStage& stage = *_scene.GetPostProcessingStage();
    for (unsigned e = 0; e < stage.GetEffectCount(); ++e)
    {
        const PPEffect& effect = *stage.GetEffect(e);
        const char* name = effect.GetName();
        bool draws = true;
        if (std::strcmp(name, "PPEffect_Antialias") == 0)
            draws = static_cast<const PPEffect_Antialias&>(effect).IsActive();
        else if (std::strcmp(name, "PPEffect_Glow") == 0)
            draws = _scene.DrewEmissive();
        else if (std::strcmp(name, "PPEffect_MotionBlur") == 0)
            draws = _scene.GetGlobals()->GetMotionBloorKoef() > 0.0f;
        for (unsigned p = 0; draws && p < effect.GetPassCount(); ++p)
        {
            const PPPass& pass = effect.GetPass(p);
            if (pass.target)
                _system->SetRenderTarget(pass.target, 0);
            else
                _system->SetBackBuffer();
            _system->RenderScreenAlignedQuad(pass.material);
        }
    }
}
