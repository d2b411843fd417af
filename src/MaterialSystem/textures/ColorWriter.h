#pragma once

#include <cstdint>

class Texture;
struct Color;

// Writes pixels into one locked level of a texture in its 8-bit-per-channel or 16-bit format,
// for as long as it lives. Sequential writes run along a row and step over any row padding.
class ColorWriter
{
public:
    ColorWriter(Texture* texture, unsigned level);
    ~ColorWriter();
    ColorWriter(const ColorWriter&) = delete;
    ColorWriter& operator=(const ColorWriter&) = delete;

    bool IsLocked() const { return _levelStart != nullptr; }
    // The address of pixel (x, y); later writes continue from there.
    unsigned char* Seek(unsigned x, unsigned y);
    void SkipBytes(unsigned count);
    void SkipPixels(unsigned count);
    unsigned BytesPerPixel() const { return _bytesPerPixel; }

    // Pack one pixel and move on; nothing happens past the end of the level.
    void WriteColor(uint8_t r, uint8_t g, uint8_t b, uint8_t a);
    void WriteColor(unsigned long argb);
    void WriteColor(const Color& color);

private:
    void Advance(unsigned bytes);

    Texture* _texture;
    unsigned _level;
    unsigned char* _levelStart = nullptr;
    unsigned char* _rowStart = nullptr; // start of the row being written
    unsigned char* _cursor = nullptr;
    unsigned _pitch = 0;
    unsigned _rowBytes = 0; // width x bytes per pixel
    unsigned _rows = 0;
    unsigned _row = 0;
    unsigned _bytesPerPixel = 0;
    int _shift[4] = {}; // red, green, blue, alpha; negative shifts right
    unsigned _mask[4] = {};
};
