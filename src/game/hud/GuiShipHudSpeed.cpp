#include "game/hud/GuiShipHudSpeed.h"

#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/player/BoosterSystem.h"
#include "game/world/player/FlightModel.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/hud/HudCurves.h"
#include "game/hud/HudPaint.h"
#include "game/hud/HudServices.h"
#include "layers/FlashLayer.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cmath>
#include <string>

float GuiShipHudSpeed::_lampAngle = 0.0f;

namespace {

const char* const ModeFiles[4] = {"gui//fm_direct.mat", "gui//fm_strafe.mat", "gui//fm_duplex.mat",
                                  "gui//fm_comby.mat"};
const char* const DuplexFiles[5] = {"gui//speed_duplex_back.mat", "gui//speed_duplex_lvl_r.mat",
                                    "gui//speed_duplex_lvl_l.mat", "gui//speed_duplex_pointer_r.mat",
                                    "gui//speed_duplex_pointer_l.mat"};
const char* const HeldFiles[10] = {"gui_hud_speed_lvlL.mat",         "hud_speed_burnL.mat",
                                   "gui_hud_speed_snakeL.mat",       "gui_hud_speed_bustrerBackL.mat",
                                   "gui_hud_speed_pointerL.mat",     "gui_hud_speed_lvlR.mat",
                                   "gui_hud_speed_snakeR.mat",       "hud_speed_burnR.mat",
                                   "gui_hud_speed_bustrerBackR.mat", "gui_hud_speed_pointerR.mat"};

struct SpeedLayer
{
    const char* name;
    const char* movie;
    Vec2 pos, size;
};
const SpeedLayer SpeedMovies[GuiShipHudSpeed::SpeedLayers] = {
    {"speed_back", "swf//speed_back.swf", {340, 864}, {600, 90}},
    {"speed_lvl_l", "swf//speed_lvl_l.swf", {351, 870}, {229, 54}},
    {"speed_lvl_r", "swf//speed_lvl_r.swf", {702, 870}, {229, 54}},
    {"speed_pointer_l", "swf//speed_pointer_l.swf", {410, 877}, {64, 64}},
    {"speed_pointer_r", "swf//speed_pointer_r.swf", {864, 877}, {64, 64}},
};

// Where the flames and the boost panels rest and where they go out to.
const Vec2 FlameRightRest(650, 900), FlameRightOut(950, 900), FlameLeftRest(365, 900), FlameLeftOut(65, 900);
const Vec2 PanelRightRest(771, 935), PanelRightOut(1085, 935), PanelLeftRest(378, 935), PanelLeftOut(64, 935);

Vec2 Screen(const Vec2& design) { return Gui::ScreenPos(design, GA_CENTER); }

Vec2 Lerp(const Vec2& a, const Vec2& b, float k) { return a * (1.0f - k) + b * k; }

Color Alpha(float alpha) { return Color(1.0f, 1.0f, 1.0f, alpha); }

} // namespace

GuiShipHudSpeed::~GuiShipHudSpeed() { Unload(); }

