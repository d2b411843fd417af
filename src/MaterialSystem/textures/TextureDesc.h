#pragma once

#include <cstdint>

// What kind of device texture a `Texture` holds; decides how it is created and whether it
// survives a device reset (only images do).
enum eTextureKind : uint32_t
{
    TEXKIND_IMAGE = 0,
    TEXKIND_PROCEDURAL = 1,
    TEXKIND_RENDERTARGET = 2,
    TEXKIND_DEPTHSTENCIL = 3,
};

// The engine's own texture format codes, mapped one to one onto device formats.
enum eTextureFormat : uint32_t
{
    TEXFMT_UNKNOWN = 0,
    TEXFMT_A8 = 1,
    TEXFMT_P8 = 2,
    TEXFMT_L8 = 3,
    TEXFMT_R5G6B5 = 4,
    TEXFMT_A4R4G4B4 = 5,
    TEXFMT_A1R5G5B5 = 6,
    TEXFMT_R8G8B8 = 7,
    TEXFMT_A8R8G8B8 = 8,
    TEXFMT_A2R10G10B10 = 9,
    TEXFMT_G16R16 = 10,
    TEXFMT_A8B8G8R8 = 11,
    TEXFMT_X8B8G8R8 = 12,
    TEXFMT_A16B16G16R16 = 13,
    TEXFMT_R16F = 14,
    TEXFMT_G16R16F = 15,
    TEXFMT_A16B16G16R16F = 16,
    TEXFMT_R32F = 17,
    TEXFMT_G32R32F = 18,
    TEXFMT_A32B32G32R32F = 19,
    TEXFMT_DXT1 = 20,
    TEXFMT_DXT2 = 21,
    TEXFMT_DXT3 = 22,
    TEXFMT_DXT4 = 23,
    TEXFMT_DXT5 = 24,
};

// How a texture is made, kept by value so that default-pool textures can be made again after
// a device reset. With `screenRelative` set, width and height are percent of the screen.
struct TextureDesc
{
    uint32_t kind = TEXKIND_IMAGE;
    uint32_t format = TEXFMT_A8R8G8B8;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t mipLevels = 1; // 0 asks for the full chain
    uint8_t autoMipmap = 0; // images only
    uint8_t screenRelative = 0;
};
