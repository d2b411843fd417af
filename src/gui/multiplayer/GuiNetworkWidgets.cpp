#include "gui/multiplayer/GuiNetworkWidgets.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"
#include "foundation/math/Vec4.h"
#include "game/core/game/MenuGame.h"

#include <cstdio>

namespace {

constexpr float DesignWidth = 1280.0f;
constexpr float PictureSize = 192.0f;
const Color White(1.0f, 1.0f, 1.0f, 1.0f);
const Color LineColor(0.0f, 0.85f, 1.0f, 0.5f);
const Color TextColor(0.0f, 0.85f, 1.0f, 1.0f);

Material* Load(const char* file)
{
    MaterialSystem* render = MenuGame::Render();
    return render ? render->GetMaterialMgr()->CreateMaterialFromFile(file) : nullptr;
}

// The screen in pixels and k, the widgets' scale.
struct Screen
{
    int w = 0, h = 0;
    float k = 0.0f;
};

Screen GetScreen()
{
    const Vec2 pixels = MenuGame::ScreenPixels();
    Screen screen;
    screen.w = int(pixels.x);
    screen.h = int(pixels.y);
    screen.k = pixels.x / DesignWidth;
    return screen;
}

void Line(MaterialSystem* render, float x0, float y0, float x1, float y1)
{
    render->DrawLine2D(Vec2(x0, y0), Vec2(x1, y1), LineColor, LineColor);
}

void Text(MaterialSystem* render, const char* text, unsigned height, unsigned long weight, const Vec4& rect)
{
    render->DrawD3DText("Arial", height, 0, weight, false, text, rect, TA_TOP_LEFT, false, TextColor);
}

} // namespace

void GuiNetworkStat::Load() { _background = ::Load("black50.mat"); }

void GuiNetworkStat::Proceed()
{
    MaterialSystem* render = MenuGame::Render();
    if (!IsVisible() || !render)
        return;
    const Screen s = GetScreen();
    const float k = s.k;
    const float left = float(s.w) / 2 - 512.0f * k, top = float(s.h) / 2 - 400.0f * k;
    const float right = left + 1024.0f * k, bottom = top + 800.0f * k;
    const float middle = float(s.w) / 2;
    render->RenderQuad(_background, Vec2(left, top), Vec2(1024.0f * k, 800.0f * k), 0.0f, White, 0);
    Line(render, left, top, right, top);
    Line(render, right, top, right, bottom);
    Line(render, right, bottom, left, bottom);
    Line(render, left, bottom, left, top);
    Line(render, middle, top, middle, bottom);
    Line(render, left, top + 30.0f * k, right, top + 30.0f * k);
    Line(render, left, top + 60.0f * k, right, top + 60.0f * k);

    const unsigned captionHeight = unsigned(24.0f * k + 0.5f);
    const unsigned columnHeight = unsigned(20.0f * k + 0.5f);
    const char* const teams[2] = {"YTG Team", "ASP Team"};
    for (int t = 0; t < 2; ++t)
    {
        const float halfLeft = left + 512.0f * k * float(t);
        const float halfRight = halfLeft + 512.0f * k;
        Text(render, teams[t], captionHeight, 700, Vec4(halfLeft + 8.0f * k, top, halfRight, top + 30.0f * k));
        const float kill = halfRight - 192.0f * k, death = halfRight - 96.0f * k;
        const float row = top + 30.0f * k;
        Text(render, " Name", columnHeight, 400, Vec4(halfLeft, row, kill, row + 30.0f * k));
        Text(render, " Kill", columnHeight, 400, Vec4(kill, row, death, row + 30.0f * k));
        Text(render, " Death", columnHeight, 400, Vec4(death, row, halfRight, row + 30.0f * k));
        Line(render, kill, row, kill, bottom);
        Line(render, death, row, death, bottom);
    }
}

void GuiNetworkPicker::LoadBackground() { _background = ::Load("black50.mat"); }

bool GuiNetworkPicker::BeginRow(Row& row) const
{
    row.render = MenuGame::Render();
    if (!IsVisible() || !row.render)
        return false;
    const Screen s = GetScreen();
    row.screenWidth = float(s.w);
    row.k = s.k;
    row.y = float(s.h) / 2 - 96.0f * s.k;
    row.size = Vec2(PictureSize * s.k, PictureSize * s.k);
    row.render->RenderQuad(_background, Vec2(0.0f, float(s.h) / 2 - 128.0f * s.k), Vec2(float(s.w), 256.0f * s.k), 0.0f,
                           White, 0);
    return true;
}

void GuiNetworkPicker::DrawPicture(const Row& row, Material* picture, float x) const
{
    row.render->RenderQuad(picture, Vec2(x, row.y), row.size, 0.0f, White, 0);
}

void GuiNetworkPickSide::Load()
{
    LoadBackground();
    _teams[0] = ::Load("gui//network//team_00.mat");
    _teams[1] = ::Load("gui//network//team_01.mat");
    _selectedTeams[0] = ::Load("gui//network//team_00s.mat");
    _selectedTeams[1] = ::Load("gui//network//team_01s.mat");
}

void GuiNetworkPickSide::Left()
{
    if (_side == 1)
        _side = 0;
}

void GuiNetworkPickSide::Right()
{
    if (_side == 0)
        _side = 1;
}

void GuiNetworkPickSide::Proceed()
{
    Row row;
    if (!BeginRow(row))
        return;
    const float xs[TeamCount] = {row.screenWidth / 2 - 256.0f * row.k, row.screenWidth / 2 + 64.0f * row.k};
    for (int team = 0; team < TeamCount; ++team)
        DrawPicture(row, team == _side ? _selectedTeams[team] : _teams[team], xs[team]);
}

void GuiNetworkPickShip::Load()
{
    LoadBackground();
    char file[64];
    for (int team = 0; team < TeamCount; ++team)
    {
        for (int ship = 0; ship < ShipCount; ++ship)
        {
            std::snprintf(file, sizeof(file), "gui//network//ship_team_%02d_%02d.mat", team, ship + 1);
            _ships[team][ship] = ::Load(file);
        }
    }
    for (int team = 0; team < TeamCount; ++team)
    {
        for (int ship = 0; ship < ShipCount; ++ship)
        {
            std::snprintf(file, sizeof(file), "gui//network//ship_team_%02d_%02ds.mat", team, ship + 1);
            _selectedShips[team][ship] = ::Load(file);
        }
    }
}

void GuiNetworkPickShip::Left()
{
    if (_selection > 1)
        --_selection;
}

void GuiNetworkPickShip::Right()
{
    if (_selection < ShipCount)
        ++_selection;
}

void GuiNetworkPickShip::Proceed()
{
    Row row;
    if (!BeginRow(row))
        return;
    // Only the first team's ships are offered.
    const int sixth = int(row.screenWidth) / 6;
    for (int p = 0; p < ShipCount; ++p)
    {
        const float x = float(sixth) + PictureSize * row.k * float(p) + 9.0f * float(p) - 96.0f;
        DrawPicture(row, _selection == p + 1 ? _selectedShips[0][p] : _ships[0][p], x);
    }
}
