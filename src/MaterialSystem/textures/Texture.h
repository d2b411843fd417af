#pragma once

#include "MaterialSystem/IDeviceResource.h"
#include "MaterialSystem/textures/TextureDesc.h"
#include "ResourceSystem/IResource.h"
#include "platform/gfx/GfxTypes.h"

#include <memory>

namespace gfx {
class Texture;
}
class TextureMgr;

// One texture resource: a loaded image, a texture made in code, a render target or a
// depth-stencil texture. Default-pool kinds (procedural, render target, depth-stencil) drop
// their device texture on a device reset and are made again, empty, from their description.
class Texture : public IResource, public IDeviceResource
{
public:
    // Makes the device texture through the manager; on failure the texture has no handle,
    // no size and no levels (the manager has logged why).
    Texture(TextureMgr* manager, const ResourceInfo& info, const TextureDesc& desc);
    // Wraps an existing device texture (a zeroed description of kind image).
    Texture(TextureMgr* manager, const ResourceInfo& info, std::unique_ptr<gfx::Texture> texture);
    // Another name for `source` (a failed load handed the proxy): shares its device texture,
    // which `source` keeps owning and must outlive this one.
    Texture(TextureMgr* manager, const ResourceInfo& info, Texture* source);
    ~Texture() override;
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    static gfx::Format ToD3DFormat(uint32_t format);
    static uint32_t FromD3DFormat(gfx::Format format);
    // Bytes per pixel for memory estimates (4 and 8 for the compressed formats).
    static unsigned QueryFormatSize(uint32_t format);

    // Replaces the start of a level with `bytes` bytes; refused (false, logged) when they do
    // not fit the level.
    bool FillPixelData(unsigned level, const void* src, unsigned bytes);
    // Replaces a rectangle (left, top, width, height in pixels) of an uncompressed level with
    // rows `pitch` bytes apart; false when it does not fit the level.
    bool UpdateRect(unsigned level, int left, int top, int width, int height, const void* src, unsigned pitch);
    // The whole level for writing, rows `pitch` bytes apart; null when it cannot be locked.
    void* LockPixels(unsigned level, int& pitch);
    void UnlockPixels(unsigned level);
    // Turns the red channel of level 0 (an A8R8G8B8 height map) into a normal map.
    void GenerateNormalmap();

    // Sizes of a level, at least one pixel.
    unsigned GetWidth(unsigned level = 0) const;
    unsigned GetHeight(unsigned level = 0) const;
    unsigned GetMipLevels() const { return _levels; }
    uint32_t GetType() const { return _desc.kind; }
    uint32_t GetFormat() const { return _desc.format; }
    const TextureDesc& GetDesc() const { return _desc; }
    gfx::Texture* GetTexHandle() const;
    bool IsNormalMap() const { return _normalMap; }

    void OnDeviceReset(gfx::Device* device) override;
    void OnDeviceRestore(gfx::Device* device) override;
    unsigned GetWastedMemory() override;

private:
    // Takes the size and level count of the device texture.
    void AcquireHandle();
    bool InDefaultPool() const;

    TextureMgr* _manager;
    std::unique_ptr<gfx::Texture> _texture;
    Texture* _source = nullptr;
    TextureDesc _desc;
    unsigned _width = 0;
    unsigned _height = 0;
    unsigned _levels = 0;
    bool _normalMap = false;
};
