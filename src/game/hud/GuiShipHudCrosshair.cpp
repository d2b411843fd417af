#include "game/hud/GuiShipHudCrosshair.h"

#include "game/ai/LevelLogic.h"
#include "game/core/game/Game.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/Ship.h"
#include "game/hud/GuiShipHudTargetInfo.h"
#include "game/hud/HudPaint.h"
#include "game/hud/HudServices.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiGame.h"
#include "scene/nodes/Camera.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

const Ship* GuiShipHudCrosshair::_lastBoxTarget = nullptr;
float GuiShipHudCrosshair::_targetArrowAlpha = 1.0f;

namespace {

constexpr float DegreesToRadians = 0.017453292f;
const Color White(1.0f, 1.0f, 1.0f, 1.0f);

const char* const IndicatorFiles[4] = {"gui_hud_wingR.mat", "gui_hud_wingG.mat", "gui_hud_sgun.mat",
                                       "gui_hud_fgun.mat"};
const float IndicatorY[4] = {423.0f, 417.0f, 416.0f, 416.0f};
const char* const BoxFiles[5] = {"gui_hud_target.mat", "gui_hud_target1.mat", "gui_hud_target2.mat",
                                 "gui_hud_target3.mat", "gui_target.mat"};

Vec2 ScreenCentre() { return Vec2(Hud::ScreenWidth() * 0.5f, Hud::ScreenHeight() * 0.5f); }

// The arrow's alpha moves by the frame time toward 0 near the centre, toward 1 elsewhere.
void Fade(float& alpha, const Vec2& point)
{
    const float dt = Hud::Seconds();
    const Vec2 d = point - ScreenCentre();
    if (std::sqrt(d.x * d.x + d.y * d.y) < GuiShipHudCrosshair::CentreRadius)
        alpha = std::max(alpha - dt, 0.0f);
    else
        alpha = std::min(alpha + dt, 1.0f);
}

float Distance(const Vec3& a, const Vec3& b) { return (a - b).Length(); }

} // namespace

GuiShipHudCrosshair::~GuiShipHudCrosshair() { Unload(); }

void GuiShipHudCrosshair::ResetShared()
{
    _lastBoxTarget = nullptr;
    _targetArrowAlpha = 1.0f;
}

void GuiShipHudCrosshair::Load()
{
    if (_loaded || !Hud::HasRoot())
        return;
    _reticleLayer = Hud::AddFlash("target", "swf//target.swf", Vec2(576.0f, 415.0f), Vec2(128.0f, 128.0f), GA_CENTER);
    _crosshairMaterial = GuiGame::LoadMaterial("gui_hud_crosshair.mat");
    _arrowMaterial = GuiGame::LoadMaterial("gui_arrow.mat");
    for (int i = 0; i < 4; ++i)
        _indicatorMaterials[i] = GuiGame::LoadMaterial(IndicatorFiles[i]);
    _globalArrowMaterial = GuiGame::LoadMaterial("gui_hud_global_target.mat");
    for (int i = 0; i < 5; ++i)
        _boxMaterials[i] = GuiGame::LoadMaterial(BoxFiles[i]);
    for (int i = 0; i < 3; ++i)
        _spareMaterials[i] = GuiGame::LoadMaterial(("gui_target" + std::to_string(i + 1) + ".mat").c_str());
    _globalLevelBgMaterial = GuiGame::LoadMaterial("gui_target_lvl_bg.mat");
    _globalLevelMaterial = GuiGame::LoadMaterial("gui_target_lvl.mat");
    _targetLevelBgMaterial = GuiGame::LoadMaterial("gui_target_small_lvl_bg.mat");
    _targetLevelMaterial = GuiGame::LoadMaterial("gui_target_small_lvl.mat");
    _boxLayer = Gui::AddFlash(Hud::Root(), "target", "swf//gui_target_new.swf", Vec2(0.0f, 0.0f),
                              Gui::ScreenSize(Vec2(64.0f, 64.0f)));
    ShowWingR(false);
    ShowWingG(true);
    ShowSGun(false);
    ShowFGun(true);
    _loaded = true;
}

void GuiShipHudCrosshair::Unload()
{
    if (!_loaded)
        return;
    Hud::RemoveFromRoot(_reticleLayer);
    Hud::RemoveFromRoot(_boxLayer);
    _loaded = false;
}

Texture* GuiShipHudCrosshair::LoadCursorTexture(const char* file)
{
    _cursorTexture = Hud::LoadTexture(file);
    return _cursorTexture;
}

