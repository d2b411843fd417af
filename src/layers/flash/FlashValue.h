#pragma once

#include "foundation/math/Color.h"

#include <string>
#include <vector>

namespace FlashHost {

enum FlashValueType : short
{
    FT_NULL = 0,
    FT_BOOLEAN = 1,
    FT_NUMBER = 2,
    FT_STRING = 3,
};

// A value exchanged with a movie: null, a boolean, a number (float) or a wide string. Only the
// field of its type is set; the others hold their empty values.
class FlashValue
{
public:
    FlashValue() = default;
    FlashValue(bool value);
    FlashValue(int value);
    FlashValue(float value);
    FlashValue(double value);
    // UTF-8 text; null gives the null value.
    FlashValue(const char* text);
    FlashValue(const wchar_t* text);
    FlashValue(const std::wstring& text);

    short getType() const { return _type; }
    bool isNull() const { return _type == FT_NULL; }
    bool getBool() const { return _boolean; }
    float getNumber() const { return _number; }
    const std::wstring& getString() const { return _text; }
    void setNull();
    // The number as 0xRRGGBB, with a default alpha.
    Color getNumberAsColor() const;

private:
    std::wstring _text;
    float _number = 0.0f;
    bool _boolean = false;
    short _type = FT_NULL;
};

// An argument list: built by chaining, Args(a)(b)(c), or by push_back.
class Args : public std::vector<FlashValue>
{
public:
    Args() = default;
    Args(const FlashValue& value) { push_back(value); }

    Args& operator()(const FlashValue& value)
    {
        push_back(value);
        return *this;
    }
};

} // namespace FlashHost
