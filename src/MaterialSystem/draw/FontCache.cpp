#include "MaterialSystem/draw/FontCache.h"

#include "platform/font/FontLibrary.h"
#include "platform/gfx/Texture.h"

FontCache::Entry::Entry() = default;
FontCache::Entry::~Entry() = default;

FontCache::FontCache(gfx::Device& device) : _device(device), _library(FontLibrary::Create()) {}

FontCache::~FontCache() = default;

FontCache::Entry* FontCache::Acquire(const char* face, unsigned height, unsigned width, unsigned weight, bool italic)
{
    std::string name(face ? face : "");
    if (name.size() > MaxFaceName)
        name.resize(MaxFaceName);
    for (const auto& entry : _entries)
    {
        const FontDesc& d = entry->desc;
        if (d.face == name && d.height == height && d.width == width && d.weight == weight && d.italic == italic)
        {
            return entry.get();
        }
    }
    auto entry = std::make_unique<Entry>();
    entry->desc.face = name;
    entry->desc.height = height;
    entry->desc.width = width;
    entry->desc.weight = weight;
    entry->desc.italic = italic;
    if (_library)
        entry->font = Font::Create(*_library, entry->desc);
    _entries.push_back(std::move(entry));
    return _entries.back().get();
}

gfx::Texture* FontCache::UpdateAtlas(Entry& entry)
{
    if (!entry.font)
        return nullptr;
    const GlyphAtlas& atlas = entry.font->GetAtlas();
    if (entry.atlas && entry.uploadedVersion == atlas.GetVersion())
        return entry.atlas.get();
    if (!entry.atlas || entry.atlas->GetHeight() != atlas.GetHeight())
    {
        gfx::TextureDesc desc;
        desc.format = gfx::Format::A8;
        desc.width = atlas.GetWidth();
        desc.height = atlas.GetHeight();
        entry.atlas = gfx::Texture::Create(_device, desc);
        if (!entry.atlas)
            return nullptr;
    }
    entry.atlas->Upload(0, atlas.GetPixels(), atlas.GetWidth() * atlas.GetHeight());
    entry.uploadedVersion = atlas.GetVersion();
    return entry.atlas.get();
}