void GuiShipHudSpeed::Load()
{
    if (_loaded || !Hud::HasRoot())
        return;
    // The icons and the gear display's back have words on them.
    for (int i = 0; i < 4; ++i)
        _modeIcons[i] = Hud::LoadWordsMaterial(ModeFiles[i]);
    _duplexMaterials[0] = Hud::LoadWordsMaterial(DuplexFiles[0]);
    for (int i = 1; i < 5; ++i)
        _duplexMaterials[i] = GuiGame::LoadMaterial(DuplexFiles[i]);
    for (int i = 0; i < 3; ++i)
    {
        const std::string n = std::to_string(i + 1);
        _flamesRight[i] = GuiGame::LoadMaterial(("gui_hud_speed_busterF" + n + "R.mat").c_str());
        _flamesLeft[i] = GuiGame::LoadMaterial(("gui_hud_speed_busterF" + n + "L.mat").c_str());
    }
    _greenLamp = GuiGame::LoadMaterial("gui_hud_speed_glamp.mat");
    _redLamp = GuiGame::LoadMaterial("gui_hud_speed_rlamp.mat");
    for (int i = 0; i < 10; ++i)
        _heldMaterials[i] = GuiGame::LoadMaterial(HeldFiles[i]);
    SetThrottle(0.0f);

    for (int i = 0; i < SpeedLayers; ++i)
        _speed[i] = Hud::AddFlash(SpeedMovies[i].name, SpeedMovies[i].movie, SpeedMovies[i].pos, SpeedMovies[i].size,
                                  GA_CENTER);
    _boostL = Hud::AddFlash("BoostL", "swf//boost_l.swf", Vec2(378, 937), Vec2(133, 18), GA_CENTER);
    _boostR = Hud::AddFlash("BoostR", "swf//boost_r.swf", Vec2(770, 937), Vec2(133, 18), GA_CENTER);
    const Vec2 small = Gui::ScreenSize(Vec2(31, 31)), large = Gui::ScreenSize(Vec2(128, 128));
    Material* const materials[4] = {_greenLamp, _redLamp, _greenLamp, _redLamp};
    for (int i = 0; i < 4; ++i)
    {
        _lamps[i] = Gui::AddSprite(Hud::Root(), "back", Vec2(0, 0), i % 2 == 0 ? small : large, materials[i]);
        _lamps[i]->SetColor(Alpha(0.5f));
        _lamps[i]->SetVisible(false);
    }
    _loaded = true;
}

void GuiShipHudSpeed::Unload()
{
    if (!_loaded)
        return;
    for (FlashLayer*& layer : _speed)
        Hud::RemoveFromRoot(layer);
    Hud::RemoveFromRoot(_boostL);
    Hud::RemoveFromRoot(_boostR);
    for (SpriteLayer*& lamp : _lamps)
        Hud::RemoveFromRoot(lamp);
    _loaded = false;
}

void GuiShipHudSpeed::SetThrottle(float throttle) { _throttle = std::clamp(throttle, 0.0f, 1.0f); }

void GuiShipHudSpeed::SetNeedleLevel(float level) { _needle = std::clamp(level, 0.0f, 1.0f); }

void GuiShipHudSpeed::RestartBoost()
{
    _boostProgress = 0.0f;
    _boostSlide = 1.0f;
}

void GuiShipHudSpeed::HoldLevels(float seconds)
{
    if (seconds > 0.0f)
    {
        _holdActive = true;
        _holdTime = seconds;
    }
}

float GuiShipHudSpeed::FlameAlpha1(float x) const
{
    if (x > 0.0f && x <= 0.4f)
        return 2.5f * x;
    if (x > 0.4f && x <= 0.6f)
        return 1.0f;
    if (x > 0.6f && x <= 1.0f)
        return 1.0f - (x - 0.6f) * 2.5f;
    return 0.0f;
}

float GuiShipHudSpeed::FlameAlpha2(float x) const
{
    if (x > 0.3f && x <= 0.75f)
        return (x - 0.3f) * 2.222f;
    if (x > 0.75f && x <= 0.8f)
        return 1.0f;
    if (x > 0.8f && x <= 1.0f)
        return 1.0f - (x - 0.8f) * 5.0f;
    return 0.0f;
}

float GuiShipHudSpeed::FlameAlpha3(float x) const
{
    if (x > 0.0f && x <= 0.5f)
        return 2.0f * x;
    if (x > 0.5f && x <= 0.6f)
        return 1.0f;
    if (x > 0.6f && x <= 1.0f)
        return 1.0f - (x - 0.6f) * 2.5f;
    return 0.0f;
}

