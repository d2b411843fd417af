#include "layers/flash/TextureImage.h"

#include "MaterialSystem/textures/DdsLayout.h"
#include "MaterialSystem/textures/DxtDecoder.h"
#include "MaterialSystem/textures/TextureDesc.h"
#include "foundation/base/Path.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace FlashHost {

bool ReadTextureImage(const std::string& path, movie::Image& image, std::string& error)
{
    std::ifstream file(ResolvePath(path), std::ios::binary);
    if (!file)
    {
        error = "cannot be read";
        return false;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bytes.size() < kDdsHeaderSize)
    {
        error = "is shorter than a texture header";
        return false;
    }
    DdsLayout layout;
    if (!ReadDdsLayout(bytes.data(), bytes.size() - kDdsHeaderSize, 0, layout, error))
        return false;
    const uint8_t* level = bytes.data() + kDdsHeaderSize;
    const size_t levelBytes = size_t(layout.levelBytes[0]);
    std::vector<uint8_t> pixels;
    if (layout.format == TEXFMT_A8R8G8B8)
    {
        pixels.assign(level, level + levelBytes);
    }
    else if (!DecodeDxt(layout.format, layout.width, layout.height, level, levelBytes, pixels))
    {
        error = "cannot be decoded";
        return false;
    }
    if (pixels.size() < size_t(layout.width) * layout.height * 4)
    {
        error = "holds fewer pixels than its size";
        return false;
    }
    image.width = int(layout.width);
    image.height = int(layout.height);
    image.pixels.resize(size_t(layout.width) * layout.height);
    std::memcpy(image.pixels.data(), pixels.data(), image.pixels.size() * 4);
    return true;
}

} // namespace FlashHost
