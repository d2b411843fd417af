#pragma once

#include "layers/widgets/GuiWidget.h"

// A pilot's row in the team-gathering lists: the face (51 x 51) under "tgPirat" on
// "swf//tg_pirat.swf" (260 x 90), with name, price, score and efficiency and two level bars.
// Placed by SetPos; every setter sends only changes.
class GuiTeamPirate
{
public:
    static constexpr int Levels = 2;
    static constexpr int NoState = -989;
    static constexpr float NoLevel = -989.0f;

    GuiTeamPirate() = default;
    ~GuiTeamPirate() { Unload(); }
    GuiTeamPirate(const GuiTeamPirate&) = delete;
    GuiTeamPirate& operator=(const GuiTeamPirate&) = delete;

    // Under the parent, the root for null; the parent outlives the widget's layers.
    GuiTeamPirate* Load(Layer* parent);
    void Unload();
    // In screen units: the row at pos, the face at pos + (8, 9) design units.
    void SetPos(const Vec2& pos);
    void SetAlpha(float alpha);
    void SetVisible(bool visible);
    void SetFace(Material* face);
    // 1 selected, 0 not.
    void SetState(int state);
    // Bar 0 (score) or 1 (efficiency), 0..1; other bars are ignored.
    void SetLevel(int index, float value);
    void SetName(const char* text);
    void SetCash(const char* text);
    void SetScore(const char* text);
    void SetEff(const char* text);

    SpriteLayer* GetFace() const { return _face; }
    FlashLayer* GetLayer() const { return _layer; }

private:
    SpriteLayer* _face = nullptr;
    FlashLayer* _layer = nullptr;
    Layer* _parent = nullptr;
    GuiTextCache _name, _cash, _score, _eff;
    float _levels[Levels] = {NoLevel, NoLevel};
    int _state = NoState;
};
