#pragma once

#include "platform/movie/MovieTypes.h"

#include <cairo.h>

#include <cstdint>
#include <memory>

namespace movie {

// The image a movie paints into: premultiplied ARGB32 of a fixed size. Every paint of a
// rectangle gets a fresh drawing context clipped to it, so a bad transform or an unbalanced
// save in one paint never reaches the next. A rectangle is cleared before it is painted, so
// what a failed paint left is never shown: whatever is shown next is painted anew.
class Surface
{
public:
    // Null for a size cairo refuses (zero, negative, too large).
    static std::unique_ptr<Surface> Create(int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // A context clipped to `rect` (within the image), the rectangle cleared to transparency or
    // opaque black; null when the rectangle is empty.
    cairo_t* Begin(const Rect& rect);
    void End(cairo_t* cr);

    void SetTransparent(bool transparent) { _transparent = transparent; }
    void SetAntialias(cairo_antialias_t antialias) { _antialias = antialias; }

    const uint8_t* GetPixels() const { return _pixels; }
    int GetStride() const { return _stride; }
    int GetWidth() const { return _width; }
    int GetHeight() const { return _height; }

private:
    explicit Surface(cairo_surface_t* surface);

    cairo_surface_t* _surface;
    uint8_t* _pixels;
    int _stride, _width, _height;
    bool _transparent = true;
    cairo_antialias_t _antialias = CAIRO_ANTIALIAS_DEFAULT;
    cairo_font_options_t* _fontOptions;
};

} // namespace movie
