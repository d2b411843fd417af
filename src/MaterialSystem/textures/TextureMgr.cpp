#include "MaterialSystem/textures/TextureMgr.h"

#include "MaterialSystem/DriverInfo.h"
#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/textures/DxtDecoder.h"
#include "ResourceSystem/LowerCase.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "foundation/config/VideoSettings.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Texture.h"

#include <algorithm>
#include <cstdio>
#include <strings.h>
#include <vector>

namespace {

// Beside the loader's locations 0-2: made in code.
constexpr int32_t kLocationCode = 3;

// A resource handed out by the resource system, when it is a texture.
Texture* AsTexture(IResource* resource)
{
    return resource && resource != INVALID_RES_HANDLE ? dynamic_cast<Texture*>(resource) : nullptr;
}

bool IsDxt(uint32_t format) { return format >= TEXFMT_DXT1 && format <= TEXFMT_DXT5; }

TextureDesc ImageDesc(unsigned width, unsigned height, unsigned levels)
{
    TextureDesc desc;
    desc.kind = TEXKIND_IMAGE;
    desc.format = TEXFMT_A8R8G8B8;
    desc.width = width;
    desc.height = height;
    desc.mipLevels = levels;
    return desc;
}

} // namespace

TextureMgr::TextureMgr(MaterialSystem* system, gfx::Device* device) : _system(system), _device(device)
{
    if (_system)
    {
        const VideoSettings* settings = _system->GetSettings();
        const DriverInfo& driver = _system->GetDriverInfo();
        if (settings)
            _limits.textureLod = std::max(settings->TextureLod, 0);
        _limits.maxWidth = driver.GetMaxTextureWidth();
        _limits.maxHeight = driver.GetMaxTextureHeight();
        _limits.dynamicTextures = driver.SupportsDynamicTextures();
        _limits.autoMips = settings && settings->UseAutoMips && driver.SupportsAutoMips();
    }
    if (gfx::Device* current = GetDevice())
    {
        if (_limits.maxWidth == 0)
            _limits.maxWidth = current->GetMaxTextureSize();
        if (_limits.maxHeight == 0)
            _limits.maxHeight = current->GetMaxTextureSize();
    }
    ResourceSystem* resources = _system ? _system->GetResourceSystem() : nullptr;
    if (resources)
    {
        resources->RegisterResMgr("dds", this);
    }
    else
    {
        InitDefaultResources();
    }
}

TextureMgr::~TextureMgr() { RemoveAllResources(true); }

gfx::Device* TextureMgr::GetDevice() const
{
    if (_system && _system->GetDevice())
        return _system->GetDevice();
    return _device;
}

Texture* TextureMgr::CreateTextureFromFile(const char* path)
{
    if (!path || !*path)
        return _proxy;
    if (ResourceSystem* resources = GetMaster())
    {
        IResource* resource = resources->LoadResource(path, this, 0, 1);
        if (auto* texture = AsTexture(resource))
            return texture;
        return _proxy;
    }
    IResource* resource = GetResource(path);
    if (auto* texture = AsTexture(resource))
        return texture;
    Dumper::Instance().Print(DUMP_ERROR, "Texture \"%s\" cannot be loaded: no resource system\n", path);
    return _proxy;
}

Texture* TextureMgr::CreateTexture(const char* name, const TextureDesc& desc)
{
    std::string resourceName;
    if (!name || !*name)
    {
        char unnamed[40];
        std::snprintf(unnamed, sizeof(unnamed), "UnnamedTexture%.2u", _unnamedCounter++);
        resourceName = unnamed;
    }
    else
    {
        resourceName = name;
    }
    resourceName = ToLowerCase(resourceName);
    if (auto* existing = AsTexture(GetResource(resourceName.c_str())))
    {
        Dumper::Instance().Print(DUMP_WARNING, "Texture \"%s\" already exists\n", resourceName.c_str());
        return existing;
    }
    ResourceInfo info;
    info.location = kLocationCode;
    info.SetName(resourceName.c_str());
    const unsigned long long bytes =
        1ull * desc.width * desc.height * Texture::QueryFormatSize(desc.format) + sizeof(Texture);
    info.size = static_cast<uint32_t>(std::min<unsigned long long>(bytes, UINT32_MAX));
    auto* texture = new Texture(this, info, desc);
    AddResource(texture);
    return texture;
}

