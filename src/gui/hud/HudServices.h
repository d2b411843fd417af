#pragma once
// What the HUD's widgets read of the game (the global `game`) and how they place their layers.
// Design positions and sizes are in units of the 1280 x 960 design frame: a point p is drawn at
// p x scale + (shift, 0), a size z at z x scale, where the scale is the layer manager's factor
// and the shift that of the alignment. Every reader holds before a mission (and before the
// game has started): no player, no ship, no frame time.
#include "foundation/math/Vec2.h"
#include "layers/flash/FlashValue.h"

class Camera;
class FlashLayer;
class Layer;
class LevelLogic;
class Material;
class Player;
class PlayerShip;
class Ship;
class SpriteLayer;
class Texture;

enum eHudAlign : int
{
    HUD_ALIGN_LEFT = 0,
    HUD_ALIGN_CENTER = 1,
    HUD_ALIGN_RIGHT = 2,
};

namespace Hud {

float Scale();
// The horizontal shift of the scaled design frame for the alignment.
float Shift(eHudAlign align);
Vec2 ScreenPos(const Vec2& design, eHudAlign align = HUD_ALIGN_LEFT);
Vec2 ScreenSize(const Vec2& design);
// The video settings' screen size in pixels (0 before the game has started).
float ScreenWidth();
float ScreenHeight();
// The game's seconds per frame.
float Seconds();

// A single-player game: the HUD shows the world's state only then.
bool IsSingle();
// Null while there is no mission, no player or no ship.
Player* GetPlayer();
PlayerShip* GetPlayerShip();
// The player ship's current target, null in a network game.
Ship* GetPlayerTarget();
LevelLogic* GetLogic();
Camera* GetCamera();

// Null without a render device.
Material* LoadMaterial(const char* file);
Texture* LoadTexture(const char* file);

// Whether the screen layers exist: a widget without them loads nothing and draws nothing.
bool HasRoot();
// A white Flash layer at a design position and size, added to the layer root.
FlashLayer* AddFlash(const char* name, const char* movie, const Vec2& designPos, const Vec2& designSize,
                     eHudAlign align);
// The same at a position and size in pixels.
FlashLayer* AddFlashAt(const char* name, const char* movie, const Vec2& pos, const Vec2& size);
// A white sprite layer of that pixel position and size, added to the layer root.
SpriteLayer* AddSprite(const char* name, Material* material, const Vec2& pos, const Vec2& size);
// Adds a layer the caller made to the layer root and returns it; without a root the layer is
// destroyed and null returned.
template <class T>
T* AddToRoot(T* layer);
bool AttachToRoot(Layer* layer);
// Removes the layer from the root, which destroys it, and forgets it; null passes.
void RemoveFromRoot(Layer*& layer);
template <class T>
void RemoveFromRoot(T*& layer)
{
    Layer* base = layer;
    RemoveFromRoot(base);
    layer = nullptr;
}
// Calls a function of the layer's movie and drops the answer; nothing without a layer.
void Call(FlashLayer* layer, const wchar_t* function, const FlashHost::Args& args);

template <class T>
T* AddToRoot(T* layer)
{
    return AttachToRoot(layer) ? layer : nullptr;
}

} // namespace Hud
