#pragma once

#include "platform/movie/MovieTypes.h"

#include <string>

namespace FlashHost {

// The top level of a ".dds" texture file (32-bit or DXT1-DXT5) as straight-alpha pixels for a
// movie. False, with the reason in `error`, for a file that cannot be read or is not a texture,
// and for one larger than `movie::MaxImageSide` a side, which is refused from its header.
bool ReadTextureImage(const std::string& path, movie::Image& image, std::string& error);

} // namespace FlashHost
