#include "game/hud/GuiShipHudTextMessage.h"

#include "game/hud/HudPaint.h"
#include "game/hud/HudServices.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cstring>

namespace {

const char* const BlueFiles[3] = {"gui_hud_message_left_b.mat", "gui_hud_message_right_b.mat",
                                  "gui_hud_message_center_b.mat"};
const char* const RedFiles[3] = {"gui_hud_message_left_r.mat", "gui_hud_message_right_r.mat",
                                 "gui_hud_message_center_r.mat"};

} // namespace

void GuiShipHudTextMessage::Load()
{
    _black = GuiGame::LoadMaterial("black.mat");
    for (int i = 0; i < 3; ++i)
        _blue[i] = GuiGame::LoadMaterial(BlueFiles[i]);
    for (int i = 0; i < 3; ++i)
        _red[i] = GuiGame::LoadMaterial(RedFiles[i]);
}

void GuiShipHudTextMessage::Show(const char* text, float seconds, bool isBlue, int pieces)
{
    _timeLeft = seconds;
    _reveal = 0.0f;
    Gui::CopyText(_text, sizeof _text, text);
    _isBlue = isBlue;
    _pieces = std::clamp(pieces, 0, MaxPieces);
}

void GuiShipHudTextMessage::Clear()
{
    _timeLeft = 0.0f;
    _reveal = 0.0f;
    _pieces = 0;
}

void GuiShipHudTextMessage::Proceed()
{
    if (_timeLeft <= 0.0f)
        return;
    const float dt = Hud::Seconds();
    if (_darken)
        HudPaint::Quad(_black, Vec2(0.0f, 0.0f), Vec2(Hud::ScreenWidth(), Hud::ScreenHeight()), 0.0f,
                       Color(1.0f, 1.0f, 1.0f, 0.7f));

    const float alpha = std::min(_timeLeft, 1.0f);
    const Color white(1.0f, 1.0f, 1.0f, alpha);
    Material* const* set = _isBlue ? _blue : _red;
    const Vec2 base = Vec2(90.0f, 14.0f) + _offset;
    const float p = float(_pieces);
    auto quad = [&](Material* material, const Vec2& at, float size) {
        HudPaint::Quad(material, Gui::ScreenPos(base + at, GA_CENTER), Gui::ScreenSize(Vec2(size, size)), 0.0f, white);
    };
    quad(set[PIECE_LEFT], Vec2(420.0f - 30.0f * p, 615.0f), 256.0f);
    for (int i = 0; i < _pieces; ++i)
        quad(set[PIECE_CENTER], Vec2(550.0f - 30.0f * p + 60.0f * float(i), 615.0f), 128.0f);
    quad(set[PIECE_RIGHT], Vec2(550.0f + 30.0f * p, 615.0f), 256.0f);

    if (_reveal < 1.0f)
        _reveal = std::min(_reveal + 0.5f * dt, 1.0f);
    size_t shown = size_t(float(std::strlen(_text)) * std::clamp(_reveal, 0.0f, 1.0f));
    while (shown > 0 && (static_cast<unsigned char>(_text[shown]) & 0xC0) == 0x80)
        --shown; // whole characters only
    char typed[TextSize];
    std::memcpy(typed, _text, shown);
    typed[shown] = '\0';

    const float s = Hud::Scale();
    const Color color = _isBlue ? Color(0.0f, 0.844f, 0.98f, alpha) : Color(1.0f, 0.0f, 0.0f, alpha);
    HudPaint::Text({"Arial", 20, 9, 0, false, typed,
                    Vec4(_offset.x, s * (_offset.y + 670.0f), Hud::ScreenWidth() + _offset.x, s * (_offset.y + 690.0f)),
                    TA_CENTER, true, color});

    if (_reveal >= 1.0f)
        _timeLeft -= dt;
}