Texture* TextureMgr::CreateChecker(const char* name, unsigned width, unsigned height, uint32_t colorA, uint32_t colorB,
                                   eTileStride stride)
{
    width = std::max(std::min(width, _limits.maxWidth ? _limits.maxWidth : width) >> _limits.textureLod, 1u);
    height = std::max(std::min(height, _limits.maxHeight ? _limits.maxHeight : height) >> _limits.textureLod, 1u);
    Texture* texture = CreateTexture(name, ImageDesc(width, height, 0));
    const unsigned tiles = std::max(unsigned(stride), 1u);
    std::vector<uint32_t> pixels;
    for (unsigned level = 0; level < texture->GetMipLevels(); ++level)
    {
        const unsigned w = texture->GetWidth(level), h = texture->GetHeight(level);
        const unsigned t = w / tiles;
        pixels.resize(size_t(w) * h);
        for (unsigned j = 0; j < h; ++j)
        {
            for (unsigned k = 0; k < w; ++k)
                pixels[size_t(j) * w + k] = (k & t) == (j & t) ? colorB : colorA;
        }
        texture->FillPixelData(level, pixels.data(), unsigned(pixels.size() * 4));
    }
    return texture;
}

Texture* TextureMgr::CreateSolidTexture(const char* name, unsigned width, unsigned height, uint32_t color)
{
    Texture* texture = CreateTexture(name, ImageDesc(width, height, 1));
    if (texture->GetMipLevels() > 0)
    {
        std::vector<uint32_t> pixels(size_t(texture->GetWidth()) * texture->GetHeight(), color);
        texture->FillPixelData(0, pixels.data(), unsigned(pixels.size() * 4));
    }
    return texture;
}

void TextureMgr::DestroyTexture(Texture* texture)
{
    if (!texture || GetResource(texture->GetInfo().name) != texture)
        return;
    if (texture == _proxy)
        _proxy = nullptr;
    if (texture == _materialProxy)
        _materialProxy = nullptr;
    if (texture == _black)
        _black = nullptr;
    if (texture == _white)
        _white = nullptr;
    if (texture == _frameBuffer)
        _frameBuffer = nullptr;
    RemoveResource(texture);
}

void TextureMgr::Cleanup()
{
    _unnamedCounter = 0;
    RemoveAllResources(false);
}

std::unique_ptr<gfx::Texture> TextureMgr::CreateDeviceTexture(const TextureDesc& desc)
{
    gfx::Device* device = GetDevice();
    if (!device)
        return nullptr;
    gfx::TextureDesc target;
    target.width = desc.width;
    target.height = desc.height;
    if (desc.screenRelative)
    {
        const VideoSettings* settings = _system ? _system->GetSettings() : nullptr;
        const int screenWidth = settings ? settings->ScrWidth : int(device->GetParams().width);
        const int screenHeight = settings ? settings->ScrHeight : int(device->GetParams().height);
        target.width = unsigned(std::max(0.0, screenWidth * (desc.width * 0.01)));
        target.height = unsigned(std::max(0.0, screenHeight * (desc.height * 0.01)));
    }
    target.levels = desc.mipLevels;
    target.format = Texture::ToD3DFormat(desc.format);
    switch (desc.kind)
    {
    case TEXKIND_IMAGE: target.autoMips = desc.autoMipmap != 0; break;
    case TEXKIND_PROCEDURAL: break;
    case TEXKIND_RENDERTARGET: target.renderTarget = true; break;
    case TEXKIND_DEPTHSTENCIL:
        // The engine's format codes name no depth format: every depth-stencil texture is 24+8.
        target.format = gfx::Format::D24S8;
        target.renderTarget = true;
        break;
    default: Dumper::Instance().Print(DUMP_ERROR, "Texture kind %u is unknown\n", desc.kind); return nullptr;
    }
    if (target.format == gfx::Format::Unknown)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Texture format %u has no device format\n", desc.format);
        return nullptr;
    }
    return gfx::Texture::Create(*device, target);
}

void* TextureMgr::OnQueryHeader(unsigned long& headerSize, const char* extension)
{
    if (extension && strcasecmp(extension, "dds") == 0)
    {
        headerSize = kDdsHeaderSize;
        return _header;
    }
    headerSize = 0;
    return nullptr;
}

IResource* TextureMgr::OnCreateProxyResource(const ResourceInfo& info)
{
    if (!_proxy)
        return INVALID_RES_HANDLE;
    // A failed name is answered by the proxy's device texture under that name, so that the
    // name is not loaded (and reported) again; the proxy itself stays owned once.
    if (!info.name[0] || GetResource(info.name) != INVALID_RES_HANDLE)
        return _proxy;
    auto* alias = new Texture(this, info, _proxy);
    AddResource(alias);
    return alias;
}

