#include "platform/gfx/TexelCoverage.h"

#include <bit>
#include <cstddef>

namespace gfx {

void TexelCoverage::Update(unsigned width, unsigned height, int left, int top, int columns, int rows,
                           const uint8_t* pixels, unsigned pitch)
{
    const bool whole = left == 0 && top == 0 && unsigned(columns) == width && unsigned(rows) == height;
    if (!_known || _width != width || _height != height)
    {
        if (!whole)
        {
            Forget();
            return;
        }
        _width = width;
        _height = height;
        _words = (width + 63) / 64;
        _bits.assign(std::size_t(_words) * height, 0);
        _known = true;
    }
    for (int y = 0; y < rows; ++y)
    {
        const uint8_t* alpha = pixels + std::size_t(y) * pitch + 3;
        uint64_t* row = _bits.data() + std::size_t(top + y) * _words;
        for (int x = 0; x < columns; ++x, alpha += 4)
        {
            const unsigned column = unsigned(left + x);
            const uint64_t bit = uint64_t(1) << (column % 64);
            if (*alpha)
                row[column / 64] |= bit;
            else
                row[column / 64] &= ~bit;
        }
    }
    FindBox();
}

void TexelCoverage::Forget()
{
    _known = false;
    _bits.clear();
    _bits.shrink_to_fit();
    _box = Box();
}

void TexelCoverage::FindBox()
{
    _box = Box();
    std::vector<uint64_t> columns(_words, 0);
    for (unsigned y = 0; y < _height; ++y)
    {
        const uint64_t* row = _bits.data() + std::size_t(y) * _words;
        uint64_t any = 0;
        for (unsigned w = 0; w < _words; ++w)
        {
            columns[w] |= row[w];
            any |= row[w];
        }
        if (!any)
            continue;
        if (_box.bottom == 0)
            _box.top = int(y);
        _box.bottom = int(y) + 1;
    }
    for (unsigned w = 0; w < _words; ++w)
    {
        if (!columns[w])
            continue;
        if (_box.right == 0)
            _box.left = int(w * 64 + unsigned(std::countr_zero(columns[w])));
        _box.right = int(w * 64 + 64 - unsigned(std::countl_zero(columns[w])));
    }
    if (_box.bottom == 0)
        _box = Box();
}

} // namespace gfx
