// The render scene's deferred lighting stage: the four targets the lit materials write, the sun
// pass over them, and the omni lights, each limited to its screen rectangle: in batches of
// lights that share a screen quad, or with stencil shading one by one, masked by its sphere.
// The sun and the lights shade only the pixels the lit prims covered.
#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialFlags.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/meshes/MeshMgr.h"
#include "MaterialSystem/meshes/MeshRenderable.h"
#include "MaterialSystem/queue/RenderQueue.h"
#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderParamsGlobal.h"
#include "MaterialSystem/shaders/ShaderUsageFlags.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/base/Profiler.h"
#include "foundation/config/RenderSettings.h"
#include "foundation/config/VideoSettings.h"
#include "foundation/math/Projection.h"
#include "platform/effect/Effect.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/Omni.h"
#include "scene/nodes/OmniList.h"

#include <algorithm>
#include <utility>

namespace {

const char* const kTargetNames[] = {"$depthMRT", "$normalMRT", "$colorMRT", "$materialMRT"};
const char* const kTargetParams[] = {"DEPTH_MRT", "NORMAL_MRT", "COLOR_MRT", "MATERIAL_MRT"};

// Stencil fields: function, depth-fail, fail and pass operations, reference, mask, write mask.
// The light's shape marks with 1 where it fails the depth test; the light draws where 1 is.
constexpr StencilTestDesc kMarkShape{CMP_ALWAYS, 3, 1, 1, 1, 0, 1};
constexpr StencilTestDesc kInsideShape{CMP_EQUAL, 1, 1, 1, 1, 1, 0};

// The omni light variants by batch size: material name and the usage flag beside
// "USE_OMNI_LIGHTING" that sizes the batch.
const char* const kOmniMaterials[OmniBatches::VariantCount] = {"$DS_Omni", "$DS_Omni2", "$DS_Omni4", "$DS_Omni8",
                                                               "$DS_Omni16"};
const char* const kOmniSizes[OmniBatches::VariantCount] = {nullptr, "USE_OMNI_2", "USE_OMNI_4", "USE_OMNI_8",
                                                           "USE_OMNI_16"};

} // namespace

Material* RenderScene::PrepareMaterial(const char* name, unsigned flags, const char* shader, const char* usage,
                                       bool targets, const char* variant)
{
    Material* material = _system->GetMaterialMgr()->CreateMaterial(name);
    material->MaterialFlags() = Flags(flags);
    ShaderUsageFlags usageFlags;
    if (usage)
        usageFlags.Add(usage);
    if (variant)
        usageFlags.Add(variant);
    material->BindShaderEx(shader, usage ? &usageFlags : nullptr);
    for (unsigned i = 0; targets && i < MRT_COUNT; ++i)
        material->AddTexture(kTargetParams[i], _targets[i]);
    return material;
}

void RenderScene::PrepareDeferredShadingStage()
{
    TextureMgr* textures = _system->GetTextureMgr();
    for (unsigned i = 0; i < MRT_COUNT; ++i)
    {
        // Render targets of the screen's size, depth in a float channel.
        TextureDesc desc;
        desc.kind = TEXKIND_RENDERTARGET;
        desc.format = i == MRT_DEPTH ? TEXFMT_R32F : TEXFMT_A8R8G8B8;
        desc.width = desc.height = 100;
        desc.mipLevels = 1;
        desc.screenRelative = 1;
        IResource* existing = textures->GetResource(kTargetNames[i]);
        _targets[i] = existing != INVALID_RES_HANDLE ? static_cast<Texture*>(existing)
                                                     : textures->CreateTexture(kTargetNames[i], desc);
    }
    _directionalLight =
        PrepareMaterial("$DS_Directional", 71, "SYS_DeferredShading.fx", "USE_DIRECTIONAL_LIGHTING", true);
    for (unsigned i = 0; i < OmniBatches::VariantCount; ++i)
        _omniLights[i] =
            PrepareMaterial(kOmniMaterials[i], 107, "SYS_DeferredShading.fx", "USE_OMNI_LIGHTING", true, kOmniSizes[i]);
    PrepareMaterial("$DS_Spot", 107, "SYS_DeferredShading.fx", "USE_SPOT_LIGHTING", true);
    _omniBack = PrepareMaterial("$omni_back", 130, "SYS_OmniShape.fx", nullptr, false);
    _omniFront = PrepareMaterial("$omni_front", 2, "SYS_OmniShape.fx", nullptr, false);
    PrepareMaterial("$spot_back", 130, "SYS_SpotShape.fx", nullptr, false);
    PrepareMaterial("$spot_front", 2, "SYS_SpotShape.fx", nullptr, false);
    MeshMgr* meshes = _system->GetMeshMgr();
    _omniShape = meshes->CreateSphereMesh("$omni", 8, 8, 1.0f, 3);
    _spotShape = meshes->CreateSphereMesh("$spot", 24, 24, 1.0f, 3);
}

