#pragma once

#include "platform/gfx/DeviceLink.h"
#include "platform/gfx/GfxTypes.h"
#include "platform/gfx/TexelCoverage.h"

#include <memory>
#include <vector>

namespace gfx {

class Device;

struct TextureDesc
{
    Format format = Format::A8R8G8B8;
    unsigned width = 1;
    unsigned height = 1;
    unsigned levels = 1;       // 0 asks for the full chain down to 1x1
    bool renderTarget = false; // colour or depth-stencil target, by the format
    bool autoMips = false;     // levels below 0 follow level 0 after every upload
};

// A 2D texture, render target or depth-stencil surface. Row 0 of level 0 is the top of the
// image, both for uploaded pixels and for what is rendered into it.
class Texture
{
public:
    // Null (and a logged error) for an unknown format, a zero or too large size, or a
    // render target in a format that cannot be rendered to.
    static std::unique_ptr<Texture> Create(Device& device, const TextureDesc& desc);
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    // Replaces a whole level with tightly packed rows (blocks for compressed formats).
    // False when `bytes` is not exactly the level's size.
    bool Upload(unsigned level, const void* data, unsigned bytes);
    // Replaces a rectangle of a level of an uncompressed colour format with rows `pitch` bytes
    // apart. False when the rectangle leaves the level or the rows overlap.
    bool UploadRect(unsigned level, const Rect& rect, const void* data, unsigned pitch);
    // CPU copy of a whole level for writing; Unlock uploads it. Null for depth formats.
    void* Lock(unsigned level, unsigned& pitch);
    void Unlock(unsigned level);

    const TextureDesc& GetDesc() const { return _desc; }
    Format GetFormat() const { return _desc.format; }
    unsigned GetWidth(unsigned level = 0) const;
    unsigned GetHeight(unsigned level = 0) const;
    unsigned GetLevels() const { return _levels; }
    unsigned GetName() const { return _name; }
    // Where level 0 is see-through, as far as the pixels uploaded tell.
    const TexelCoverage& GetCoverage() const { return _coverage; }
    // The device draws into the texture: what is uploaded no longer tells, from now on.
    void ForgetCoverage()
    {
        _drawnInto = true;
        _coverage.Forget();
    }

private:
    Texture(Device& device, const TextureDesc& desc, unsigned levels, unsigned name);

    DeviceLink _link;
    TextureDesc _desc;
    unsigned _levels;
    unsigned _name;
    int _lockedLevel = -1;
    std::vector<unsigned char> _staging;
    TexelCoverage _coverage;
    bool _drawnInto = false;
};

} // namespace gfx
