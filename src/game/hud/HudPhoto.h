#pragma once
// The photo of a radio message's speaker: a picture on the photo material, whose effect rolls
// scan lines over it and makes it flicker like a poor transmission. The flicker's phase and the
// effect's clock are shared by every photo.
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"

class Material;
class Texture;

class HudPhoto
{
public:
    // The photo material "gui_hud_mb_photo.mat".
    void Load();
    // The picture from a texture file; the previous one stays when it cannot be had.
    void SetPicture(const char* file);
    // Advances the effect by a frame and draws the photo, 128 x 128 design units, at a design
    // position. Returns the effect's strength of this frame.
    float Draw(const Vec2& designPos, float alpha);
    Texture* GetPicture() const { return _picture; }

    static void ResetShared();

private:
    Material* _material = nullptr;
    Texture* _picture = nullptr;

    static float _phase;
    static float _time;
};
