#include "game/hud/GuiShipHudUser.h"

#include "game/world/player/PlayerShip.h"
#include "game/hud/HudCurves.h"
#include "game/hud/HudPaint.h"
#include "game/hud/HudServices.h"
#include "layers/FlashLayer.h"
#include "layers/LineLayer.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

float GuiShipHudUser::_ringClock = 0.0f;

namespace {

const Color Yellow(1.0f, 1.0f, 0.0f, 1.0f);
const Color Cyan(0.0f, 0.85f, 1.0f, 1.0f);
const Color PartBlue(0.0f, 0.42f, 0.5f, 1.0f);
// Design units between a level's end tick and its badge, at the least.
constexpr float TickGap = 4.0f;

// The materials the panel holds without drawing them, in loading order around the drawn ones.
std::vector<std::string> HeldMaterialFiles()
{
    std::vector<std::string> files = {
        "gui//energy_shield.mat",    "gui//energy_full.mat",    "gui//energy_half.mat",
        "gui//energy_critical.mat",  "gui//armor.mat",          "gui//text_booster_energy.mat",
        "gui//text_front.mat",       "gui//text_radar.mat",     "gui//text_side.mat",
        "gui//text_target_ship.mat", "gui//text_user_ship.mat", "gui//text_wing1.mat",
        "gui//text_wing2.mat",       "gui_hud_usership_1.mat",  "gui_hud_usership_levelsS.mat"};
    for (int i = 1; i <= 4; ++i)
        files.push_back("gui_hud_usership_levels" + std::to_string(i) + "_s.mat");
    for (int i = 1; i <= 4; ++i)
        files.push_back("gui_hud_usership_l" + std::to_string(i) + ".mat");
    for (const char* file : {"gui_hud_enemy_circle1.mat", "gui_hud_enemy_circle2.mat", "gui_hud_user_circle3.mat"})
        files.push_back(file);
    for (int i = 0; i <= 11; ++i)
        files.push_back("gui_hud_usership_jet" + std::to_string(i) + ".mat");
    files.push_back("gui_hud_usership_jetramka.mat");
    for (int i = 1; i <= 7; ++i)
        files.push_back("gui_hud_usership_w" + std::to_string(i) + ".mat");
    return files;
}

struct MovieSpec
{
    const char* movie;
    Vec2 pos, size;
    eGuiAlign align;
};
const MovieSpec Movies[GuiShipHudUser::MovieCount] = {
    {"swf//shilds_duga_l.swf", {235.0f, 316.0f}, {450.0f, 330.0f}, GA_CENTER},
    {"swf//shilds_duga_r.swf", {874.0f, 373.0f}, {150.0f, 215.0f}, GA_CENTER},
    {"swf//user_ship.swf", {886.0f, 715.0f}, {400.0f, 230.0f}, GA_RIGHT},
    {"swf//user_ship_circle_1.swf", {994.0f, 834.0f}, {128.0f, 128.0f}, GA_RIGHT},
    {"swf//user_ship_circle_2.swf", {994.0f, 834.0f}, {128.0f, 128.0f}, GA_RIGHT},
    {"swf//user_ship_weapons.swf", {886.0f, 715.0f}, {400.0f, 230.0f}, GA_RIGHT},
};
const char* const MovieNames[GuiShipHudUser::MovieCount] = {"shilds_duga_l", "shilds_duga_r", "user_ship",
                                                            "user_ship",     "user_ship",     "user_ship"};

// A level indicator's row: its line from the level's x, the badge, the bar and its texture range.
struct LevelRow
{
    float lineX, lineWidth, lineTop, lineBottom;
    Vec2 badge, badgeSize;
    Vec2 bar;
    float u0, k;
};
const LevelRow Levels[GuiShipHudUser::LevelCount] = {
    {1070, 122, 796, 805, {1045, 789}, {32, 32}, {1070, 795}, 0.0f, 0.953125f},
    {1080, 112, 819, 828, {1054, 816}, {32, 16}, {1080, 818}, 0.078125f, 0.875f},
    {1080, 112, 842, 851, {1054, 838}, {32, 16}, {1080, 841}, 0.078125f, 0.875f},
    {1070, 122, 865, 874, {1045, 849}, {32, 32}, {1070, 864}, 0.0f, 0.953125f},
};

// Part pictures: the part each shows, its place and size.
struct PartPicture
{
    int part;
    Vec2 pos, size;
};
const PartPicture Parts[GuiShipHudUser::PartCount] = {
    {3, {905, 385}, {32, 8}},  {5, {922, 389}, {32, 32}}, {2, {940, 416}, {32, 32}}, {0, {951, 440}, {32, 64}},
    {1, {940, 497}, {32, 32}}, {4, {922, 524}, {32, 32}}, {6, {905, 552}, {32, 8}},
};

bool IsPart(int index) { return index >= 0 && index < GuiShipHudUser::PartCount; }

} // namespace

