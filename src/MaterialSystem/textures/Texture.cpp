#include "MaterialSystem/textures/Texture.h"

#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/base/Dumper.h"
#include "foundation/math/Vec3.h"
#include "platform/gfx/Texture.h"

#include <algorithm>
#include <cstring>

namespace {

// Engine format code -> device format; P8 has no device equivalent.
constexpr gfx::Format kFormats[] = {
    gfx::Format::Unknown,       gfx::Format::A8,           gfx::Format::Unknown,  gfx::Format::L8,
    gfx::Format::R5G6B5,        gfx::Format::A4R4G4B4,     gfx::Format::A1R5G5B5, gfx::Format::R8G8B8,
    gfx::Format::A8R8G8B8,      gfx::Format::A2R10G10B10,  gfx::Format::G16R16,   gfx::Format::A8B8G8R8,
    gfx::Format::X8B8G8R8,      gfx::Format::A16B16G16R16, gfx::Format::R16F,     gfx::Format::G16R16F,
    gfx::Format::A16B16G16R16F, gfx::Format::R32F,         gfx::Format::G32R32F,  gfx::Format::A32B32G32R32F,
    gfx::Format::DXT1,          gfx::Format::DXT2,         gfx::Format::DXT3,     gfx::Format::DXT4,
    gfx::Format::DXT5,
};
constexpr unsigned kFormatCount = sizeof(kFormats) / sizeof(kFormats[0]);

constexpr unsigned kFormatSizes[kFormatCount] = {1, 1, 1, 1, 2, 2, 2,  3, 4, 4, 4, 4, 4,
                                                 8, 2, 4, 8, 4, 8, 16, 4, 8, 8, 8, 8};

uint32_t ReadPixel(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void WritePixel(unsigned char* p, uint32_t argb)
{
    p[0] = static_cast<unsigned char>(argb);
    p[1] = static_cast<unsigned char>(argb >> 8);
    p[2] = static_cast<unsigned char>(argb >> 16);
    p[3] = static_cast<unsigned char>(argb >> 24);
}

} // namespace

Texture::Texture(TextureMgr* manager, const ResourceInfo& info, const TextureDesc& desc)
    : IResource(info), _manager(manager), _desc(desc)
{
    _texture = _manager->CreateDeviceTexture(_desc);
    AcquireHandle();
}

Texture::Texture(TextureMgr* manager, const ResourceInfo& info, std::unique_ptr<gfx::Texture> texture)
    : IResource(info), _manager(manager),
      _texture(std::move(texture)), _desc{TEXKIND_IMAGE, TEXFMT_UNKNOWN, 0, 0, 0, 0, 0}
{
    AcquireHandle();
}

Texture::Texture(TextureMgr* manager, const ResourceInfo& info, Texture* source)
    : IResource(info), _manager(manager), _source(source), _desc(source->_desc), _width(source->_width),
      _height(source->_height), _levels(source->_levels), _normalMap(source->_normalMap)
{}

Texture::~Texture() = default;

gfx::Format Texture::ToD3DFormat(uint32_t format)
{
    return format < kFormatCount ? kFormats[format] : gfx::Format::Unknown;
}

uint32_t Texture::FromD3DFormat(gfx::Format format)
{
    if (format == gfx::Format::Unknown)
        return TEXFMT_UNKNOWN;
    for (unsigned code = 0; code < kFormatCount; ++code)
    {
        if (kFormats[code] == format)
            return code;
    }
    return TEXFMT_UNKNOWN;
}

unsigned Texture::QueryFormatSize(uint32_t format) { return format < kFormatCount ? kFormatSizes[format] : 1; }

gfx::Texture* Texture::GetTexHandle() const { return _source ? _source->GetTexHandle() : _texture.get(); }

unsigned Texture::GetWidth(unsigned level) const { return level < 32 ? std::max(_width >> level, 1u) : 1u; }

unsigned Texture::GetHeight(unsigned level) const { return level < 32 ? std::max(_height >> level, 1u) : 1u; }

void Texture::AcquireHandle()
{
    if (_texture)
    {
        _width = _texture->GetWidth();
        _height = _texture->GetHeight();
        _levels = _texture->GetLevels();
    }
    else
    {
        _width = _height = _levels = 0;
    }
}

bool Texture::InDefaultPool() const
{
    return _desc.kind == TEXKIND_PROCEDURAL || _desc.kind == TEXKIND_RENDERTARGET || _desc.kind == TEXKIND_DEPTHSTENCIL;
}

bool Texture::FillPixelData(unsigned level, const void* src, unsigned bytes)
{
    gfx::Texture* texture = GetTexHandle();
    if (!texture || !src || level >= _levels)
        return false;
    const unsigned levelBytes = gfx::LevelBytes(texture->GetFormat(), GetWidth(level), GetHeight(level));
    if (bytes > levelBytes)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Texture \"%s\": %u bytes do not fit level %u (%u bytes)\n", _info.name,
                                 bytes, level, levelBytes);
        return false;
    }
    if (bytes == levelBytes)
        return texture->Upload(level, src, bytes);
    unsigned pitch = 0;
    void* pixels = texture->Lock(level, pitch);
    if (!pixels)
        return false;
    std::memcpy(pixels, src, bytes);
    texture->Unlock(level);
    return true;
}

