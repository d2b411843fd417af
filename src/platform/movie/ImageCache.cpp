#include "platform/movie/ImageCache.h"

#include "foundation/base/Path.h"
#include "platform/movie/MovieContext.h"

#include <cstdint>
#include <cstring>
#include <strings.h>

namespace movie {

namespace {

bool IsPng(const std::string& name)
{
    return name.size() >= 4 && strcasecmp(name.c_str() + name.size() - 4, ".png") == 0;
}

// Straight-alpha pixels as a premultiplied image.
cairo_surface_t* FromImage(const Image& image)
{
    if (image.width <= 0 || image.height <= 0 || image.pixels.size() != size_t(image.width) * size_t(image.height))
        return nullptr;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    uint8_t* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height; ++y)
    {
        auto* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < image.width; ++x)
        {
            const uint32_t p = image.pixels[size_t(y) * image.width + x];
            const uint32_t a = p >> 24;
            auto premultiply = [a](uint32_t c) { return (c * a + 127) / 255; };
            row[x] =
                a << 24 | premultiply(p >> 16 & 0xFF) << 16 | premultiply(p >> 8 & 0xFF) << 8 | premultiply(p & 0xFF);
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

} // namespace

ImageCache::~ImageCache()
{
    for (auto& entry : _images)
    {
        if (entry.second)
            cairo_surface_destroy(entry.second);
    }
}

cairo_surface_t* ImageCache::Get(MovieContext& context, const std::string& name)
{
    auto found = _images.find(name);
    if (found != _images.end())
        return found->second;
    std::string error;
    cairo_surface_t* image = Load(context, name, error);
    if (!image)
        context.Report("image \"" + name + "\" " + error);
    _images.emplace(name, image);
    return image;
}

cairo_surface_t* ImageCache::Load(MovieContext& context, const std::string& name, std::string& error)
{
    if (IsPng(name))
    {
        cairo_surface_t* surface = cairo_image_surface_create_from_png(ResolvePath(name).c_str());
        if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS)
            return surface;
        error = cairo_status_to_string(cairo_surface_status(surface));
        cairo_surface_destroy(surface);
        return nullptr;
    }
    Image image;
    error = "cannot be loaded";
    if (!context.host || !context.host->LoadImage(name, image, error))
        return nullptr;
    cairo_surface_t* surface = FromImage(image);
    if (!surface)
        error = "has no pixels";
    return surface;
}

} // namespace movie