GuiShipHudUser::~GuiShipHudUser() { Unload(); }

void GuiShipHudUser::Load()
{
    if (_loaded || !Hud::HasRoot())
        return;
    _shieldLevelMaterial = GuiGame::LoadMaterial("gui//energy_shield_lvl.mat");
    _pointerTopMaterial = GuiGame::LoadMaterial("gui//energy_shield_pointer_t.mat");
    _pointerBottomMaterial = GuiGame::LoadMaterial("gui//energy_shield_pointer_b.mat");
    for (int i = 0; i < PartCount; ++i)
        _partMaterials[i] = GuiGame::LoadMaterial(("gui//armor_lvl_" + std::to_string(i) + ".mat").c_str());
    for (int i = 0; i < LevelCount; ++i)
        _badgeMaterials[i] =
            Hud::LoadWordsMaterial(("gui_hud_usership_levels" + std::to_string(i + 1) + ".mat").c_str());
    _lineMaterial = GuiGame::LoadMaterial("gui_hud_usership_line.mat");
    _heldMaterials.clear();
    for (const std::string& file : HeldMaterialFiles())
        _heldMaterials.push_back(GuiGame::LoadMaterial(file.c_str()));

    for (int i = 0; i < PartCount; ++i)
    {
        _partHealth[i] = 1.0f;
        _partColor[i] = PartBlue;
        _weaponColor[i] = i == 1 || i == 2 || i == 4 || i == 5 ? Cyan : Yellow;
    }
    for (unsigned char i = 0; i < LevelCount; ++i)
        SetLevelShown(i, true);

    for (int i = 0; i < MovieCount; ++i)
        _movies[i] = Hud::AddFlash(MovieNames[i], Movies[i].movie, Movies[i].pos, Movies[i].size, Movies[i].align);
    for (int i = 0; i < LevelCount; ++i)
    {
        _levelBadges[i] = Gui::AddSprite(Hud::Root(), "default", Gui::ScreenPos(Levels[i].badge, GA_RIGHT),
                                         Gui::ScreenSize(Levels[i].badgeSize), _badgeMaterials[i]);
        _levelBars[i] = Gui::AddSprite(Hud::Root(), "default", Gui::ScreenPos(Levels[i].bar, GA_RIGHT),
                                       Vec2(0.0f, 0.0f), _lineMaterial);
        _levelLines[i] = Hud::AddLine();
    }
    _loaded = true;
}

void GuiShipHudUser::Unload()
{
    if (!_loaded)
        return;
    for (FlashLayer*& movie : _movies)
        Hud::RemoveFromRoot(movie);
    for (SpriteLayer*& badge : _levelBadges)
        Hud::RemoveFromRoot(badge);
    for (SpriteLayer*& bar : _levelBars)
        Hud::RemoveFromRoot(bar);
    for (LineLayer*& line : _levelLines)
        Hud::RemoveFromRoot(line);
    _loaded = false;
}

void GuiShipHudUser::SetLevelValue(unsigned char index, float value)
{
    if (index < LevelCount && value >= 0.0f && value <= 1.0f)
        _levelValue[index] = value;
}

void GuiShipHudUser::SetLevelShown(unsigned char index, bool shown)
{
    if (index < LevelCount)
        _levelShown[index] = shown;
}

void GuiShipHudUser::SetPartColor(int index, const Color& color)
{
    if (IsPart(index))
        _partColor[index] = color;
}

void GuiShipHudUser::SetPartHealth(int index, float health)
{
    if (IsPart(index))
        _partHealth[index] = health;
}

void GuiShipHudUser::SetWeaponColor(int index, const Color& color)
{
    if (IsPart(index))
        _weaponColor[index] = color;
}

void GuiShipHudUser::UpperPointerPos(float x, Vec2& out) const
{
    out = Vec2(HudCurve({{0.0f, 284.0f}, {0.25f, 286.0f}, {0.5f, 293.0f}, {1.0f, 337.0f}}, x),
               HudCurve({{0.0f, 468.0f}, {0.25f, 450.0f}, {0.5f, 428.0f}, {1.0f, 384.0f}}, x));
}

void GuiShipHudUser::LowerPointerPos(float x, Vec2& out) const
{
    out = Vec2(HudCurve({{0.0f, 284.0f}, {0.25f, 286.0f}, {0.5f, 293.0f}, {1.0f, 337.0f}}, x),
               HudCurve({{0.0f, 484.0f}, {0.25f, 502.0f}, {0.5f, 524.0f}, {1.0f, 568.0f}}, x));
}

Color GuiShipHudUser::HealthColor(float health) const
{
    return HudColorCurve({{0.0f, Color(0.0f, 0.0f, 0.0f, 0.0f)},
                          {0.01f, Color(1.0f, 0.0f, 0.0f, 1.0f)},
                          {0.5f, Color(1.0f, 1.0f, 0.0f, 1.0f)},
                          {1.0f, Color(0.0f, 1.0f, 0.0f, 1.0f)}},
                         health);
}