bool Texture::UpdateRect(unsigned level, int left, int top, int width, int height, const void* src, unsigned pitch)
{
    gfx::Texture* texture = GetTexHandle();
    return texture && texture->UploadRect(level, gfx::Rect{left, top, width, height}, src, pitch);
}

void* Texture::LockPixels(unsigned level, int& pitch)
{
    gfx::Texture* texture = GetTexHandle();
    if (!texture)
        return nullptr;
    unsigned rowPitch = 0;
    void* pixels = texture->Lock(level, rowPitch);
    pitch = static_cast<int>(rowPitch);
    return pixels;
}

void Texture::UnlockPixels(unsigned level)
{
    if (gfx::Texture* texture = GetTexHandle())
        texture->Unlock(level);
}

void Texture::GenerateNormalmap()
{
    if (_desc.format != TEXFMT_A8R8G8B8)
        return;
    int pitch = 0;
    auto* pixels = static_cast<unsigned char*>(LockPixels(0, pitch));
    if (!pixels)
        return;
    const unsigned width = GetWidth(0), height = GetHeight(0);
    auto at = [&](unsigned x, unsigned y) { return pixels + size_t(y) * unsigned(pitch) + size_t(x) * 4; };
    auto heightAt = [&](unsigned x, unsigned y) { return float((ReadPixel(at(x, y)) >> 16) & 0xFF) / 255.0f; };
    // Rows run top-down, and each pixel reads only its right and lower neighbours, which are
    // still heights when it is overwritten.
    for (unsigned y = 0; y + 1 < height; ++y)
    {
        for (unsigned x = 0; x + 1 < width; ++x)
        {
            const float h00 = heightAt(x, y), h10 = heightAt(x + 1, y), h01 = heightAt(x, y + 1);
            const Vec3 p0(float(x), float(y), h00);
            const Vec3 p1(float(x + 1), float(y), h10);
            const Vec3 p2(float(x), float(y + 1), h01);
            Vec3 n;
            (p1 - p0).Cross(p2 - p0, n);
            n.Normalize();
            const uint32_t r = uint32_t(int(n.x * 127.0f + 128.0f)) & 0xFF;
            const uint32_t g = uint32_t(int(n.y * 127.0f + 128.0f)) & 0xFF;
            const uint32_t b = uint32_t(int(n.z * 127.0f + 128.0f)) & 0xFF;
            const uint32_t a = uint32_t(int(h00 * 255.0f)) & 0xFF;
            WritePixel(at(x, y), a << 24 | r << 16 | g << 8 | b);
        }
    }
    UnlockPixels(0);
    _normalMap = true;
}

void Texture::OnDeviceReset(gfx::Device*)
{
    if (!_source && InDefaultPool())
        _texture.reset();
}

void Texture::OnDeviceRestore(gfx::Device*)
{
    if (_source || !InDefaultPool())
        return;
    _texture = _manager->CreateDeviceTexture(_desc);
    AcquireHandle();
}

unsigned Texture::GetWastedMemory()
{
    if (_source)
        return 0;
    unsigned long long total = 0;
    for (unsigned level = 0; level < _levels; ++level)
    {
        total += 1ull * GetWidth(level) * GetHeight(level) * QueryFormatSize(_desc.format);
    }
    return static_cast<unsigned>(total >> 20);
}
