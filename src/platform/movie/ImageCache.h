#pragma once

#include <cairo.h>

#include <map>
#include <string>

namespace movie {

struct MovieContext;

// The images a movie draws, loaded once by name: ".png" files from the working folder, every
// other name from the host (the game's textures). A name that fails is logged once with what is
// wrong (not a PNG file, damaged, larger than `MaxImageSide` a side) and stays missing.
class ImageCache
{
public:
    ImageCache() = default;
    ~ImageCache();
    ImageCache(const ImageCache&) = delete;
    ImageCache& operator=(const ImageCache&) = delete;

    // Null when the image cannot be had.
    cairo_surface_t* Get(MovieContext& context, const std::string& name);

private:
    cairo_surface_t* Load(MovieContext& context, const std::string& name, std::string& error);

    std::map<std::string, cairo_surface_t*> _images;
};

} // namespace movie
