#pragma once

#include "foundation/math/Projection.h"

#include <algorithm>
#include <cstdint>

// A rectangle of whole pixels; right and bottom are past its last column and row.
struct PixelRect
{
    int left = 0, top = 0, right = 0, bottom = 0;

    bool IsEmpty() const { return right <= left || bottom <= top; }
    // The same pixels as the scissor takes them.
    Rect ToRect() const { return Rect{float(left), float(top), float(right - left), float(bottom - top)}; }
    int64_t Area() const { return IsEmpty() ? 0 : int64_t(right - left) * (bottom - top); }
    PixelRect Union(const PixelRect& other) const
    {
        if (IsEmpty())
            return other;
        if (other.IsEmpty())
            return *this;
        return PixelRect{std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                         std::max(bottom, other.bottom)};
    }
};
