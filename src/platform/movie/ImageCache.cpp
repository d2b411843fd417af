#include "platform/movie/ImageCache.h"

#include "foundation/base/Path.h"
#include "platform/movie/MovieContext.h"
#include "platform/movie/MovieGroup.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <strings.h>
#include <utility>

namespace movie {

namespace {

bool IsPng(const std::string& name)
{
    return name.size() >= 4 && strcasecmp(name.c_str() + name.size() - 4, ".png") == 0;
}

// What is wrong with a ".png" file, told from its signature and header before the image library
// decodes it (which reports most files it cannot take as "out of memory"); empty when it may be
// decoded.
std::string CheckPngHeader(const std::string& path)
{
    // The signature, then the first chunk: length, "IHDR", width and height (big-endian).
    static constexpr uint8_t Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    uint8_t header[24] = {};
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return "cannot be opened";
    const size_t read = std::fread(header, 1, sizeof header, file);
    std::fclose(file);
    if (read < sizeof Signature || std::memcmp(header, Signature, sizeof Signature) != 0)
        return "not a PNG file";
    if (read < sizeof header || std::memcmp(header + 12, "IHDR", 4) != 0)
        return "damaged PNG file (no image header)";
    auto word = [&header](int at) {
        return uint32_t(header[at]) << 24 | uint32_t(header[at + 1]) << 16 | uint32_t(header[at + 2]) << 8 |
               uint32_t(header[at + 3]);
    };
    const uint32_t width = word(16), height = word(20);
    if (width == 0 || height == 0)
        return "damaged PNG file (no pixels)";
    if (width > uint32_t(MaxImageSide) || height > uint32_t(MaxImageSide))
        return "image too large: " + std::to_string(width) + "x" + std::to_string(height) + " pixels, at most " +
               std::to_string(MaxImageSide) + " a side";
    return {};
}

// The image library's failure for a file whose header was sound.
std::string PngFailure(cairo_status_t status)
{
    switch (status)
    {
    case CAIRO_STATUS_FILE_NOT_FOUND: return "cannot be opened";
    case CAIRO_STATUS_READ_ERROR: return "damaged PNG file (it ends early)";
    case CAIRO_STATUS_NO_MEMORY: return "out of memory while decoding";
    default: return std::string("damaged PNG file (") + cairo_status_to_string(status) + ")";
    }
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

ImageCache::ImageCache(std::shared_ptr<MovieGroup> group) : _group(std::move(group)) {}

ImageCache::~ImageCache()
{
    for (auto& entry : _images)
    {
        if (entry.second)
            cairo_surface_destroy(entry.second);
    }
    if (_group)
        _group->Release(_bytes);
}

cairo_surface_t* ImageCache::Get(MovieContext& context, const std::string& name)
{
    auto found = _images.find(name);
    if (found != _images.end())
        return found->second;
    if (_images.size() >= MaxImages)
    {
        context.Report("image \"" + name + "\": the movie has named " + std::to_string(MaxImages) +
                       " images, the most it may");
        return nullptr;
    }
    std::string error;
    cairo_surface_t* image = Load(context, name, error);
    if (image)
    {
        const size_t bytes = size_t(cairo_image_surface_get_stride(image)) * cairo_image_surface_get_height(image);
        if (bytes > MaxBytes - _bytes)
        {
            cairo_surface_destroy(image);
            image = nullptr;
            error = "the movie's images would take more than " + std::to_string(MaxBytes >> 20) + " MB";
        }
        else if (_group && !_group->Claim(bytes))
        {
            cairo_surface_destroy(image);
            image = nullptr;
            error =
                "the movies together would take more than " + std::to_string(_group->GetBounds().memory >> 20) + " MB";
        }
        else
        {
            _bytes += bytes;
        }
    }
    if (!image)
        context.Report("image \"" + name + "\": " + error);
    _images.emplace(name, image);
    return image;
}

cairo_surface_t* ImageCache::Load(MovieContext& context, const std::string& name, std::string& error)
{
    if (IsPng(name))
    {
        const std::string path = ResolvePath(name);
        error = CheckPngHeader(path);
        if (!error.empty())
            return nullptr;
        cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
        if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS)
            return surface;
        error = PngFailure(cairo_surface_status(surface));
        cairo_surface_destroy(surface);
        return nullptr;
    }
    Image image;
    error = "cannot be loaded";
    if (!context.host || !context.host->LoadImage(name, image, error))
        return nullptr;
    cairo_surface_t* surface = FromImage(image);
    if (!surface)
        error = "no pixels";
    return surface;
}

} // namespace movie
