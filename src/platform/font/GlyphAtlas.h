#pragma once

#include <cstdint>
#include <vector>

// An 8-bit coverage image that glyph bitmaps are packed into, shelf by shelf. It starts
// small and doubles its height when full, up to a limit; the version changes whenever the
// pixels do, so a drawer knows when to upload again.
class GlyphAtlas
{
public:
    static constexpr unsigned Width = 512;
    static constexpr unsigned InitialHeight = 256;
    static constexpr unsigned MaxHeight = 2048;

    GlyphAtlas();

    // Copies a w x h bitmap (rows `pitch` bytes apart) in and returns its top-left corner;
    // false when it cannot fit even at the largest size.
    bool Insert(unsigned w, unsigned h, const unsigned char* pixels, int pitch, unsigned& x, unsigned& y);

    unsigned GetWidth() const { return Width; }
    unsigned GetHeight() const { return _height; }
    const unsigned char* GetPixels() const { return _pixels.data(); }
    uint64_t GetVersion() const { return _version; }

private:
    static constexpr unsigned Padding = 1;

    unsigned _height = InitialHeight;
    std::vector<unsigned char> _pixels;
    unsigned _shelfX = Padding, _shelfY = Padding, _shelfHeight = 0;
    uint64_t _version = 1;
};
