#pragma once

#include "foundation/math/Vec2.h"
#include "layers/widgets/GuiWidget.h"

class FlashLayer;
class Layer;
class Material;
class SpriteLayer;

// One player's row in the lobby: "tgPirat" on "swf//mt_player.swf" (260 x 90 design units) over
// a 51 x 51 picture "spr", both children of one parent layer. The setters send a value to the
// movie only when it differs from the last one sent.
class GuiMultiplayerTeamPlayer
{
public:
    static constexpr int LevelCount = 3;
    static constexpr float NoLevel = -989.0f;

    // Into the parent, the root for null; the picture goes in first.
    explicit GuiMultiplayerTeamPlayer(Layer* parent);
    ~GuiMultiplayerTeamPlayer();
    GuiMultiplayerTeamPlayer(const GuiMultiplayerTeamPlayer&) = delete;
    GuiMultiplayerTeamPlayer& operator=(const GuiMultiplayerTeamPlayer&) = delete;

    // In screen pixels; the picture sits (8, 9) design units in.
    void SetPos(const Vec2& pos);
    void SetName(const char* text);
    void SetCash(const char* text);
    void SetScore(const char* text);
    void SetEff(const char* text);
    // Level 0..2; others are ignored.
    void SetLevel(int level, float value);
    void SetState(int state);
    void SetVisible(bool visible);
    void SetAlpha(float alpha);
    void SetMaterial(Material* material);

    const char* GetName() const { return _name.Get(); }
    bool IsVisible() const;
    FlashLayer* GetLayer() const { return _flash; }
    SpriteLayer* GetPicture() const { return _picture; }

private:
    static constexpr int NoState = -999;

    Layer* _parent;
    FlashLayer* _flash = nullptr;
    SpriteLayer* _picture = nullptr;
    GuiTextCache _name, _cash, _score, _eff;
    float _levels[LevelCount] = {NoLevel, NoLevel, NoLevel};
    int _state = NoState;
};
