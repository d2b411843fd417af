#pragma once

#include <cstdint>
#include <vector>

namespace gfx {

// Which texels of a level-0 image of the A8R8G8B8 format have an alpha above 0, followed
// through the pixels uploaded from memory, and the box around them. Until a whole image has
// been seen, or after the device has drawn into the texture, it knows nothing.
class TexelCoverage
{
public:
    // Texels left, top, right and bottom, the last two past the box; right <= left when no
    // texel has alpha.
    struct Box
    {
        int left = 0, top = 0, right = 0, bottom = 0;
        bool IsEmpty() const { return right <= left || bottom <= top; }
    };

    bool IsKnown() const { return _known; }
    const Box& GetBox() const { return _box; }

    // A rectangle of the image from pixels whose rows are `pitch` bytes apart (blue, green, red,
    // alpha bytes); the first must be the whole image.
    void Update(unsigned width, unsigned height, int left, int top, int columns, int rows, const uint8_t* pixels,
                unsigned pitch);
    void Forget();

private:
    void FindBox();

    unsigned _width = 0, _height = 0, _words = 0; // 64-bit words a row
    std::vector<uint64_t> _bits;
    Box _box;
    bool _known = false;
};

} // namespace gfx
