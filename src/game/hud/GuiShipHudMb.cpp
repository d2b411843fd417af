#include "game/hud/GuiShipHudMb.h"

#include "game/hud/HudPaint.h"
#include "game/hud/HudServices.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* const MaterialFiles[GuiShipHudMb::MaterialCount] = {"gui_hud_subjBack.mat",
                                                                "gui_hud_enemyMsg_ugol2.mat",
                                                                "gui_hud_enemyMsg_ugolNiz1L_2.mat",
                                                                "gui_hud_enemyMsg_ugolNiz2L_2.mat",
                                                                "gui_hud_enemyMsg_ugolNiz1R.mat",
                                                                "gui_hud_enemyMsg_ugolNiz2R.mat",
                                                                "gui_hud_enemyMsg_selection.mat",
                                                                "gui_hud_mb_ekran.mat",
                                                                "gui_hud_mb_ramka.mat",
                                                                "gui_hud_mb_photo.mat"};
enum ePiece
{
    BACK = 0,
    CORNER_TOP = 1,
    CORNER_LEFT_1 = 2,
    CORNER_LEFT_2 = 3,
    CORNER_RIGHT_1 = 4,
    CORNER_RIGHT_2 = 5,
    SELECTION = 6,
    SCREEN = 7,
    FRAME = 8,
};

const Color Cyan(0.0f, 1.0f, 1.0f, 1.0f);
const Color TextBlue(0.0f, 0.844f, 0.98f, 1.0f);

Color Faded(Color color, float alpha)
{
    color.a *= alpha;
    return color;
}

// 0 before `from`, 1 after `to`, linear between.
float Stage(float t, float from, float to) { return std::clamp((t - from) / (to - from), 0.0f, 1.0f); }

} // namespace

void HudOneLine(char* out, size_t size, const char* text)
{
    Gui::CopyText(out, size, text);
    std::replace_if(
        out, out + std::strlen(out), [](char c) { return c == '\n' || c == '\r'; }, ' ');
}

void GuiShipHudMb::Load()
{
    _title[0] = _board[0] = _team[0] = _text[0] = _line[0] = '\0';
    _showTime = _elapsed = _fade = 0.0f;
    for (int i = 0; i < MaterialCount; ++i)
        _materials[i] = GuiGame::LoadMaterial(MaterialFiles[i]);
    _photo.Load();
    SetPhoto("aliens_photo//ASP_dealer_02.dds");
}

void GuiShipHudMb::ShowMessage(const char* title, const char* board, const char* team, const char* text, float seconds,
                               int option)
{
    Gui::CopyText(_title, sizeof _title, title);
    Gui::CopyText(_board, sizeof _board, board);
    Gui::CopyText(_team, sizeof _team, team);
    Gui::CopyText(_text, sizeof _text, text);
    _showTime = seconds;
    _elapsed = 0.0f;
    _fade = 0.0f;
    SetOption(option);
    HudOneLine(_line, sizeof _line, _text);
}

void GuiShipHudMb::Proceed()
{
    const float dt = Hud::Seconds();
    _elapsed = std::min(_elapsed + dt, _showTime);
    if (_elapsed != _showTime)
        _fade = std::min(_fade + dt, 1.0f);
    else
        _fade = std::max(_fade - dt, 0.0f);
    if (_fade <= 0.0f)
        return;
    const Color white(1.0f, 1.0f, 1.0f, _fade);
    auto quad = [&](int piece, const Vec2& pos, const Vec2& size) {
        HudPaint::Quad(_materials[piece], Gui::ScreenPos(pos), Gui::ScreenSize(size), 0.0f, white);
    };
    quad(BACK, Vec2(20, 20), Vec2(300, 260));
    quad(SCREEN, Vec2(26, 36), Vec2(140, 140));
    _effectKoef = _photo.Draw(Vec2(32, 42), _fade);
    quad(FRAME, Vec2(26, 36), Vec2(140, 140));

    // The corners slide in, the selection bar grows, then the message types out.
    const float slide = (1.0f - Stage(_elapsed, 1.2f, 1.7f)) * 40.0f;
    quad(CORNER_TOP, Vec2(288 + slide, 20 - slide), Vec2(32, 32));
    quad(CORNER_LEFT_1, Vec2(20 - slide, 248 + slide), Vec2(32, 32));
    quad(CORNER_LEFT_2, Vec2(52 - slide, 264 + slide), Vec2(32, 16));
    quad(CORNER_RIGHT_1, Vec2(288 + slide, 248 + slide), Vec2(32, 32));
    quad(CORNER_RIGHT_2, Vec2(256 + slide, 264 + slide), Vec2(32, 16));
    quad(SELECTION, Vec2(40, 150), Vec2(256.0f * Stage(_elapsed, 1.7f, 2.3f), 16));

    HudPaint::Text({"Arial", 18, 0, 400, false, "Asp Dealer", Hud::ScreenBox(176, 40, 316, 62), TA_TOP_LEFT, false,
                    Faded(Cyan, _fade)});
    HudPaint::Text(
        {"Arial", 10, 0, 400, false, "YTG", Hud::ScreenBox(176, 62, 316, 74), TA_TOP_LEFT, false, Faded(Cyan, _fade)});
    const std::string board = std::string("Board:    ") + _board, team = std::string("Team:    ") + _team;
    HudPaint::Text({"Arial", 15, 0, 400, false, board.c_str(), Hud::ScreenBox(176, 84, 316, 102), TA_TOP_LEFT, false,
                    Faded(Cyan, _fade)});
    HudPaint::Text({"Arial", 15, 0, 400, false, team.c_str(), Hud::ScreenBox(176, 104, 316, 122), TA_TOP_LEFT, false,
                    Faded(Cyan, _fade)});
    if (_elapsed < 2.3f)
        return;
    const float typing = _elapsed - 2.3f;
    const std::string typed(_text, std::min(std::strlen(_text), size_t(typing / 0.3f)));
    HudPaint::Text({"Arial", 15, 0, 400, false, typed.c_str(), Hud::ScreenBox(90, 170, 296, 251), TA_TOP_LEFT, true,
                    Faded(TextBlue, _fade)});
    const float tickerX = std::max(40.0f, 320.0f - typing * 25.0f);
    HudPaint::ClipText(HudPaint::Text({"Arial", 16, 0, 700, false, _line, Hud::ScreenBox(tickerX, 290, 9999, 310),
                                       TA_TOP_LEFT, false, Faded(TextBlue, _fade)}),
                       Hud::ScreenBox(20, 286, 320, 312));
}
