#include "layers/FlashLayer.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "layers/LayerManager.h"
#include "layers/flash/FlashControl.h"

#include <cstdio>

namespace {

// Numbers the controls of all Flash layers.
int ControlCounter = 0;

MaterialMgr* Materials()
{
    MaterialSystem* system = LayerManager::GetMaterialSystem();
    return system ? system->GetMaterialMgr() : nullptr;
}

} // namespace

FlashLayer::FlashLayer(const char* name, const char* movie, const Vec2& pos, const Vec2& size, float angle,
                       const Color& color)
    : Layer(name, LT_FLASH, pos, size, angle, color)
{
    char controlName[32];
    std::snprintf(controlName, sizeof(controlName), "flashControl%d", ControlCounter);
    _control = std::make_unique<FlashHost::FlashControl>(controlName, int(size.x), int(size.y));
    _control->load(movie ? movie : "");
    _control->setTransparent(true, true);
    if (MaterialMgr* materials = Materials(); materials && _control->getTexture())
    {
        _material = materials->CreateMaterial(controlName);
        _material->AddTexture("Base_Map", _control->getTexture());
        _material->MaterialFlags() = Flags(MaterialFlags);
        _material->BindShaderEx("MAT_ScreenQuadFlash.fx", nullptr);
        _material->ApplyToShader(nullptr);
    }
    ++ControlCounter;
    _control->update("", false, false);
}

FlashLayer::~FlashLayer() { PrepareToRelease(); }

void FlashLayer::SetUV2(const Vec2& uv0, const Vec2& uv1, const Vec2& uv2, const Vec2& uv3)
{
    _uv2[0] = uv0;
    _uv2[1] = uv1;
    _uv2[2] = uv2;
    _uv2[3] = uv3;
}

void FlashLayer::Draw()
{
    if (!_control || _control->update(_name.c_str(), _drawAnyway, true) < 2 || !_material)
        return;
    Vec2 pos = _pos;
    if (_posAutoScale)
        pos *= LayerManager::GetScaleFactor();
    const Vec2* uv = _control->getUV();
    for (int i = 0; i < 4; ++i)
        _uv[i] = uv[i];
    if (_uv2[0].x != 0.0f)
    {
        _uv2[0].x *= _uv[2].x;
        _uv[0].x = 1.0f;
    }
    if (_uv2[1].x != 0.0f)
    {
        _uv2[1].x *= _uv[3].x;
        _uv[1].x = 1.0f;
    }
    const Vec2 corners[4] = {_uv[0] * _uv2[0], _uv[1] * _uv2[1], _uv[2] * _uv2[2], _uv[3] * _uv2[3]};
    LayerManager::RenderQuad(_material, pos, _size * _scale, corners, _angle, _color);
}

void FlashLayer::OnDeviceRestore()
{
    if (_control)
        _control->OnDeviceRestore();
}

bool FlashLayer::IsReadyToRelease() { return Layer::IsReadyToRelease() && (!_control || _control->IsReadyToRelease()); }

void FlashLayer::PrepareToRelease()
{
    if (_control)
        _control->PrepareToRelease();
    if (_material)
    {
        if (MaterialMgr* materials = Materials())
            materials->DestroyMaterial(_material);
        _material = nullptr;
    }
}