void GuiShipHudSpeed::LeftPointerPos(float d, Vec2& out) const
{
    out = Vec2(HudCurve({{0.0f, 555.0f}, {0.33f, 482.0f}, {0.66f, 419.0f}, {1.0f, 380.0f}}, d),
               HudCurve({{0.0f, 886.0f}, {0.33f, 884.0f}, {0.66f, 879.0f}, {1.0f, 870.0f}}, d));
}

void GuiShipHudSpeed::RightPointerPos(float d, Vec2& out) const
{
    out = Vec2(HudCurve({{0.0f, 660.0f}, {0.33f, 733.0f}, {0.66f, 796.0f}, {1.0f, 835.0f}}, d),
               HudCurve({{0.0f, 886.0f}, {0.33f, 884.0f}, {0.66f, 879.0f}, {1.0f, 870.0f}}, d));
}

void GuiShipHudSpeed::DuplexLeftPointerPos(float x, Vec2& out) const
{
    out = Vec2(HudCurve({{0.0f, 437.0f}, {0.5f, 391.0f}, {1.0f, 345.0f}}, x),
               HudCurve({{0.0f, 885.0f}, {0.5f, 873.0f}, {1.0f, 851.0f}}, x)) -
          Vec2(1.0f, 5.0f);
}

void GuiShipHudSpeed::DuplexRightPointerPos(float x, Vec2& out) const
{
    out = Vec2(HudCurve({{0.0f, 451.0f}, {0.5f, 497.0f}, {1.0f, 543.0f}}, x),
               HudCurve({{0.0f, 885.0f}, {0.5f, 873.0f}, {1.0f, 851.0f}}, x)) -
          Vec2(6.0f, 5.0f);
}

GuiShipHudSpeed::Flight GuiShipHudSpeed::PlayerFlight()
{
    Flight flight;
    flight.single = Hud::IsSingle();
    const SingleLevel* level = game.GetLevel();
    const Player* player = Hud::GetPlayer();
    const FlightModel* model = player ? player->GetFlightModel() : nullptr;
    if (level && level->IsExist() && model)
    {
        flight.mode = int(model->GetFlyghtModelType()) + 1;
        flight.current = model->GetSpeedCur();
        flight.desired = model->GetSpeedDes();
        flight.gear = model->GetGear();
    }
    if (const BoosterSystem* booster = player ? player->GetBooster() : nullptr)
    {
        flight.boosting = booster->IsBoost();
        const float maximum = booster->GetMaximumEnergyLevel();
        flight.energy = maximum > 0.0f ? booster->GetCurrentEnergyLevel() / maximum : 0.0f;
    }
    if (const PlayerShip* ship = Hud::GetPlayerShip())
        flight.speedPerc = ship->GetSpeedPerc();
    return flight;
}

void GuiShipHudSpeed::Proceed() { Proceed(PlayerFlight()); }

void GuiShipHudSpeed::Proceed(const Flight& flight)
{
    if (!_loaded)
        return;
    const float dt = Hud::Seconds();
    DrawFlightModeIcon(Vec2(344, 658), flight.mode, 1.0f);
    if (flight.single)
        SetThrottle(flight.speedPerc * 0.01f);

    if (_holdTime > 0.0f)
    {
        _holdActive = true;
        _holdTime -= dt;
        if (_holdTime < 0.0f)
        {
            _holdTime = 0.0f;
            _holdActive = false;
        }
    }
    else
    {
        _holdActive = false;
    }

    bool visible = true;
    if (flight.mode == 3)
    {
        const float v = flight.current * 0.01f * flight.gear;
        const float forward = v >= 0.0f ? v : 0.0f, reverse = v < 0.0f ? -v : 0.0f;
        DrawDuplexGauge(Vec2(317, 870), reverse, forward);
        DrawDuplexGauge(Vec2(708, 870), forward, reverse);
        visible = false;
    }
    else
    {
        DrawBars(flight);
    }
    for (FlashLayer* layer : _speed)
        layer->SetVisible(visible);
    DrawBoostPanels(flight.single ? flight.energy : 0.0f);
    DrawBoostFlames();
}

