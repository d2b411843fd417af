#include "game/world/player/UIHit.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "foundation/config/VideoSettings.h"
#include "foundation/math/Vec2.h"
#include "game/core/game/Game.h"

UIHit::UIHit(Player* player) : _player(player) {}

void UIHit::Initialize()
{
    MaterialSystem* render = game.GetRender();
    if (render && render->GetMaterialMgr())
        _material = render->GetMaterialMgr()->CreateMaterialFromFile("hit.mat");
}

void UIHit::DoDamage(bool shield)
{
    _intensity = 1.0f;
    _shield = shield;
}

Color UIHit::GetFlashColor() const
{
    if (_shield)
        return Color(0, 0.5f * _intensity, _intensity, 1);
    return Color(_intensity, 0, 0, 1);
}

void UIHit::Proceed()
{
    if (_intensity <= 0)
        return;
    MaterialSystem* render = game.GetRender();
    const VideoSettings* video = game.GetVideoSettings();
    if (render && video && _material)
    {
        const Vec2 screen(static_cast<float>(video->ScrWidth), static_cast<float>(video->ScrHeight));
        render->RenderQuad(_material, Vec2(0, 0), screen, 0, GetFlashColor(), 0);
    }
    _intensity -= game.GetSPF();
}