// The out-pointers are not in target order: colour is target 2, normals target 1.
void RenderScene::GetMRTs(Texture** depth, Texture** color, Texture** normal, Texture** material) const
{
    const std::pair<Texture**, eTarget> out[] = {
        {depth, MRT_DEPTH}, {color, MRT_COLOR}, {normal, MRT_NORMAL}, {material, MRT_MATERIAL}};
    for (const auto& [pointer, target] : out)
        if (pointer)
            *pointer = _targets[target];
}

void RenderScene::RenderDeferredShadingObjects(Camera* camera, OmniList& lights)
{
    _emissiveDrawn = LitPrimsWriteEmissive();
    if (_litQueue->IsEmpty())
    {
        // Nothing lit: the depth target reads empty, so no check point is occluded.
        _system->SetRenderTarget(_targets[MRT_MATERIAL], 0);
        _system->SetRenderTarget(_targets[MRT_DEPTH], 0);
        _system->ClearTarget(1, 0, 1.0f);
        _system->SetBackBuffer();
        return;
    }
    {
        AutoScopeProfile scope(Name("Geometry pass"));
        for (unsigned i = 0; i < MRT_COUNT; ++i)
            _system->SetRenderTarget(_targets[i], i);
        _system->ClearTarget(7, 0, 1.0f); // the stencil too: see RenderView
        _litQueue->RenderPrims(_globals.get());
        _system->SetBackBuffer();
    }
    AutoScopeProfile scope(Name("Lighting"));
    MaskLightsByDepth(LitPrimsWriteDepth());
    _system->RenderScreenAlignedQuad(_directionalLight);
    if (_settings->UseStencilShading)
        _system->ClearTarget(4, 0, 1.0f);
    if (_settings->RenderLights && _settings->UseStencilShading)
    {
        for (lights.Begin(); lights.End(); lights.Next())
            RenderSingleLight(camera, lights.Current());
    }
    else if (_settings->RenderLights)
    {
        RenderLightBatches(camera, lights);
    }
    _system->SetScissors(false, nullptr);
    _system->SetDepthFunc(CMP_LESSEQUAL);
    _system->SetStencilTest(false, nullptr);
}

PixelRect RenderScene::LightRect(Camera* camera, const Omni& light) const
{
    const VideoSettings* video = _system->GetSettings();
    const float width = float(video->ScrWidth), height = float(video->ScrHeight);
    Rect rect{0.0f, 0.0f, width, height};
    const Sphere volume(light.position, light.range);
    if (!volume.Intersects(camera->GetViewMatrix().Inversed().GetRow3(3)))
        ComputeSphereRect(light.position, light.range, camera->GetViewMatrix() * camera->GetProjMatrix(), width, height,
                          rect);
    // Whole pixels as the scissor takes them, within the screen.
    const int left = int(rect.left), top = int(rect.top);
    PixelRect pixels{std::max(left, 0), std::max(top, 0), std::min(left + int(rect.width), int(width)),
                     std::min(top + int(rect.height), int(height))};
    // The rectangle of the cube's corners is wider than the sphere's outline, the more so the
    // nearer the light: the pixels between see nothing the light reaches.
    Rect outline;
    if (ComputeSphereOutlineRect(light.position, light.range, camera->GetViewMatrix(), camera->GetProjMatrix(), width,
                                 height, outline))
    {
        pixels.left = std::max(pixels.left, int(outline.left));
        pixels.top = std::max(pixels.top, int(outline.top));
        pixels.right = std::min(pixels.right, int(outline.left + outline.width));
        pixels.bottom = std::min(pixels.bottom, int(outline.top + outline.height));
    }
    return pixels;
}

// The sphere's far side seen from the camera, a little further for rounding; the far plane when
// that side is not beyond the near plane.
float RenderScene::LightDepth(Camera* camera, const Omni& light)
{
    Vec4 centre;
    camera->GetViewMatrix().Transform(light.position, centre);
    const float far = (centre.z + light.range) * 1.001f;
    if (!(far > camera->GetNearClip() && far < camera->GetFarClip()))
        return 1.0f;
    Vec4 clip;
    camera->GetProjMatrix().Transform(Vec3(0.0f, 0.0f, far), clip);
    return clip.w > 0.0f ? std::min(clip.z / clip.w + 1.0e-6f, 1.0f) : 1.0f;
}