void GuiShipHudSpeed::DrawBars(const Flight& flight)
{
    const float level = flight.boosting ? 1.0f : flight.current * 0.01f * 0.75f;
    const float desired = flight.desired * 0.01f;
    const float alpha = desired - 0.1f < 0.25f ? std::max(0.0f, (desired - 0.1f) * 4.0f) : 1.0f;
    const bool holding = _holdActive && _holdEnabled;
    if (!holding)
    {
        FlashLayer* left = _speed[LAYER_LEVEL_LEFT];
        left->SetPos(Screen(Vec2(351.0f + (1.0f - level) * 229.0f, 870.0f)));
        left->SetSize(Gui::ScreenSize(Vec2(level * 229.0f, 55.0f)));
        left->SetUV2(Vec2(1.0f - level, 1.0f), Vec2(1.0f - level, 0.0f), Vec2(1.0f, 1.0f), Vec2(1.0f, 0.0f));
    }
    Vec2 pointer;
    LeftPointerPos(desired, pointer);
    _speed[LAYER_POINTER_LEFT]->SetPos(Screen(pointer + Vec2(30.0f, 6.0f)));
    _speed[LAYER_POINTER_LEFT]->SetColor(Alpha(alpha));
    if (!holding)
    {
        FlashLayer* right = _speed[LAYER_LEVEL_RIGHT];
        right->SetSize(Gui::ScreenSize(Vec2(level * 229.0f, 55.0f)));
        right->SetUV2(Vec2(0.0f, 1.0f), Vec2(0.0f, 0.0f), Vec2(level, 1.0f), Vec2(level, 0.0f));
    }
    RightPointerPos(desired, pointer);
    _speed[LAYER_POINTER_RIGHT]->SetPos(Screen(pointer + Vec2(29.0f, 6.0f)));
    _speed[LAYER_POINTER_RIGHT]->SetColor(Alpha(alpha));
}

void GuiShipHudSpeed::DrawBoostPanels(float energy)
{
    const float dt = Hud::Seconds();
    float k;
    if (_boostProgress < 1.0f)
    {
        k = std::min(1.0f, std::sin(std::sqrt(_boostProgress) * 1.57f));
    }
    else
    {
        if (_boostSlide > 0.0f)
            _boostSlide = std::max(_boostSlide - 0.2f * dt, 0.0f);
        k = _boostSlide;
    }
    const Vec2 right = Lerp(PanelRightRest, PanelRightOut, k), left = Lerp(PanelLeftRest, PanelLeftOut, k);
    _boostR->SetPos(Screen(right + Vec2(-1.0f, 1.0f)));
    _boostL->SetPos(Screen(left + Vec2(-1.0f, 1.0f)));

    if (energy != 1.0f)
        _energyGlow = std::max(_energyGlow - 5.0f * dt, 0.0f);
    else
        _energyGlow = std::min(_energyGlow + 5.0f * dt, 1.0f);

    SpriteLayer* greenLeft = _lamps[0];
    SpriteLayer* redLeft = _lamps[1];
    SpriteLayer* greenRight = _lamps[2];
    SpriteLayer* redRight = _lamps[3];
    const Vec2 lampLeft = left + Vec2(12.0f, -7.0f), lampRight = right + Vec2(86.0f, -7.0f);
    const bool red = _energyGlow < 1.0f;
    redLeft->SetVisible(red);
    redRight->SetVisible(red);
    if (red)
    {
        redLeft->SetColor(Alpha(1.0f - _energyGlow));
        redRight->SetColor(Alpha(1.0f - _energyGlow));
        redLeft->SetAngle(0.0f);
        redRight->SetAngle(0.0f);
        redLeft->SetPos(Screen(lampLeft - Vec2(26.0f, 26.0f)));
        redRight->SetPos(Screen(lampRight - Vec2(26.0f, 26.0f)));
    }
    const bool full = energy == 1.0f;
    greenLeft->SetVisible(full);
    greenRight->SetVisible(full);
    if (full)
    {
        _lampAngle += 90.0f * dt;
        for (SpriteLayer* lamp : {greenLeft, greenRight})
        {
            lamp->SetColor(Alpha(_energyGlow));
            lamp->SetAngle(_lampAngle);
        }
        greenLeft->SetPos(Screen(lampLeft + Vec2(15.0f, 15.0f)));
        greenRight->SetPos(Screen(lampRight + Vec2(15.0f, 15.0f)));
    }
}

