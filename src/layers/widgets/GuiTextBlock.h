#pragma once

#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"

#include <cstddef>

// A caption over a value, drawn as immediate text by its screen each frame: bold Arial, the
// caption 24 high and the value 14, each centred in its box below pos (screen units, not
// scaled). Each text holds 127 bytes; a longer one is cut.
class GuiTextBlock
{
public:
    static constexpr size_t TextSize = 128;

    void SetColor(float r, float g, float b, float a) { _color = Color(r, g, b, a); }
    void SetCaption(const char* text);
    void SetText(const char* text);
    void Draw(const Vec2& pos) const;

    const char* GetCaption() const { return _caption; }
    const char* GetText() const { return _text; }

private:
    char _caption[TextSize] = {};
    char _text[TextSize] = {};
    Color _color{0.0f, 1.0f, 1.0f, 1.0f};
};
