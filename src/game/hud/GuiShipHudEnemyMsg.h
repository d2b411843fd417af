#pragma once
// The enemy's message box in the lower left: the speaker's photo and his message, faded in and
// out, with a ticker of the message on one line. Nothing in the game sends it a message yet: it
// is proceeded every frame and stays hidden.
#include "game/hud/HudPhoto.h"

#include <cstddef>

class Material;

class GuiShipHudEnemyMsg
{
public:
    static constexpr size_t TextSize = 256;
    static constexpr int MaterialCount = 10;

    GuiShipHudEnemyMsg() = default;
    virtual ~GuiShipHudEnemyMsg() = default;
    GuiShipHudEnemyMsg(const GuiShipHudEnemyMsg&) = delete;
    GuiShipHudEnemyMsg& operator=(const GuiShipHudEnemyMsg&) = delete;

    virtual void Load();
    virtual void Unload() {}
    virtual void Proceed();
    // Shown for the seconds plus 1.7 and the time the text takes to type (0.075 s a letter).
    virtual void ShowMessage(const char* text, float seconds);
    virtual void SetPhoto(const char* file) { _photo.SetPicture(file); }

    float GetShowTime() const { return _showTime; }
    const char* GetText() const { return _text; }
    const HudPhoto& GetPhoto() const { return _photo; }

private:
    Material* _materials[MaterialCount] = {};
    HudPhoto _photo;
    char _text[TextSize] = {};
    char _line[TextSize] = {};
    float _showTime = 0.0f;
    float _totalTime = 0.0f;
};
