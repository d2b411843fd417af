#pragma once

#include "MaterialSystem/textures/DdsLayout.h"
#include "MaterialSystem/textures/Texture.h"
#include "ResourceSystem/IResourceMgr.h"

#include <cstdint>
#include <memory>

class MaterialSystem;
namespace gfx {
class Device;
}

// Tiles across a checker's width.
enum eTileStride : unsigned
{
    TILE_STRIDE_2 = 2,
    TILE_STRIDE_4 = 4,
    TILE_STRIDE_8 = 8,
    TILE_STRIDE_16 = 16,
    TILE_STRIDE_32 = 32,
};

// Limits applied to loaded and generated images, taken once from the settings and driver.
struct TexLoadLimits
{
    int textureLod = 0; // top levels dropped from loaded images and checkers
    unsigned maxWidth = 0;
    unsigned maxHeight = 0;
    bool dynamicTextures = false; // the driver's, kept for callers choosing texture kinds
    bool autoMips = false;        // the driver's, and only with the UseAutoMips setting on
};

// The manager of every texture: ".dds" images through the resource system, textures made in
// code, render targets, and the built-in "$" textures. A file that fails to load is logged and
// answered with "$proxy" under its name.
class TextureMgr : public IResourceMgr
{
public:
    TextureMgr(MaterialSystem* system, gfx::Device* device);
    ~TextureMgr() override;

    Texture* CreateTextureFromFile(const char* path);
    // An empty or null name becomes "UnnamedTexture" and a two-digit counter. A name already
    // in use answers the texture holding it (with a warning).
    Texture* CreateTexture(const char* name, const TextureDesc& desc);
    Texture* CreateChecker(const char* name, unsigned width, unsigned height, uint32_t colorA, uint32_t colorB,
                           eTileStride stride);
    Texture* CreateSolidTexture(const char* name, unsigned width, unsigned height, uint32_t color);
    void DestroyTexture(Texture* texture);
    // Deletes every texture but the built-in ones and restarts the unnamed counter.
    void Cleanup();

    Texture* GetProxyTexture() const { return _proxy; }
    Texture* GetMaterialProxyTexture() const { return _materialProxy; }
    Texture* GetBlackTexture() const { return _black; }
    Texture* GetWhiteTexture() const { return _white; }
    Texture* GetFrameBufferTexture() const { return _frameBuffer; }
    const TexLoadLimits& GetLimits() const { return _limits; }
    MaterialSystem* GetMaterialSystem() const { return _system; }

    // The device texture for a description (screen-relative sizes from the current video
    // settings); null, logged, when the device refuses it.
    std::unique_ptr<gfx::Texture> CreateDeviceTexture(const TextureDesc& desc);

    void* OnQueryHeader(unsigned long& headerSize, const char* extension) override;
    IResource* OnCreateProxyResource(const ResourceInfo& info) override;
    IResource* OnCreateResource(const ResourceInfo& info, unsigned long dataSize) override;
    void InitDefaultResources() override;

private:
    gfx::Device* GetDevice() const;
    // The largest image side the device takes (0 when unknown).
    unsigned MaxImageSide() const;
    bool FillImage(Texture* texture, const DdsLayout& layout, const uint8_t* data, bool decode);

    MaterialSystem* _system;
    gfx::Device* _device;
    TexLoadLimits _limits;
    unsigned _unnamedCounter = 0;
    unsigned char _header[kDdsHeaderSize] = {};
    Texture* _proxy = nullptr;
    Texture* _materialProxy = nullptr;
    Texture* _black = nullptr;
    Texture* _white = nullptr;
    Texture* _frameBuffer = nullptr;
};