float GuiShipHudCrosshair::AngleBetween(const Vec2& a, const Vec2& b)
{
    const float lengths = std::sqrt(a.x * a.x + a.y * a.y) * std::sqrt(b.x * b.x + b.y * b.y);
    if (!(lengths > 0.0f))
        return 0.0f;
    // Rounding can put the cosine a little outside -1..1, where acos has no value.
    const float cosine = std::clamp((a.x * b.x + a.y * b.y) / lengths, -1.0f, 1.0f);
    return std::acos(cosine) * 180.0f / 3.141592f;
}

void GuiShipHudCrosshair::Proceed() { Proceed(Hud::IsSingle() ? Hud::GetPlayerShip() : nullptr, Hud::GetLogic()); }

void GuiShipHudCrosshair::Proceed(Ship* playerShip, const LevelLogic* logic)
{
    if (!_loaded || !_cursorTexture)
        return;
    _boxLayer->SetVisible(false);
    _currentTarget = playerShip ? playerShip->GetTarget() : nullptr;
    if (_currentTarget)
    {
        _boxAngle += Hud::Seconds() * 120.0f;
        Vec3 projected(0.0f, 0.0f, 0.0f);
        if (const Camera* camera = Hud::GetCamera())
            camera->WorldToScreen(_currentTarget->GetPosition(), game.GetRender(), projected);
        _targetScreenPos = Vec2(projected.x, projected.y);
        DrawTargetBox();
    }
    else
    {
        _lastBoxTarget = nullptr; // a target chosen again flies in again
    }
    if (playerShip)
        DrawTargetArrowAndGlobals(playerShip, logic);

    const float s = Hud::Scale();
    for (int i = 0; i < 4; ++i)
    {
        if (_show[i])
            HudPaint::Quad(_indicatorMaterials[i], Gui::ScreenPos(Vec2(576.0f, IndicatorY[i]), GA_CENTER),
                           Vec2(128.0f, 128.0f) * s, 0.0f, White);
    }
}

void GuiShipHudCrosshair::DrawTargetBox()
{
    const float dt = Hud::Seconds();
    const float s = Hud::Scale();
    if (_lastBoxTarget != _currentTarget)
    {
        _lastBoxTarget = _currentTarget;
        _flyIn = 0.0f;
    }
    const Vec2 size = Vec2(128.0f, 128.0f) * s;
    if (_flyIn < 1.0f)
    {
        // Three pieces fly in from about 354 pixels out in a quarter of a second.
        const float d = (1.0f - _flyIn) * 500.0f + _flyIn * 0.0001f;
        const float r = std::sqrt(2.0f * d * d) / 2.0f;
        const float directions[3] = {30.0f, 150.0f, 270.0f};
        const float turns[3] = {30.0f, -85.0f, 145.0f};
        for (int i = 0; i < 3; ++i)
        {
            const float a = (_boxAngle + directions[i]) * DegreesToRadians;
            HudPaint::Quad(_boxMaterials[1 + i], _targetScreenPos + Vec2(std::cos(a) * r, std::sin(a) * r), size,
                           _boxAngle + turns[i], White);
        }
        _flyIn = std::min(_flyIn + dt * 4.0f, 1.0f);
    }
    else
    {
        HudPaint::Quad(_boxMaterials[0], _targetScreenPos, size, _boxAngle, White);
    }

    // The box movie: red once the target panel has finished its scan, this frame.
    if (HudPaint::IsDrawable(_targetScreenPos))
    {
        _boxLayer->SetPos(_targetScreenPos);
        _boxLayer->SetAngle(_boxAngle);
        _boxLayer->SetColor(GuiShipHudTargetInfo::IsTargetScanDone() ? Color(1.0f, 0.0f, 0.0f, 1.0f)
                                                                     : Color(1.0f, 1.0f, 0.0f, 1.0f));
        _boxLayer->SetVisible(true);
    }

    if (_showTargetLevel)
    {
        HudPaint::Quad(_targetLevelBgMaterial, _targetScreenPos + Vec2(-41.0f, 39.0f), Vec2(80.0f, 5.0f), 0.0f, White);
        const float level = _targetLevel;
        HudPaint::Quad(_targetLevelMaterial, _targetScreenPos + Vec2(-39.0f, 40.0f), Vec2(level * 78.0f, 3.0f),
                       Vec2(0.0f, 1.0f), Vec2(0.0f, 0.0f), Vec2(level, 1.0f), Vec2(level, 0.0f), 0.0f, White);
    }
}

GuiShipHudCrosshair::Pointing GuiShipHudCrosshair::PointTo(const Vec3& world) const
{
    Pointing pointing;
    Vec3 projected(0.0f, 0.0f, 0.0f);
    if (const Camera* camera = Hud::GetCamera())
        camera->WorldToScreenNoScissor(world, game.GetRender(), projected, pointing.behind);
    pointing.screen = Vec2(projected.x, projected.y);
    const Vec2 centre = ScreenCentre();
    const Vec2 d = pointing.screen - centre;
    const float length = std::sqrt(d.x * d.x + d.y * d.y);
    if (length > 0.0f && std::isfinite(length))
        pointing.dir = d / length;
    const float a = AngleBetween(Vec2(1.0f, 0.0f), pointing.dir);
    pointing.angle = pointing.screen.y < centre.y ? -a - 90.0f : a + 270.0f;
    if (pointing.behind)
        pointing.angle += 180.0f;
    return pointing;
}

