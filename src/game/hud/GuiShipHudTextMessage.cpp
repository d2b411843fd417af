#include "game/hud/GuiShipHudTextMessage.h"

#include "game/hud/HudPaint.h"
#include "game/hud/HudServices.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr unsigned FontHeight = 20; // pixels

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
    _shown[0] = '\0';
    _textWidth = 0.0f;
    Gui::CopyText(_text, sizeof _text, text);
    _isBlue = isBlue;
    _pieces = std::clamp(pieces, 0, MaxPieces);
}

void GuiShipHudTextMessage::Clear()
{
    _timeLeft = 0.0f;
    _reveal = 0.0f;
    _pieces = 0;
    _shown[0] = '\0';
    _textWidth = 0.0f;
}

// The strip's art in design units: the inner edges of the end caps' bars stand 175 apart with no
// centre piece and 60 more for each, centred on the screen; an arrow's tip stands 98 from the
// centre, 30 more for each piece.
int GuiShipHudTextMessage::PiecesFor(const HudText& text)
{
    constexpr float BareBand = 175.0f, Piece = 60.0f, Margin = 10.0f, ArrowTip = 98.0f;
    const float s = Hud::Scale();
    if (s <= 0.0f)
        return _pieces;
    if (_textWidth <= 0.0f)
        _textWidth = HudPaint::TextWidth(text);
    const float needed = std::ceil((_textWidth / s + 2.0f * Margin - BareBand) / Piece);
    const float room = std::floor((0.5f * Hud::ScreenWidth() / s - ArrowTip) / (0.5f * Piece));
    const float grown = std::min(needed, std::min(room, float(MaxPieces)));
    return std::max(_pieces, int(std::max(grown, 0.0f)));
}

void GuiShipHudTextMessage::Proceed()
{
    if (_timeLeft <= 0.0f)
    {
        _shown[0] = '\0';
        return;
    }
    const float dt = Hud::Seconds();
    if (_darken)
        HudPaint::Quad(_black, Vec2(0.0f, 0.0f), Vec2(Hud::ScreenWidth(), Hud::ScreenHeight()), 0.0f,
                       Color(1.0f, 1.0f, 1.0f, 0.7f));

    const float alpha = std::min(_timeLeft, 1.0f);
    const Color color = _isBlue ? Color(0.0f, 0.844f, 0.98f, alpha) : Color(1.0f, 0.0f, 0.0f, alpha);
    HudText text{"Arial", FontHeight, 9, 0, false, _text, Vec4(), TA_CENTER, true, color};
    // The strip grows by centre pieces until the whole text fits between its ends, as far as
    // the screen allows; a text longer still wraps there.
    const int pieces = PiecesFor(text);

    const Color white(1.0f, 1.0f, 1.0f, alpha);
    Material* const* set = _isBlue ? _blue : _red;
    const Vec2 base = Vec2(90.0f, 14.0f) + _offset;
    const float p = float(pieces);
    auto quad = [&](Material* material, const Vec2& at, float size) {
        HudPaint::Quad(material, Gui::ScreenPos(base + at, GA_CENTER), Gui::ScreenSize(Vec2(size, size)), 0.0f, white);
    };
    quad(set[PIECE_LEFT], Vec2(420.0f - 30.0f * p, 615.0f), 256.0f);
    for (int i = 0; i < pieces; ++i)
        quad(set[PIECE_CENTER], Vec2(550.0f - 30.0f * p + 60.0f * float(i), 615.0f), 128.0f);
    quad(set[PIECE_RIGHT], Vec2(550.0f + 30.0f * p, 615.0f), 256.0f);

    if (_reveal < 1.0f)
        _reveal = std::min(_reveal + 0.5f * dt, 1.0f);
    size_t shown = size_t(float(std::strlen(_text)) * std::clamp(_reveal, 0.0f, 1.0f));
    while (shown > 0 && (static_cast<unsigned char>(_text[shown]) & 0xC0) == 0x80)
        --shown; // whole characters only
    std::memcpy(_shown, _text, shown);
    _shown[shown] = '\0';

    // Between the inner edges of the ends' bars, and centred on the band: the font keeps its pixel
    // height while the strip shrinks with the screen.
    const float s = Hud::Scale();
    const Vec2 left = Gui::ScreenPos(base + Vec2(462.5f - 30.0f * p, 0.0f), GA_CENTER);
    const Vec2 right = Gui::ScreenPos(base + Vec2(637.5f + 30.0f * p, 0.0f), GA_CENTER);
    const float middle = s * (_offset.y + 680.0f), half = 0.5f * std::max(s * float(FontHeight), float(FontHeight));
    text.text = _shown;
    text.rect = Vec4(left.x, middle - half, right.x, middle + half);
    HudPaint::Text(text);

    if (_reveal >= 1.0f)
        _timeLeft -= dt;
}
