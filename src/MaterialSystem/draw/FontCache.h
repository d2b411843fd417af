#pragma once

#include "platform/font/Font.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class FontLibrary;
namespace gfx {
class Device;
class Texture;
} // namespace gfx

// The fonts of the immediate text, one per distinct description, kept until shut-down, each
// with its glyph atlas as a texture that follows the atlas as glyphs are added.
class FontCache
{
public:
    static constexpr size_t MaxFaceName = 63;

    struct Entry
    {
        Entry();
        ~Entry();
        FontDesc desc;
        std::unique_ptr<Font> font; // null when the face could not be made (asked once)
        std::unique_ptr<gfx::Texture> atlas;
        uint64_t uploadedVersion = 0;
    };

    explicit FontCache(gfx::Device& device);
    ~FontCache();

    // The first entry equal in face, height, width, weight and slant, made when missing.
    Entry* Acquire(const char* face, unsigned height, unsigned width, unsigned weight, bool italic);
    // The atlas texture of an entry, uploaded again when glyphs were added; null without font.
    gfx::Texture* UpdateAtlas(Entry& entry);
    unsigned GetCount() const { return static_cast<unsigned>(_entries.size()); }

private:
    gfx::Device& _device;
    std::unique_ptr<FontLibrary> _library;
    std::vector<std::unique_ptr<Entry>> _entries;
};
