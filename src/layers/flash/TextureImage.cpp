#include "layers/flash/TextureImage.h"

#include "MaterialSystem/textures/DdsLayout.h"
#include "MaterialSystem/textures/DxtDecoder.h"
#include "MaterialSystem/textures/TextureDesc.h"
#include "foundation/base/Path.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <utility>
#include <vector>

namespace FlashHost {

bool ReadTextureImage(const std::string& path, movie::Image& image, std::string& error)
{
    std::ifstream file(ResolvePath(path), std::ios::binary | std::ios::ate);
    if (!file)
    {
        error = "cannot be read";
        return false;
    }
    const auto fileSize = static_cast<uint64_t>(std::max<std::streamoff>(file.tellg(), 0));
    if (fileSize < kDdsHeaderSize)
    {
        error = "shorter than a texture header";
        return false;
    }
    uint8_t header[kDdsHeaderSize];
    file.seekg(0);
    file.read(reinterpret_cast<char*>(header), kDdsHeaderSize);
    DdsLayout layout;
    if (!file || !ReadDdsLayout(header, fileSize - kDdsHeaderSize, 0, movie::MaxImageSide, layout, error))
    {
        if (error.empty())
            error = "cannot be read";
        return false;
    }
    // Only the top level is drawn.
    const size_t levelBytes = size_t(layout.levelBytes[0]);
    std::vector<uint8_t> level(levelBytes);
    if (!file.read(reinterpret_cast<char*>(level.data()), std::streamsize(levelBytes)))
    {
        error = "ends early";
        return false;
    }
    std::vector<uint8_t> pixels;
    if (layout.format == TEXFMT_A8R8G8B8)
    {
        pixels = std::move(level);
    }
    else if (!DecodeDxt(layout.format, layout.width, layout.height, level.data(), levelBytes, pixels))
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
