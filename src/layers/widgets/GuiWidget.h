#pragma once

#include "foundation/math/Vec2.h"
#include "layers/FlashLayer.h"
#include "layers/SpriteLayer.h"
#include "layers/flash/FlashValue.h"

#include <cstddef>
#include <initializer_list>

class GuiTextCache;

// Where a widget's design position is measured from: the left edge, or the design frame centred
// or right-aligned on the screen.
enum eGuiAlign : int
{
    GA_LEFT = 0,
    GA_CENTER = 1,
    GA_RIGHT = 2,
};

// What every widget does with its layers. Design positions and sizes are in units of the
// 1280 x 960 design frame; the layer manager's scale factor maps them onto the screen.
namespace Gui {

// A design position on the screen: scaled, plus the alignment's shift on x (any other alignment
// than centre or right adds nothing).
Vec2 ScreenPos(const Vec2& design, int align = GA_LEFT);
// A design size or offset on the screen.
Vec2 ScreenSize(const Vec2& design);
// The parent, or the root for null.
Layer* ParentOrRoot(Layer* parent);
// A white Flash layer playing the movie, added to the parent.
FlashLayer* AddFlash(Layer* parent, const char* name, const char* movie, const Vec2& pos, const Vec2& size);
// A white sprite, with no material when none is given, added to the parent.
SpriteLayer* AddSprite(Layer* parent, const char* name, const Vec2& pos, const Vec2& size,
                       Material* material = nullptr);
// Calls a function of the layer's movie and drops the answer; nothing without a layer.
void Call(FlashLayer* layer, const wchar_t* function, const FlashHost::Args& args = FlashHost::Args());
// Calls the function with the text, or the number, when it differs from the cached one, which
// then takes it. True when it did.
bool CallOnChange(FlashLayer* layer, GuiTextCache& cache, const wchar_t* function, const char* text);
void CallOnChange(FlashLayer* layer, int& cache, const wchar_t* function, int value);
// Each of these passes over a null layer.
void SetPos(Layer* layer, const Vec2& pos);
void SetMaterial(SpriteLayer* layer, Material* material);
// The layers' colour becomes (1, 1, 1, alpha); null layers are passed over.
void SetAlpha(std::initializer_list<Layer*> layers, float alpha);
void SetVisible(std::initializer_list<Layer*> layers, bool visible);
// Draws the parent's layers over its other children, in the order given: a box and the dimming
// behind it stay in front of layers made after them.
void BringToFront(Layer* parent, std::initializer_list<Layer*> layers);
// Removes the layer from the parent, which destroys it, and forgets it.
void Detach(Layer* parent, Layer* layer);
template <class T>
void Detach(Layer* parent, T*& layer)
{
    Detach(parent, static_cast<Layer*>(layer));
    layer = nullptr;
}

// Copies text into a buffer of `size` bytes, always terminated; a longer text is cut before
// the character that does not fit whole (UTF-8).
void CopyText(char* out, size_t size, const char* text);

} // namespace Gui

// The last text sent to a movie function that is called only on change. It holds 255 bytes; a
// longer text is cut, and the cut text is what goes to the movie, so the same long text is
// not sent again.
class GuiTextCache
{
public:
    static constexpr size_t Size = 256;

    // True, keeping the text, when it differs from the one kept.
    bool Change(const char* text);
    const char* Get() const { return _text; }

private:
    char _text[Size] = {};
};
