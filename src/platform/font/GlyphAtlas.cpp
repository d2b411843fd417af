#include "platform/font/GlyphAtlas.h"

#include <cstddef>
#include <cstring>

GlyphAtlas::GlyphAtlas() : _pixels(size_t(Width) * InitialHeight, 0) {}

bool GlyphAtlas::Insert(unsigned w, unsigned h, const unsigned char* pixels, int pitch, unsigned& x, unsigned& y)
{
    if (w + 2 * Padding > Width || h + 2 * Padding > MaxHeight)
        return false;
    if (_shelfX + w + Padding > Width)
    {
        _shelfY += _shelfHeight + Padding;
        _shelfX = Padding;
        _shelfHeight = 0;
    }
    while (_shelfY + h + Padding > _height)
    {
        if (_height * 2 > MaxHeight)
            return false;
        _height *= 2;
        _pixels.resize(size_t(Width) * _height, 0);
    }
    x = _shelfX;
    y = _shelfY;
    for (unsigned row = 0; row < h; ++row)
    {
        std::memcpy(&_pixels[size_t(y + row) * Width + x], pixels + std::ptrdiff_t(row) * pitch, w);
    }
    _shelfX += w + Padding;
    if (h > _shelfHeight)
        _shelfHeight = h;
    ++_version;
    return true;
}
