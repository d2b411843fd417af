#include "game/hud/GuiShipHudTargetInfo.h"

#include "game/core/game/Game.h"
#include "game/world/ships/Ship.h"
#include "game/hud/HudCurves.h"
#include "game/hud/HudPaint.h"
#include "game/hud/HudServices.h"
#include "layers/widgets/GuiGame.h"
#include "layers/FlashLayer.h"
#include "layers/LineLayer.h"
#include "layers/SpriteLayer.h"
#include "scene/nodes/Camera.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

float GuiShipHudTargetInfo::_scanClock = 0.0f;
float GuiShipHudTargetInfo::_flashTime = 0.0f;
bool GuiShipHudTargetInfo::_targetScanDone = false;

namespace {

const Color Cyan(0.0f, 0.84f, 1.0f, 1.0f);
const Vec2 Hidden(-999.0f, -999.0f);
// Design units between a bar's end tick and its label, at the least.
constexpr float TickGap = 4.0f;

// One row of the level bars: bars 0 and 3 are long, 1 and 2 short.
struct BarRow
{
    float width, u0, k;
    float lineTop, lineBottom;
    Vec2 icon, iconSize;
    float barY;
};
const BarRow Rows[GuiShipHudTargetInfo::LevelCount] = {
    {123.0f, 0.0390625f, 0.9609375f, 796.0f, 805.0f, {204.0f, 789.0f}, {32.0f, 32.0f}, 795.0f},
    {114.0f, 0.109375f, 0.890625f, 819.0f, 828.0f, {196.0f, 816.0f}, {32.0f, 16.0f}, 818.0f},
    {114.0f, 0.109375f, 0.890625f, 842.0f, 851.0f, {196.0f, 838.0f}, {32.0f, 16.0f}, 841.0f},
    {123.0f, 0.0390625f, 0.9609375f, 865.0f, 874.0f, {204.0f, 849.0f}, {32.0f, 32.0f}, 864.0f},
};

// Decorative code: letters and digits with runs of zeros and ones, in lines of up to 48
// characters; the same text every run.
std::string MakeCodeText(size_t length, uint32_t seed)
{
    static const char Symbols[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    uint32_t state = seed;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    std::string text;
    size_t column = 0;
    while (text.size() < length)
    {
        char c;
        if (column == 48 || (column > 20 && next() % 9 == 0))
            c = '\n';
        else if (next() % 3 == 0)
            c = next() % 2 ? '1' : '0';
        else
            c = Symbols[next() % (sizeof Symbols - 1)];
        column = c == '\n' ? 0 : column + 1;
        text += c;
    }
    return text;
}

} // namespace

GuiShipHudTargetInfo::~GuiShipHudTargetInfo() { Unload(); }

void GuiShipHudTargetInfo::ResetShared()
{
    _scanClock = 0.0f;
    _flashTime = 0.0f;
    _targetScanDone = false;
}

void GuiShipHudTargetInfo::Load()
{
    if (_loaded || !Hud::HasRoot())
        return;
    _panelMaterial = GuiGame::LoadMaterial("gui_hud_enemy1.mat");
    _warningMaterial = GuiGame::LoadMaterial("gui//worning_0.mat");
    for (int i = 0; i < LevelCount; ++i)
        _levelIconMaterials[i] =
            Hud::LoadWordsMaterial(("gui_hud_enemy_level" + std::to_string(i + 1) + ".mat").c_str());
    _levelLineMaterial = GuiGame::LoadMaterial("gui_hud_enemy_levelLine.mat");
    _longBarMaterial = GuiGame::LoadMaterial("gui_hud_enemy_line1.mat");
    _shortBarMaterial = GuiGame::LoadMaterial("gui_hud_enemy_line2.mat");
    for (int i = 0; i < 4; ++i)
        _circleMaterials[i] = GuiGame::LoadMaterial(("gui_hud_enemy_circle" + std::to_string(i + 1) + ".mat").c_str());
    _scanLineMaterial = GuiGame::LoadMaterial("gui_hud_scanner_line.mat");
    _scanArrowMaterial = GuiGame::LoadMaterial("gui_hud_scanner_arrow.mat");
    _scanWhiteMaterial = GuiGame::LoadMaterial("gui_hud_scanner_white.mat");
    std::fill(std::begin(_levels), std::end(_levels), 1.0f);
    SetName("YTG Fighter");
    RecalculatePositions();
    _codeTexts[0] = MakeCodeText(700, 1);
    _codeTexts[1] = MakeCodeText(156, 2);
    _codeTexts[2] = MakeCodeText(140, 3);

    // Every layer stands right under the root, so that Unload finds each there.
    _shipMovie = Hud::AddFlash("enemy_ship", "swf//enemy_ship.swf", Vec2(0.0f, 725.0f), Vec2(385.0f, 220.0f), GA_LEFT);
    const Vec2 ringSize(128.0f, 128.0f);
    for (int i = 0; i < 3; ++i)
        _rings[i] = Gui::AddSprite(Hud::Root(), "default", Hidden, ringSize, _circleMaterials[i]);
    _scanFrame = Gui::AddSprite(Hud::Root(), "default", Hidden, ringSize);
    _scanFlash = Gui::AddSprite(Hud::Root(), "default", Hidden, ringSize, _scanWhiteMaterial);
    _scanCircle =
        Gui::AddFlash(Hud::Root(), "scaner_circle", "swf//scaner_circle.swf", Vec2(0.0f, 0.0f), Vec2(160.0f, 160.0f));
    for (int i = 0; i < LevelCount; ++i)
        _levelIcons[i] = Gui::AddSprite(Hud::Root(), "default", Gui::ScreenPos(Rows[i].icon),
                                        Gui::ScreenSize(Rows[i].iconSize), _levelIconMaterials[i]);
    for (int i = 0; i < LevelCount; ++i)
        _levelBars[i] = Gui::AddSprite(Hud::Root(), "default", Vec2(0.0f, 0.0f), Vec2(0.0f, 0.0f),
                                       i == 0 || i == 3 ? _longBarMaterial : _shortBarMaterial);
    for (int i = 0; i < LevelCount; ++i)
        _levelLines[i] = Hud::AddLine();
    _loaded = true;
}

void GuiShipHudTargetInfo::Unload()
{
    if (!_loaded)
        return;
    Hud::RemoveFromRoot(_shipMovie);
    for (SpriteLayer*& ring : _rings)
        Hud::RemoveFromRoot(ring);
    Hud::RemoveFromRoot(_scanCircle);
    Hud::RemoveFromRoot(_scanFrame);
    Hud::RemoveFromRoot(_scanFlash);
    for (int i = 0; i < LevelCount; ++i)
    {
        Hud::RemoveFromRoot(_levelBars[i]);
        Hud::RemoveFromRoot(_levelIcons[i]);
        Hud::RemoveFromRoot(_levelLines[i]);
    }
    _loaded = false;
}

void GuiShipHudTargetInfo::SetName(const char* name) { Gui::CopyText(_targetName, sizeof _targetName, name); }

void GuiShipHudTargetInfo::SetLevel(int index, float value)
{
    if (index >= 0 && index < LevelCount && value >= 0.0f && value <= 1.0f)
        _levels[index] = value;
}

void GuiShipHudTargetInfo::RecalculatePositions() { _panelAnchor = Vec2(285.0f, 834.0f) * Hud::Scale(); }

Color GuiShipHudTargetInfo::LevelColor(float x)
{
    return HudMix(Color(0.333f, 0.435f, 0.8666f, 1.0f), Color(1.0f, 0.0f, 0.0f, 1.0f), x);
}

void GuiShipHudTargetInfo::Proceed() { Proceed(Hud::GetPlayerTarget()); }

void GuiShipHudTargetInfo::Proceed(Ship* target)
{
    if (!_loaded)
        return;
    for (SpriteLayer* ring : _rings)
        ring->SetVisible(false);
    _scanCircle->SetVisible(false);
    _scanFrame->SetVisible(false);
    _scanFlash->SetVisible(false);

    if (target)
    {
        auto ratio = [](float current, float maximum) { return maximum > 0.0f ? current / maximum : 0.0f; };
        SetLevel(0, ratio(target->GetCurrentShield(), target->GetMaximumShield()));
        SetLevel(1, ratio(target->GetCurrentArmor(), target->GetMaximumArmor()) * 0.5f +
                        ratio(target->GetCurrentStructure(), target->GetMaximumStructure()) * 0.5f);
        SetLevel(2, 0.6f);
        SetLevel(3, 0.35f);
    }
    else
    {
        for (int i = 0; i < LevelCount; ++i)
            SetLevel(i, 0.0f);
    }

    if (!_scanTarget || _scanTime < ScanEnd)
    {
        _shipMovie->SetColor(Color(1.0f, 1.0f, 1.0f, 0.5f));
        SetName("");
    }
    else
    {
        _shipMovie->SetColor(Color(1.0f, 1.0f, 1.0f, _scanDone));
        SetName(_scanTarget->GetPublicName());
    }
    UpdateBars();
    UpdateScan(target);
}

void GuiShipHudTargetInfo::UpdateBars()
{
    const float s = Hud::Scale();
    for (int i = 0; i < LevelCount; ++i)
    {
        const BarRow& row = Rows[i];
        const float level = _levels[i];
        const Color color = LevelColor(level);
        const float left = row.width - level * row.width;
        // The bars' fixed right ends stand under the labels: a short bar's end tick stays left
        // of its label, where the bar's picture ends.
        const float tick = std::min(left + 87.0f, row.icon.x - TickGap);
        const Vec2 from = Vec2(tick, row.lineTop) * s, to = Vec2(tick, row.lineBottom) * s;
        _levelLines[i]->UpdateLine(from, to, color, color);
        _levelIcons[i]->SetPos(Gui::ScreenPos(row.icon));
        _levelBars[i]->SetPos(Vec2(left + 88.0f, row.barY) * s);
        _levelBars[i]->SetSize(Vec2(level * row.width, 16.0f) * s);
        const float u = (1.0f - level) * row.k + row.u0;
        _levelBars[i]->SetUV(Vec2(u, 1.0f), Vec2(u, 0.0f), Vec2(1.0f, 1.0f), Vec2(1.0f, 0.0f));
    }
}

void GuiShipHudTargetInfo::UpdateScan(Ship* target)
{
    const float dt = Hud::Seconds();
    if (target == _scanTarget)
    {
        _scanTime += dt;
    }
    else
    {
        _scanTarget = target;
        _scanTime = 0.0f;
        _flashTime = 0.0f;
    }

    Vec2 p = Hidden;
    if (target)
    {
        Vec3 projected(0.0f, 0.0f, 0.0f);
        const Camera* camera = Hud::GetCamera();
        const bool onScreen = camera && camera->WorldToScreen(target->GetPosition(), game.GetRender(), projected) &&
                              HudPaint::IsDrawable(Vec2(projected.x, projected.y));
        // The scan runs only while the target is on the screen.
        if (!onScreen && _scanTime < ScanEnd)
            _scanTime = 0.0f;
        p = Vec2(projected.x, projected.y);
    }

    _scanDone = 0.0f;
    _targetScanDone = false;
    if (!target)
        return;
    const float t = _scanTime;
    if (t < ScanStart)
    {
        _ringPosA = _ringPosB = Hidden;
    }
    else if (t < SettleStart)
    {
        _ringPosA = _ringPosB = p;
        DrawScanner(p, (t - ScanStart) / (SettleStart - ScanStart), 1.0f);
    }
    else if (t < ScanEnd)
    {
        const float k = (t - SettleStart) / (ScanEnd - SettleStart);
        _ringPosA = _ringPosB = _panelAnchor * k + p * (1.0f - k);
        _scanDone = k;
        DrawScanner(_ringPosA, k, 1.0f - k);
        _scanFrame->SetPos(_ringPosA - Vec2(64.0f, 64.0f));
    }
    else
    {
        _ringPosA = _ringPosB = _panelAnchor;
        _scanDone = 1.0f;
        DrawScanner(_ringPosA, 0.0f, 0.0f);
        _scanFrame->SetPos(_ringPosA - Vec2(64.0f, 64.0f));
        if (_flashTime < FlashLength)
        {
            const float b = _flashTime / FlashLength;
            const float w = b < 0.5f ? 2.0f * b : 2.0f * (1.0f - b);
            _scanFlash->SetVisible(true);
            _scanFlash->SetPos(_ringPosA - Vec2(64.0f, 64.0f));
            _scanFlash->SetColor(Color(w * 0.5f, w * 0.5f, w * 0.5f, 1.0f));
            _flashTime = std::min(_flashTime + dt, FlashLength);
        }
        _targetScanDone = true;
    }
}

void GuiShipHudTargetInfo::DrawScanner(const Vec2& pos, float progress, float fade)
{
    const float dt = Hud::Seconds();
    const float s = Hud::Scale();
    _scanClock += dt;
    for (SpriteLayer* ring : _rings)
        ring->SetVisible(true);
    _scanCircle->SetVisible(true);
    _rings[0]->SetPos(_ringPosA);
    _rings[1]->SetPos(_ringPosB);
    _rings[2]->SetPos(_ringPosB);
    _scanCircle->SetPos(_ringPosB);

    _rings[0]->SetAngle(std::cos(_scanClock * 0.8f) * 180.0f);
    _rings[1]->SetAngle(std::sin(_scanClock * 0.6f) * 180.0f);
    _rings[2]->SetAngle(1.0f);
    _scanCircle->SetAngle(-std::sin(_scanClock * 0.3f) * 180.0f);
    _rings[2]->SetColor(HudMix(Color(1.0f, 0.0f, 0.0f, 1.0f), Cyan, fade));
    _scanCircle->SetColor(Color(1.0f, 1.0f, 1.0f, progress));

    HudPaint::Quad(_scanArrowMaterial, _ringPosB, Vec2(128.0f, 128.0f) * s, std::cos(_scanClock * 0.5f) * 360.0f,
                   Color(0.0f, 0.84f, 1.0f, fade));
    HudPaint::Quad(_scanLineMaterial, pos + Vec2(-130.0f, -18.0f), Vec2(128.0f, 128.0f), 0.0f,
                   Color(1.0f, 1.0f, 1.0f, fade));

    if (fade <= 0.0f)
        return; // the code would be invisible
    const Vec2 o = pos + Vec2(-120.0f, -80.0f);
    const float typed = std::min(progress * 1.2f, 1.0f);
    const Color color(0.0f, 0.844f, 0.98f, fade * 0.5f);
    struct Block
    {
        unsigned height, width;
        Vec4 rect;
    };
    const Block blocks[3] = {{3, 2, Vec4(o.x, o.y, o.x + 500.0f, o.y + 500.0f)},
                             {4, 3, Vec4(o.x, o.y + 150.0f, o.x + 500.0f, o.y + 650.0f)},
                             {3, 2, Vec4(o.x, o.y + 110.0f, o.x + 500.0f, o.y + 610.0f)}};
    for (int i = 0; i < 3; ++i)
    {
        const std::string& code = _codeTexts[i];
        const size_t n = std::min(code.size(), size_t(float(code.size() + 1) * typed));
        const std::string shown = code.substr(0, n);
        HudPaint::Text({"OCRA", blocks[i].height, blocks[i].width, 0, false, shown.c_str(), blocks[i].rect, TA_TOP_LEFT,
                        true, color});
    }
}