void GuiShipHudUser::Proceed() { Proceed(Hud::GetPlayerShip()); }

void GuiShipHudUser::Proceed(const Ship* ship)
{
    if (!_loaded)
        return;
    for (int i = 0; i < LevelCount; ++i)
    {
        _levelBadges[i]->SetVisible(false);
        _levelBars[i]->SetVisible(false);
        _levelLines[i]->SetVisible(false);
    }
    _ringClock += Hud::Seconds();
    _movies[MOVIE_RING_1]->SetAngle(-std::cos(0.8f * _ringClock) * 180.0f);
    _movies[MOVIE_RING_2]->SetAngle(-std::sin(0.6f * _ringClock) * 180.0f);

    if (ship)
    {
        // A maximum of 0 gives no number, which the level keeps out.
        SetLevelValue(0, ship->GetCurrentShield() / ship->GetMaximumShield());
        SetLevelValue(1, ship->GetCurrentArmor() / ship->GetMaximumArmor() * 0.5f +
                             ship->GetCurrentStructure() / ship->GetMaximumStructure() * 0.5f);
    }
    SetLevelValue(2, 0.75f);
    SetLevelValue(3, 0.4f);
    DrawLevels();
    DrawShieldColumn();
    DrawParts();
}

void GuiShipHudUser::DrawLevels()
{
    for (int i = 0; i < LevelCount; ++i)
    {
        if (!_levelShown[i])
            continue;
        const LevelRow& row = Levels[i];
        const float level = _levelValue[i];
        const Color color = HealthColor(level);
        // The bars' fixed left ends stand under the badges: a short bar's end tick stays right
        // of its badge.
        const float x = std::max(row.lineX + row.lineWidth * level, row.badge.x + row.badgeSize.x + TickGap);
        _levelLines[i]->UpdateLine(Gui::ScreenPos(Vec2(x, row.lineTop), GA_RIGHT),
                                   Gui::ScreenPos(Vec2(x, row.lineBottom), GA_RIGHT), color, color);
        _levelBadges[i]->SetPos(Gui::ScreenPos(row.badge, GA_RIGHT));
        _levelBars[i]->SetPos(Gui::ScreenPos(row.bar, GA_RIGHT));
        _levelBars[i]->SetSize(Gui::ScreenSize(Vec2(row.lineWidth * level, 16.0f)));
        const float u1 = row.u0 + row.k * level;
        _levelBars[i]->SetUV(Vec2(row.u0, 1.0f), Vec2(row.u0, 0.0f), Vec2(u1, 1.0f), Vec2(u1, 0.0f));
        _levelLines[i]->SetVisible(true);
        _levelBadges[i]->SetVisible(true);
        _levelBars[i]->SetVisible(true);
    }
}

void GuiShipHudUser::DrawShieldColumn()
{
    const float shield = _levelValue[0];
    const float alpha = shield == 0.0f ? 0.5f : 1.0f;
    Color color = HudColorCurve({{0.65f, Color(1.0f, 0.0f, 0.0f, 1.0f)},
                                 {0.75f, Color(1.0f, 1.0f, 0.0f, 1.0f)},
                                 {1.0f, Color(0.0f, 1.0f, 0.0f, 1.0f)}},
                                shield);
    color.a = alpha;
    // The column shrinks from both ends toward its middle.
    const float pull = 0.34f * (1.0f - shield);
    const float top = 0.16f + pull, bottom = 0.84f - pull;
    HudPaint::Quad(_shieldLevelMaterial, Gui::ScreenPos(Vec2(274.0f, 393.0f + 87.0f * (1.0f - shield)), GA_CENTER),
                   Gui::ScreenSize(Vec2(128.0f, 174.0f * shield)), Vec2(0.0f, bottom), Vec2(0.0f, top),
                   Vec2(1.0f, bottom), Vec2(1.0f, top), 0.0f, color);
    Vec2 upper, lower;
    UpperPointerPos(shield, upper);
    LowerPointerPos(shield, lower);
    const Color pointer(1.0f, 1.0f, 1.0f, alpha);
    const Vec2 size = Gui::ScreenSize(Vec2(128.0f, 16.0f));
    HudPaint::Quad(_pointerTopMaterial, Gui::ScreenPos(upper + Vec2(-19.0f, 1.0f), GA_CENTER), size, 0.0f, pointer);
    HudPaint::Quad(_pointerBottomMaterial, Gui::ScreenPos(lower + Vec2(-19.0f, -9.0f), GA_CENTER), size, 0.0f, pointer);
}

void GuiShipHudUser::DrawParts()
{
    for (int i = 0; i < PartCount; ++i)
    {
        const PartPicture& picture = Parts[i];
        HudPaint::Quad(_partMaterials[i], Gui::ScreenPos(picture.pos, GA_CENTER), Gui::ScreenSize(picture.size), 0.0f,
                       HealthColor(_partHealth[picture.part]));
    }
}
