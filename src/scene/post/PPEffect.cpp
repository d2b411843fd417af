#include "scene/post/PPEffect.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/shaders/ShaderLib.h"
#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Texture.h"
#include "scene/RenderScene.h"

PPEffect::PPEffect(RenderScene* scene, unsigned passCount)
    : _materialSystem(scene->GetMaterialSystem()), _scene(scene), _passes(passCount)
{}

PPEffect::~PPEffect()
{
    if (!_ownsPasses)
        return;
    for (PPPass& pass : _passes)
    {
        if (pass.target && !pass.borrowedTarget)
            _materialSystem->GetTextureMgr()->DestroyTexture(pass.target);
        if (pass.material)
            _materialSystem->GetMaterialMgr()->DestroyMaterial(pass.material);
    }
}

int PPEffect::Enable()
{
    _ownsPasses = true;
    return 1;
}

Texture* PPEffect::NewTarget(const char* name)
{
    TextureDesc desc;
    desc.kind = TEXKIND_RENDERTARGET;
    desc.format = TEXFMT_A8R8G8B8;
    desc.width = desc.height = 256;
    desc.mipLevels = 1;
    return _materialSystem->GetTextureMgr()->CreateTexture(name, desc);
}

bool PPEffect::SetPass(unsigned index, const char* material, Texture* target, bool borrowed, unsigned flags,
                       std::initializer_list<std::pair<const char*, Texture*>> inputs, const char* shader)
{
    PPPass& pass = _passes[index];
    pass.target = target;
    pass.borrowedTarget = borrowed;
    pass.material = _materialSystem->GetMaterialMgr()->CreateMaterial(material);
    for (const auto& [semantic, texture] : inputs)
        pass.material->AddTexture(semantic, texture);
    pass.material->BindShaderEx(shader, nullptr);
    pass.material->MaterialFlags() = Flags(flags);
    return pass.material->GetBindedShader() != ShaderLib::GetInstance()->GetProxyShader();
}

void PPEffect::DrawPass(unsigned index)
{
    const PPPass& pass = _passes[index];
    if (pass.target)
        _materialSystem->SetRenderTarget(pass.target, 0);
    else
        _materialSystem->SetBackBuffer();
    _materialSystem->RenderScreenAlignedQuad(pass.material);
}

bool PPEffect::ReadTarget(Texture* target, std::vector<uint32_t>& texels) const
{
    gfx::Texture* texture = target ? target->GetTexHandle() : nullptr;
    gfx::Device* device = _materialSystem->GetDevice();
    if (!texture || !device)
        return false;
    texels.resize(size_t(texture->GetWidth()) * texture->GetHeight());
    return device->ReadPixels(texture, gfx::Rect{0, 0, int(texture->GetWidth()), int(texture->GetHeight())},
                              texels.data());
}
