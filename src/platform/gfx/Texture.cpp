#include "platform/gfx/Texture.h"

#include "foundation/base/Dumper.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/GlFormats.h"

#include <algorithm>

namespace gfx {

namespace {

unsigned FullChain(unsigned width, unsigned height)
{
    unsigned levels = 1;
    for (unsigned size = std::max(width, height); size > 1; size >>= 1)
        ++levels;
    return levels;
}

} // namespace

std::unique_ptr<Texture> Texture::Create(Device& device, const TextureDesc& desc)
{
    const GlFormat* gl = ToGl(desc.format);
    const unsigned maxSize = device.GetMaxTextureSize();
    if (!gl || desc.width == 0 || desc.height == 0 || desc.width > maxSize || desc.height > maxSize)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Texture %ux%u of format %s cannot be created\n", desc.width, desc.height,
                                 FormatName(desc.format));
        return nullptr;
    }
    if (desc.renderTarget && !gl->renderable)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Format %s cannot be rendered to\n", FormatName(desc.format));
        return nullptr;
    }
    if (IsCompressed(desc.format) && !device.SupportsCompressedTextures())
    {
        Dumper::Instance().Print(DUMP_ERROR, "Compressed format %s is not supported by the driver\n",
                                 FormatName(desc.format));
        return nullptr;
    }
    const unsigned chain = FullChain(desc.width, desc.height);
    const unsigned levels = desc.levels == 0 ? chain : std::min(desc.levels, chain);

    GLuint name = 0;
    glGenTextures(1, &name);
    device.BindTextureForUpdate(name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, levels - 1);
    glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, gl->swizzle);
    for (unsigned level = 0; level < levels; ++level)
    {
        const GLsizei w = std::max(desc.width >> level, 1u);
        const GLsizei h = std::max(desc.height >> level, 1u);
        if (IsCompressed(desc.format))
        {
            glCompressedTexImage2D(GL_TEXTURE_2D, level, gl->internalFormat, w, h, 0, LevelBytes(desc.format, w, h),
                                   nullptr);
        }
        else
        {
            glTexImage2D(GL_TEXTURE_2D, level, gl->internalFormat, w, h, 0, gl->format, gl->type, nullptr);
        }
    }
    if (glGetError() != GL_NO_ERROR)
    {
        glDeleteTextures(1, &name);
        Dumper::Instance().Print(DUMP_ERROR, "Texture %ux%u of format %s was refused by the driver\n", desc.width,
                                 desc.height, FormatName(desc.format));
        return nullptr;
    }
    return std::unique_ptr<Texture>(new Texture(device, desc, levels, name));
}

Texture::Texture(Device& device, const TextureDesc& desc, unsigned levels, unsigned name)
    : _link(device), _desc(desc), _levels(levels), _name(name)
{}

Texture::~Texture()
{
    if (!_link.HasContext())
        return;
    if (Device* device = _link.GetDevice())
        device->ForgetTexture(this);
    GLuint name = _name;
    glDeleteTextures(1, &name);
}

unsigned Texture::GetWidth(unsigned level) const { return std::max(_desc.width >> level, 1u); }
unsigned Texture::GetHeight(unsigned level) const { return std::max(_desc.height >> level, 1u); }

bool Texture::Upload(unsigned level, const void* data, unsigned bytes)
{
    if (level >= _levels || !data || IsDepthFormat(_desc.format))
        return false;
    const unsigned w = GetWidth(level), h = GetHeight(level);
    if (bytes != LevelBytes(_desc.format, w, h))
    {
        Dumper::Instance().Print(DUMP_ERROR, "Texture upload of %u bytes does not match level %u (%u bytes)\n", bytes,
                                 level, LevelBytes(_desc.format, w, h));
        return false;
    }
    if (!IsCompressed(_desc.format))
        return UploadRect(level, Rect{0, 0, int(w), int(h)}, data, w * FormatBytes(_desc.format));
    Device* device = _link.GetDevice();
    if (!device)
        return false;
    device->BindTextureForUpdate(_name);
    glCompressedTexSubImage2D(GL_TEXTURE_2D, level, 0, 0, w, h, ToGl(_desc.format)->internalFormat, bytes, data);
    if (_desc.autoMips && level == 0 && _levels > 1)
        glGenerateMipmap(GL_TEXTURE_2D);
    return true;
}

bool Texture::UploadRect(unsigned level, const Rect& rect, const void* data, unsigned pitch)
{
    if (level >= _levels || !data || IsDepthFormat(_desc.format) || IsCompressed(_desc.format))
        return false;
    const unsigned bytes = FormatBytes(_desc.format);
    if (rect.x < 0 || rect.y < 0 || rect.width <= 0 || rect.height <= 0 ||
        unsigned(rect.x + rect.width) > GetWidth(level) || unsigned(rect.y + rect.height) > GetHeight(level) ||
        pitch % bytes != 0 || pitch / bytes < unsigned(rect.width))
        return false;
    Device* device = _link.GetDevice();
    if (!device)
        return false;
    const GlFormat* gl = ToGl(_desc.format);
    device->BindTextureForUpdate(_name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, static_cast<GLint>(pitch / bytes));
    glTexSubImage2D(GL_TEXTURE_2D, level, rect.x, rect.y, rect.width, rect.height, gl->format, gl->type, data);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    if (level == 0 && _desc.format == Format::A8R8G8B8 && !_desc.renderTarget && !_drawnInto)
        _coverage.Update(GetWidth(), GetHeight(), rect.x, rect.y, rect.width, rect.height,
                         static_cast<const uint8_t*>(data), pitch);
    if (_desc.autoMips && level == 0 && _levels > 1)
        glGenerateMipmap(GL_TEXTURE_2D);
    return true;
}

void* Texture::Lock(unsigned level, unsigned& pitch)
{
    if (level >= _levels || _lockedLevel >= 0 || IsDepthFormat(_desc.format))
        return nullptr;
    const unsigned w = GetWidth(level), h = GetHeight(level);
    _staging.assign(LevelBytes(_desc.format, w, h), 0);
    // The level's current pixels, so that a partial write keeps the rest.
    Device* device = _link.GetDevice();
    if (!device)
        return nullptr;
    device->BindTextureForUpdate(_name);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    if (IsCompressed(_desc.format))
    {
        glGetCompressedTexImage(GL_TEXTURE_2D, level, _staging.data());
    }
    else
    {
        const GlFormat* gl = ToGl(_desc.format);
        glGetTexImage(GL_TEXTURE_2D, level, gl->format, gl->type, _staging.data());
    }
    pitch = IsCompressed(_desc.format) ? ((w + 3) / 4) * FormatBytes(_desc.format) : w * FormatBytes(_desc.format);
    _lockedLevel = static_cast<int>(level);
    return _staging.data();
}

void Texture::Unlock(unsigned level)
{
    if (_lockedLevel != static_cast<int>(level))
        return;
    _lockedLevel = -1;
    Upload(level, _staging.data(), static_cast<unsigned>(_staging.size()));
    _staging.clear();
    _staging.shrink_to_fit();
}

} // namespace gfx