void RenderScene::RenderSingleLight(Camera* camera, Omni* light)
{
    const OmniBatches::Batch batch =
        OmniBatches::Single(light->GetSourceData(), LightRect(camera, *light), LightDepth(camera, *light));
    const Rect scissor = batch.bounds.ToRect();
    _system->SetScissors(false, &scissor);
    if (light->GetShape())
    {
        const bool inside = light->IsInside();
        _system->SetDepthFunc(inside ? CMP_LESSEQUAL : CMP_GREATEREQUAL);
        _system->SetStencilTest(true, &kMarkShape);
        _system->SetColorWrite(0);
        _lightQueue->RenderSinglePrim(light->GetShape(), inside ? _omniBack : _omniFront, _globals.get());
        _system->SetStencilTest(true, &kInsideShape);
        _system->SetColorWrite(15);
        if (!_omniLights[0]->MaterialFlags().HasFlag(MF_NOZCULL))
            _system->SetDepthFunc(CMP_GREATER);
    }
    RenderOmniBatch(batch);
}

void RenderScene::RenderLightBatches(Camera* camera, OmniList& lights)
{
    _omniBatches.Clear();
    for (lights.Begin(); lights.End(); lights.Next())
        _omniBatches.Add(lights.Current()->GetSourceData(), LightRect(camera, *lights.Current()),
                         LightDepth(camera, *lights.Current()));
    _omniBatches.Build();
    for (const OmniBatches::Batch& batch : _omniBatches.GetBatches())
    {
        const Rect scissor = batch.bounds.ToRect();
        _system->SetScissors(false, &scissor);
        RenderOmniBatch(batch);
    }
}

// The lights go to the variant's own copy of the array, which no parameter set touches.
void RenderScene::RenderOmniBatch(const OmniBatches::Batch& batch)
{
    Material* material = _omniLights[batch.variant];
    Shader* shader = material->GetBindedShader();
    fx::Effect* effect = shader ? shader->GetD3DEffect() : nullptr;
    if (!effect)
        return;
    effect->SetValue(effect->GetParameterByName("omniLights"), batch.slots.data(),
                     unsigned(batch.slots.size() * sizeof(float)));
    effect->SetFloat(effect->GetParameterByName("omniDepth"), batch.depth);
    _system->RenderScreenAlignedQuad(material);
}

// Depth is written where the lit prims were drawn, unless one of them leaves it alone.
bool RenderScene::LitPrimsWriteDepth()
{
    for (auto entry = _litQueue->Begin(); entry != _litQueue->End(); ++entry)
    {
        Material* material = entry->material;
        if (!material || material->MaterialFlags().HasFlag(MF_NOZCULL) ||
            material->MaterialFlags().HasFlag(MF_NOZWRITE) ||
            material->MaterialFlags().HasFlag(MF_DONT_APPLY_STDSTATEBLOCK))
            return false;
    }
    return true;
}

// Only effects that say so write an emissive colour; the others leave the target black.
bool RenderScene::LitPrimsWriteEmissive()
{
    for (auto entry = _litQueue->Begin(); entry != _litQueue->End(); ++entry)
    {
        const Shader* shader = entry->material ? entry->material->GetBindedShader() : nullptr;
        if (shader && shader->WritesEmissive())
            return true;
    }
    return false;
}

// The light quads lie on the far plane: tested "greater" against the depth the lit prims left,
// they shade only the pixels those covered and pass over the empty rest of the screen, which
// they would leave as it is anyway. Without that depth they shade every pixel. The sun blends
// by its alpha, which is 1 at every pixel the test lets through: masked, it is written as it is.
// (ResetFlag turns a flag over.)
void RenderScene::MaskLightsByDepth(bool masked)
{
    const auto mask = [masked](Material* material) {
        Flags& flags = material->MaterialFlags();
        if (flags.HasFlag(MF_NOZCULL) == masked)
            flags.ResetFlag(MF_NOZCULL);
    };
    for (Material* material : _omniLights)
        mask(material);
    mask(_directionalLight);
    Flags& sun = _directionalLight->MaterialFlags();
    if (sun.HasFlag(MF_TRANSLUCENT) == masked)
        sun.ResetFlag(MF_TRANSLUCENT);
    _system->SetDepthFunc(masked ? CMP_GREATER : CMP_LESSEQUAL);
}
