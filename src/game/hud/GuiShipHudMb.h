#pragma once
// The message box with photo in the upper left: a speaker's photo, the board and team he calls
// from, and his message typing out while a one-line copy of it runs in. Nothing in the game
// sends it a message yet: it stays loaded and hidden.
#include "game/hud/HudPhoto.h"

#include <cstddef>

class Material;

class GuiShipHudMb
{
public:
    static constexpr size_t NameSize = 128;
    static constexpr size_t TextSize = 2048;
    static constexpr size_t LineSize = 256;
    static constexpr int MaterialCount = 10;

    GuiShipHudMb() = default;
    virtual ~GuiShipHudMb() = default;
    GuiShipHudMb(const GuiShipHudMb&) = delete;
    GuiShipHudMb& operator=(const GuiShipHudMb&) = delete;

    virtual void Load();
    virtual void Unload() {}
    virtual void Proceed();
    // Texts longer than their fields are cut.
    virtual void ShowMessage(const char* title, const char* board, const char* team, const char* text, float seconds,
                             int option);
    virtual void SetPhoto(const char* file) { _photo.SetPicture(file); }
    virtual void SetEffectKoef(float koef) { _effectKoef = koef; }
    virtual void SetOption(int option) { _option = option; }

    const char* GetText() const { return _text; }
    const char* GetLine() const { return _line; }
    float GetFade() const { return _fade; }
    const HudPhoto& GetPhoto() const { return _photo; }

private:
    Material* _materials[MaterialCount] = {};
    HudPhoto _photo;
    char _title[NameSize] = {};
    char _board[NameSize] = {};
    char _team[NameSize] = {};
    char _text[TextSize] = {};
    char _line[LineSize] = {}; // the text on one line
    float _showTime = 0.0f;
    float _elapsed = 0.0f;
    float _fade = 0.0f;
    float _effectKoef = 0.0f;
    int _option = 0;
};

// Copies a text to one line: line breaks become blanks; cut to the buffer.
void HudOneLine(char* out, size_t size, const char* text);
