#include "game/hud/HudPhoto.h"

#include "MaterialSystem/materials/Material.h"
#include "foundation/base/Random.h"
#include "game/hud/HudPaint.h"
#include "game/hud/HudServices.h"
#include "layers/widgets/GuiGame.h"

#include <cmath>

float HudPhoto::_phase = 0.0f;
float HudPhoto::_time = 0.0f;

void HudPhoto::ResetShared()
{
    _phase = 0.0f;
    _time = 0.0f;
}

void HudPhoto::Load() { _material = GuiGame::LoadMaterial("gui_hud_mb_photo.mat"); }

void HudPhoto::SetPicture(const char* file)
{
    if (Texture* picture = Hud::LoadTexture(file))
        _picture = picture;
}

float HudPhoto::Draw(const Vec2& designPos, float alpha)
{
    const float dt = Hud::Seconds();
    const float r = float(EngineRandom() % 100) * 0.01f;
    _phase += dt * (0.2f + 0.8f * r) * 5.0f;
    _time += dt;
    const float koef = std::fabs(std::cos(_time * 0.5f));
    if (_material && _picture)
    {
        _material->SetTexture("Base_Map", _picture);
        _material->SetFloat("sin_time_0_X", std::fabs(std::sin(_phase)));
        _material->SetFloat("time_0_X", _time);
        _material->SetFloat("effectKoef", koef);
        HudPaint::Quad(_material, Gui::ScreenPos(designPos), Gui::ScreenSize(Vec2(128.0f, 128.0f)), 0.0f,
                       Color(1.0f, 1.0f, 1.0f, alpha));
    }
    return koef;
}