IResource* TextureMgr::OnCreateResource(const ResourceInfo& info, unsigned long dataSize)
{
    DdsLayout layout;
    std::string error;
    if (!ReadDdsLayout(_header, dataSize, _limits.textureLod, MaxImageSide(), layout, error))
    {
        Dumper::Instance().Print(DUMP_ERROR, "Texture \"%s\": %s\n", info.name, error.c_str());
        return INVALID_RES_HANDLE;
    }
    std::vector<uint8_t> data(layout.keptBytes);
    if (ReadNextChunk(layout.skipBytes, data.data(), data.size()) != data.size())
    {
        Dumper::Instance().Print(DUMP_ERROR, "Texture \"%s\": the file ends early\n", info.name);
        return INVALID_RES_HANDLE;
    }
    gfx::Device* device = GetDevice();
    // A software rasterizer decodes compressed texels at every fetch: decoded once here, they
    // give the same colours at the cost of plain ones.
    const bool decode =
        IsDxt(layout.format) && device && (!device->SupportsCompressedTextures() || device->IsSoftware());
    TextureDesc desc;
    desc.kind = TEXKIND_IMAGE;
    desc.format = decode ? TEXFMT_A8R8G8B8 : layout.format;
    desc.width = layout.width;
    desc.height = layout.height;
    desc.mipLevels = layout.levels;
    auto* texture = new Texture(this, info, desc);
    if (texture->GetMipLevels() != layout.levels || !FillImage(texture, layout, data.data(), decode))
    {
        Dumper::Instance().Print(DUMP_ERROR, "Texture \"%s\": the device refused a %ux%u texture of %u levels\n",
                                 info.name, layout.width, layout.height, layout.levels);
        delete texture;
        return INVALID_RES_HANDLE;
    }
    AddResource(texture);
    return texture;
}

unsigned TextureMgr::MaxImageSide() const
{
    if (_limits.maxWidth == 0 || _limits.maxHeight == 0)
        return std::max(_limits.maxWidth, _limits.maxHeight);
    return std::min(_limits.maxWidth, _limits.maxHeight);
}

bool TextureMgr::FillImage(Texture* texture, const DdsLayout& layout, const uint8_t* data, bool decode)
{
    std::vector<uint8_t> pixels;
    for (unsigned level = 0; level < layout.levels; ++level)
    {
        const unsigned w = texture->GetWidth(level), h = texture->GetHeight(level);
        const auto bytes = static_cast<unsigned>(layout.levelBytes[level]);
        bool filled = false;
        if (decode)
        {
            filled = DecodeDxt(layout.format, w, h, data, bytes, pixels) &&
                     texture->FillPixelData(level, pixels.data(), unsigned(pixels.size()));
        }
        else
        {
            filled = texture->FillPixelData(level, data, bytes);
        }
        if (!filled)
            return false;
        data += bytes;
    }
    return true;
}

void TextureMgr::InitDefaultResources()
{
    _proxy = CreateChecker("$proxy", 128, 128, 0x80000000u, 0x80FFFFFFu, TILE_STRIDE_8);
    _materialProxy = CreateChecker("$proxy_mat", 128, 128, 0x80000000u, 0x80FF0000u, TILE_STRIDE_8);
    CreateSolidTexture("$pureblack", 2, 2, 0x00000000u);
    _black = CreateSolidTexture("$black", 2, 2, 0xFF000000u);
    _white = CreateSolidTexture("$white", 2, 2, 0xFFFFFFFFu);
    CreateSolidTexture("$grey", 2, 2, 0xFF7F7F7Fu);
    CreateSolidTexture("$red", 2, 2, 0xFFFF0000u);
    CreateSolidTexture("$green", 2, 2, 0xFF00FF00u);
    CreateSolidTexture("$blue", 2, 2, 0xFF0000FFu);
    CreateSolidTexture("$normal", 2, 2, 0xFF8080FFu);
    TextureDesc frameBuffer;
    frameBuffer.kind = TEXKIND_RENDERTARGET;
    frameBuffer.format = TEXFMT_A8R8G8B8;
    frameBuffer.width = 100;
    frameBuffer.height = 100;
    frameBuffer.mipLevels = 1;
    frameBuffer.screenRelative = 1;
    _frameBuffer = CreateTexture("$framebuffer", frameBuffer);
}
