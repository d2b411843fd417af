#include "MaterialSystem/textures/ColorWriter.h"

#include "MaterialSystem/textures/Texture.h"
#include "foundation/math/Color.h"

namespace {

struct Packing
{
    uint32_t format;
    unsigned bytes;
    int shift[4];
    unsigned mask[4];
};

constexpr Packing kPackings[] = {
    {TEXFMT_R5G6B5, 2, {8, 3, -3, 0}, {0xF8, 0xFC, 0xF8, 0x00}},
    {TEXFMT_A4R4G4B4, 2, {4, 0, -4, 8}, {0xF0, 0xF0, 0xF0, 0xF0}},
    {TEXFMT_A1R5G5B5, 2, {7, 2, -3, 8}, {0xF8, 0xF8, 0xF8, 0x80}},
    {TEXFMT_R8G8B8, 3, {16, 8, 0, 0}, {0xFF, 0xFF, 0xFF, 0x00}},
    {TEXFMT_A8R8G8B8, 4, {16, 8, 0, 24}, {0xFF, 0xFF, 0xFF, 0xFF}},
    {TEXFMT_A8, 1, {0, 0, 0, 0}, {0, 0, 0, 0xFF}},
    {TEXFMT_P8, 1, {0, 0, 0, 0}, {0, 0, 0, 0xFF}},
    {TEXFMT_L8, 1, {0, 0, 0, 0}, {0, 0, 0, 0xFF}},
};

uint32_t Shifted(unsigned value, int shift)
{
    return shift >= 0 ? uint32_t(value) << shift : uint32_t(value) >> -shift;
}

} // namespace

ColorWriter::ColorWriter(Texture* texture, unsigned level) : _texture(texture), _level(level)
{
    if (!_texture)
        return;
    int pitch = 0;
    _levelStart = static_cast<unsigned char*>(_texture->LockPixels(level, pitch));
    _rowStart = _cursor = _levelStart;
    _pitch = pitch > 0 ? unsigned(pitch) : 0;
    _rows = _texture->GetHeight(level);
    for (const Packing& packing : kPackings)
    {
        if (packing.format != _texture->GetFormat())
            continue;
        _bytesPerPixel = packing.bytes;
        for (int i = 0; i < 4; ++i)
        {
            _shift[i] = packing.shift[i];
            _mask[i] = packing.mask[i];
        }
    }
    _rowBytes = _texture->GetWidth(level) * _bytesPerPixel;
}

ColorWriter::~ColorWriter()
{
    if (_levelStart)
        _texture->UnlockPixels(_level);
}

unsigned char* ColorWriter::Seek(unsigned x, unsigned y)
{
    if (!_levelStart)
        return nullptr;
    _row = y;
    _rowStart = _levelStart + size_t(y) * _pitch;
    _cursor = _rowStart + size_t(x) * _bytesPerPixel;
    return _cursor;
}

void ColorWriter::SkipBytes(unsigned count) { Advance(count); }

void ColorWriter::SkipPixels(unsigned count) { Advance(count * _bytesPerPixel); }

// Moves along the row and on to the next row's start once the row's pixels are passed.
void ColorWriter::Advance(unsigned bytes)
{
    _cursor += bytes;
    while (_rowBytes > 0 && _row < _rows && _cursor >= _rowStart + _rowBytes)
    {
        const size_t over = size_t(_cursor - (_rowStart + _rowBytes));
        ++_row;
        _rowStart += _pitch;
        _cursor = _rowStart + over;
    }
}

void ColorWriter::WriteColor(uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    if (!_levelStart || _bytesPerPixel == 0 || _row >= _rows || _cursor + _bytesPerPixel > _rowStart + _rowBytes)
    {
        return;
    }
    const uint32_t value = Shifted(r & _mask[0], _shift[0]) | Shifted(g & _mask[1], _shift[1]) |
                           Shifted(b & _mask[2], _shift[2]) | Shifted(a & _mask[3], _shift[3]);
    for (unsigned i = 0; i < _bytesPerPixel; ++i)
        _cursor[i] = static_cast<unsigned char>(value >> (8 * i));
    Advance(_bytesPerPixel);
}

void ColorWriter::WriteColor(unsigned long argb)
{
    WriteColor(uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb), uint8_t(argb >> 24));
}

void ColorWriter::WriteColor(const Color& color) { WriteColor(static_cast<unsigned long>(color.ARGB())); }
