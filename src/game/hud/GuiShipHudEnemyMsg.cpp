#include "game/hud/GuiShipHudEnemyMsg.h"

#include "game/hud/GuiShipHudMb.h"
#include "game/hud/HudPaint.h"
#include "game/hud/HudServices.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

const char* const MaterialFiles[GuiShipHudEnemyMsg::MaterialCount] = {
    "gui_hud_enemyMsg_back.mat",      "gui_hud_enemyMsg_selection.mat",
    "gui_hud_enemyMsg_ugol1.mat",     "gui_hud_enemyMsg_ugol2.mat",
    "gui_hud_enemyMsg_ugolNiz1L.mat", "gui_hud_enemyMsg_ugolNiz2L.mat",
    "gui_hud_enemyMsg_ugolNiz1R.mat", "gui_hud_enemyMsg_ugolNiz2R.mat",
    "gui_hud_enemyMsg_ramka.mat",     "gui_hud_mb_photo.mat"};
enum ePiece
{
    BACK = 0,
    SELECTION = 1,
    CORNER_1 = 2,
    CORNER_2 = 3,
    FRAME = 8,
};

const Color TextBlue(0.0f, 0.844f, 0.98f, 1.0f);

} // namespace

void GuiShipHudEnemyMsg::Load()
{
    for (int i = 0; i < MaterialCount; ++i)
        _materials[i] = GuiGame::LoadMaterial(MaterialFiles[i]);
    _photo.Load();
    SetPhoto("aliens_photo//ASP_dealer_01.dds");
}

void GuiShipHudEnemyMsg::ShowMessage(const char* text, float seconds)
{
    Gui::CopyText(_text, sizeof _text, text);
    HudOneLine(_line, sizeof _line, _text);
    _showTime = _totalTime = 0.075f * float(std::strlen(_text)) + seconds + 1.7f;
}

void GuiShipHudEnemyMsg::Proceed()
{
    if (_showTime <= 0.0f)
        return;
    const float dt = Hud::Seconds();
    const float shown = _totalTime - _showTime;
    // In during the first second, out during the last.
    const float alpha = std::clamp(std::min(shown, _showTime), 0.0f, 1.0f);
    const Color white(1.0f, 1.0f, 1.0f, alpha);
    auto quad = [&](int piece, const Vec2& pos, const Vec2& size) {
        HudPaint::Quad(_materials[piece], Gui::ScreenPos(pos), Gui::ScreenSize(size), 0.0f, white);
    };
    // Left of the shield arc, above the target panel.
    quad(BACK, Vec2(8, 520), Vec2(224, 196));
    _photo.Draw(Vec2(16, 528), alpha);
    quad(FRAME, Vec2(10, 522), Vec2(140, 140));
    const float corners = std::clamp((shown - 0.3f) / 0.5f, 0.0f, 1.0f);
    quad(CORNER_1, Vec2(200 + (1.0f - corners) * 30.0f, 520), Vec2(32, 32));
    quad(CORNER_2, Vec2(8, 684 + (1.0f - corners) * 30.0f), Vec2(32, 32));
    quad(SELECTION, Vec2(16, 666), Vec2(208.0f * std::clamp(shown - 0.8f, 0.0f, 1.0f), 14));

    Color text = TextBlue;
    text.a *= alpha;
    HudPaint::ClipText(
        HudPaint::Text({"Arial", 16, 0, 700, false, _line, Hud::ScreenBox(232.0f - shown * 40.0f, 686, 9999, 706),
                        TA_TOP_LEFT, false, text}),
        Hud::ScreenBox(16, 684, 224, 708));
    const std::string typed(_text, std::min(std::strlen(_text), size_t(std::max(shown - 1.0f, 0.0f) / 0.075f)));
    HudPaint::Text(
        {"Arial", 8, 0, 400, false, typed.c_str(), Hud::ScreenBox(150, 530, 228, 660), TA_TOP_LEFT, true, text});
    _showTime -= dt;
}
