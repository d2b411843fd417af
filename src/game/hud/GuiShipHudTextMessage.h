#pragma once
// The message strip: one short message at a time in a framed strip in the lower half of the
// screen, blue or red, built from a left end, a row of centre pieces and a right end; it takes
// more pieces than asked where the text needs them. The text types itself in over two seconds,
// then stays for the given time and fades out during its last second. The HUD owns one; the
// stock exchange drives one of its own.
#include "foundation/math/Vec2.h"

#include <cstddef>

class Material;
struct HudText;

class GuiShipHudTextMessage
{
public:
    static constexpr size_t TextSize = 512; // texts of up to 511 bytes
    // More centre pieces than this would run off any screen.
    static constexpr int MaxPieces = 40;

    GuiShipHudTextMessage() = default;
    virtual ~GuiShipHudTextMessage() = default;
    GuiShipHudTextMessage(const GuiShipHudTextMessage&) = delete;
    GuiShipHudTextMessage& operator=(const GuiShipHudTextMessage&) = delete;

    // Loads "black.mat" and the blue and red frame pieces.
    virtual void Load();
    // Leaves the materials loaded: the strip still draws after it.
    virtual void Unload() {}
    virtual void Proceed();
    // Replaces a message on screen at once. A longer text is cut to 511 bytes; the piece count
    // is held in 0..MaxPieces.
    virtual void Show(const char* text, float seconds, bool isBlue, int pieces);
    virtual void Clear();
    virtual void SetReveal(float reveal) { _reveal = reveal; }
    virtual void SetOffset(const Vec2& offset) { _offset = offset; }
    // A dim cover over the whole screen behind the strip.
    virtual void SetDarken(bool darken) { _darken = darken; }
    // Until the last second of the message begins.
    virtual bool IsActive() const { return _timeLeft > 1.0f; }

    float GetTimeLeft() const { return _timeLeft; }
    float GetReveal() const { return _reveal; }
    const char* GetText() const { return _text; }
    // What the last frame drew of the text: the part typed so far.
    const char* GetShownText() const { return _shown; }
    int GetPieces() const { return _pieces; }
    bool IsBlue() const { return _isBlue; }

private:
    enum ePiece
    {
        PIECE_LEFT = 0,
        PIECE_RIGHT = 1,
        PIECE_CENTER = 2,
    };

    // The centre pieces drawn: at least the asked ones, more while the text needs them and the
    // screen has room.
    int PiecesFor(const HudText& text);

    float _timeLeft = 0.0f;
    char _text[TextSize] = {};
    char _shown[TextSize] = {};
    float _textWidth = 0.0f; // of the whole text in pixels, measured once: the font keeps its size
    float _reveal = 0.0f;
    Material* _blue[3] = {};
    Material* _red[3] = {};
    bool _isBlue = false;
    int _pieces = 0;
    Vec2 _offset{0.0f, 0.0f};
    bool _darken = false;
    Material* _black = nullptr;
};