void GuiShipHudSpeed::DrawBoostFlames()
{
    if (_boostProgress >= 1.0f)
        return;
    _boostProgress = std::min(_boostProgress + 0.8f * Hud::Seconds(), 1.0f);
    const float a1 = FlameAlpha1(_boostProgress), a2 = FlameAlpha2(_boostProgress), a3 = FlameAlpha3(_boostProgress);
    const float m = std::min(1.0f, std::sin(_boostProgress * 1.57f));
    struct Flame
    {
        Material* material;
        Vec2 pos, size;
        float alpha;
    };
    const Flame flames[6] = {
        {_flamesRight[2], Lerp(FlameRightRest, FlameRightOut, m), {268, 51}, a3},
        {_flamesRight[0], {775, 900}, {268, 51}, a1},
        {_flamesRight[1], {775, 900}, {212, 51}, a2},
        {_flamesLeft[2], Lerp(FlameLeftRest, FlameLeftOut, m), {268, 51}, a3},
        {_flamesLeft[0], {235, 900}, {268, 51}, a1},
        {_flamesLeft[1], {291, 900}, {212, 51}, a2},
    };
    for (const Flame& flame : flames)
        HudPaint::Quad(flame.material, Screen(flame.pos), Gui::ScreenSize(flame.size), 0.0f, Alpha(flame.alpha));
}

void GuiShipHudSpeed::DrawFlightModeIcon(const Vec2& pos, int mode, float alpha)
{
    if (mode < 1 || mode > 4)
        return;
    HudPaint::Quad(_modeIcons[mode - 1], Screen(pos + Vec2(-4.0f, 82.0f)), Gui::ScreenSize(Vec2(128, 128)), 0.0f,
                   Alpha(alpha));
}

void GuiShipHudSpeed::DrawDuplexGauge(const Vec2& pos, float a, float b)
{
    const Color white = Alpha(1.0f);
    HudPaint::Quad(_duplexMaterials[0], Screen(pos), Gui::ScreenSize(Vec2(256, 128)), 0.0f, white);
    HudPaint::Quad(_duplexMaterials[1], Screen(pos + Vec2(133, -1)), Gui::ScreenSize(Vec2(a * 90.0f, 48)), Vec2(0, 1),
                   Vec2(0, 0), Vec2(a, 1), Vec2(a, 0), 0.0f, white);
    HudPaint::Quad(_duplexMaterials[2], Screen(pos + Vec2(32.0f + (1.0f - b) * 90.0f, -1)),
                   Gui::ScreenSize(Vec2(b * 90.0f, 48)), Vec2(1.0f - b, 1), Vec2(1.0f - b, 0), Vec2(1, 1), Vec2(1, 0),
                   0.0f, white);
    const Vec2 shift = pos - Vec2(317, 870);
    Vec2 pointer;
    DuplexRightPointerPos(a, pointer);
    HudPaint::Quad(_duplexMaterials[3], Screen(pointer + shift), Gui::ScreenSize(Vec2(8, 64)), 0.0f, white);
    DuplexLeftPointerPos(b, pointer);
    HudPaint::Quad(_duplexMaterials[4], Screen(pointer + shift), Gui::ScreenSize(Vec2(8, 64)), 0.0f, white);
}
