#include "layers/flash/FlashValue.h"

#include "foundation/base/Dumper.h"

#include <cmath>

namespace FlashHost {

FlashValue::FlashValue(bool value) : _boolean(value), _type(FT_BOOLEAN) {}

FlashValue::FlashValue(int value) : _number(float(value)), _type(FT_NUMBER) {}

FlashValue::FlashValue(float value) : _number(value), _type(FT_NUMBER) {}

FlashValue::FlashValue(double value) : _number(float(value)), _type(FT_NUMBER) {}

// The text ends at its terminator, which is not part of the string.
FlashValue::FlashValue(const char* text)
{
    if (!text)
        return;
    _text = string2wstring(text);
    _type = FT_STRING;
}

FlashValue::FlashValue(const wchar_t* text)
{
    if (!text)
        return;
    _text = text;
    _type = FT_STRING;
}

FlashValue::FlashValue(const std::wstring& text) : _text(text), _type(FT_STRING) {}

void FlashValue::setNull() { *this = FlashValue(); }

Color FlashValue::getNumberAsColor() const
{
    // Numbers beyond the integers (and NaN) have no colour.
    const int n = std::fabs(_number) < 2147483520.0f ? int(_number) : 0;
    Color color;
    color.r = float(((n / 256) / 256) % 256) / 255.0f;
    color.g = float((n / 256) % 256) / 255.0f;
    color.b = float(n % 256) / 255.0f;
    return color;
}

} // namespace FlashHost
