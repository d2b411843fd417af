#pragma once

#include <cairo.h>

#include <cstddef>
#include <map>
#include <memory>
#include <string>

namespace movie {

class MovieGroup;
struct MovieContext;

// The images a movie draws, loaded once by name: ".png" files from the working folder, every
// other name from the host (the game's textures). A name that fails is logged once with what is
// wrong (not a PNG file, damaged, larger than `MaxImageSide` a side) and stays missing. A movie
// names at most MaxImages images, whose pixels take MaxBytes at most: the names past it, or an
// image that would pass it, are missing too, as is an image that would take the movie's group
// past its memory bound.
class ImageCache
{
public:
    static constexpr size_t MaxImages = 256;
    static constexpr size_t MaxBytes = 64u << 20;
    // The longest name a movie may give.
    static constexpr size_t MaxNameBytes = 1024;

    explicit ImageCache(std::shared_ptr<MovieGroup> group);
    ~ImageCache();
    ImageCache(const ImageCache&) = delete;
    ImageCache& operator=(const ImageCache&) = delete;

    // Null when the image cannot be had.
    cairo_surface_t* Get(MovieContext& context, const std::string& name);
    // The bytes of the images held.
    size_t Bytes() const { return _bytes; }

private:
    cairo_surface_t* Load(MovieContext& context, const std::string& name, std::string& error);

    std::shared_ptr<MovieGroup> _group; // may be null
    std::map<std::string, cairo_surface_t*> _images;
    size_t _bytes = 0;
};

} // namespace movie
