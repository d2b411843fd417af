#pragma once
// What the HUD's widgets read of the game (the global `game`) and how they put their layers
// under the layer root. Design positions and sizes are in units of the 1280 x 960 design frame
// and placed with the widgets' helpers (Gui::ScreenPos, Gui::ScreenSize). Every reader holds
// before a mission (and before the game has started): no player, no ship, no frame time.
#include "foundation/math/Vec2.h"
#include "foundation/math/Vec4.h"
#include "layers/widgets/GuiWidget.h"

class Camera;
class FlashLayer;
class Layer;
class LevelLogic;
class LineLayer;
class Material;
class Player;
class PlayerShip;
class Ship;
class Texture;

namespace Hud {

// The layer manager's scale factor from design units to pixels.
float Scale();
// The screen rectangle (left, top, right, bottom) of a left-aligned design box.
Vec4 ScreenBox(float left, float top, float right, float bottom);
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

// Through the render device's texture manager; null without one.
Texture* LoadTexture(const char* file);

// The game's text of a code in the chosen language; the code itself when there is none.
const char* Text(const char* code);
// A picture with words in it: the chosen language's own version ("<language>//<file>") where
// the data has one, else the file itself.
Material* LoadWordsMaterial(const char* file);

// Whether the screen layers exist: a widget without them loads nothing and draws nothing.
bool HasRoot();
Layer* Root();
// A white Flash layer at a design position and size, added to the layer root, that answers
// its movie's "Text" calls.
FlashLayer* AddFlash(const char* name, const char* movie, const Vec2& designPos, const Vec2& designSize,
                     eGuiAlign align);
// Lets the layer's movie ask for the game's texts: movie.call("Text", code) answers Text(code).
void AnswerTexts(FlashLayer* layer);
// A line layer added to the layer root.
LineLayer* AddLine();
// Removes the layer from the root, which destroys it, and forgets it; null passes.
template <class T>
void RemoveFromRoot(T*& layer)
{
    Gui::Detach(Root(), layer);
}

} // namespace Hud