void GuiShipHudCrosshair::DrawDistance(float distance, const Vec2& from, float alpha)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d", int(distance));
    HudPaint::Text({"OCRA", 8, 6, 700, false, text, Vec4(from.x, from.y, 1280.0f, 960.0f), TA_TOP_LEFT, false,
                    Color(1.0f, 0.0f, 0.0f, alpha)});
}

void GuiShipHudCrosshair::DrawTargetArrowAndGlobals(Ship* playerShip, const LevelLogic* logic)
{
    const float dt = Hud::Seconds();
    _playerPosition = playerShip->GetPosition();
    const Vec2 centre = ScreenCentre();
    if (Ship* target = playerShip->GetTarget())
    {
        const Pointing pointing = PointTo(target->GetPosition());
        _targetScreenPos = pointing.screen;
        Fade(_targetArrowAlpha, pointing.screen);
        HudPaint::Quad(_arrowMaterial, centre, Vec2(256.0f, 256.0f), pointing.angle,
                       Color(1.0f, 1.0f, 1.0f, _targetArrowAlpha));
        const float side = pointing.behind ? -1.0f : 1.0f;
        DrawDistance(Distance(_playerPosition, target->GetPosition()),
                     Vec2(centre.x, centre.y + 20.0f) + pointing.dir * 70.0f * side, _targetArrowAlpha);
        SetTargetLevel(target->GetAverageDamage());
    }
    else
    {
        SetTargetLevel(0.0f);
    }

    _globalAngle += dt * 120.0f;
    const unsigned count = logic ? logic->GetGlobalTargetCount() : 0;
    for (unsigned i = 0; i < count; ++i)
    {
        const GlobalLevelTarget* global = logic->GetGlobalTarget(i);
        if (!global)
            continue;
        _globalColor = global->color;
        _globalMax = global->values[0];
        _globalValue = global->values[1];
        _globalScale = global->big ? 1.0f : 0.5f;
        _globalPosition = global->position;
        Vec3 projected(0.0f, 0.0f, 0.0f);
        if (const Camera* camera = Hud::GetCamera())
            camera->WorldToScreen(global->position, game.GetRender(), projected);
        _globalScreenPos = Vec2(projected.x, projected.y);
        DrawGlobalTargetBadge();

        const Pointing pointing = PointTo(global->position);
        const bool offScreen = !(pointing.screen.x >= 0.0f && pointing.screen.x <= Hud::ScreenWidth() &&
                                 pointing.screen.y >= 0.0f && pointing.screen.y <= Hud::ScreenHeight());
        if (global->arrow && (offScreen || pointing.behind))
            DrawGlobalTargetArrow(pointing.angle, pointing.dir, pointing.behind);
    }
}

void GuiShipHudCrosshair::DrawGlobalTargetBadge()
{
    const float s = Hud::Scale();
    HudPaint::Quad(_boxMaterials[4], _globalScreenPos, Vec2(128.0f, 128.0f) * s * _globalScale, _globalAngle,
                   _globalColor);
    if (!_showGlobalLevels || _globalValue == 0.0f || _globalMax == 0.0f)
        return;
    const float ratio = _globalMax > 0.0f ? _globalValue / _globalMax : 0.0f;
    HudPaint::Quad(_globalLevelBgMaterial, _globalScreenPos + Vec2(-101.0f, -76.0f), Vec2(200.0f, 14.0f), 0.0f, White);
    HudPaint::Quad(_globalLevelMaterial, _globalScreenPos + Vec2(-98.0f, -73.0f), Vec2(ratio * 194.0f, 8.0f),
                   Vec2(0.0f, 1.0f), Vec2(0.0f, 0.0f), Vec2(ratio, 1.0f), Vec2(ratio, 0.0f), 0.0f, White);
}

void GuiShipHudCrosshair::DrawGlobalTargetArrow(float angle, const Vec2& dir, bool behind)
{
    const float s = Hud::Scale();
    const Vec2 q = ScreenCentre() + dir * 120.0f * (behind ? -1.0f : 1.0f);
    HudPaint::Quad(_globalArrowMaterial, q, Vec2(64.0f, 64.0f) * s, angle, _globalColor);
    DrawDistance(Distance(_playerPosition, _globalPosition), Vec2(q.x, q.y + 20.0f * s), 1.0f);
}
