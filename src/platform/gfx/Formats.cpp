#include "platform/gfx/GlFormats.h"

#include <algorithm>

namespace gfx {

namespace {

struct FormatInfo
{
    Format format;
    const char* name;
    unsigned bytes; // per pixel, or per 4x4 block when compressed
    bool compressed;
    GlFormat gl;
};

constexpr GLint kGrey[4] = {GL_RED, GL_RED, GL_RED, GL_ONE};
constexpr GLint kAlphaOnly[4] = {GL_ZERO, GL_ZERO, GL_ZERO, GL_RED};
constexpr GLint kOpaque[4] = {GL_RED, GL_GREEN, GL_BLUE, GL_ONE};
constexpr GLint kPlain[4] = {GL_RED, GL_GREEN, GL_BLUE, GL_ALPHA};

GlFormat Gl(GLenum internalFormat, GLenum format, GLenum type, bool renderable, const GLint (&swizzle)[4] = kPlain)
{
    GlFormat f;
    f.internalFormat = internalFormat;
    f.format = format;
    f.type = type;
    f.renderable = renderable;
    std::copy(swizzle, swizzle + 4, f.swizzle);
    return f;
}

// Renderable marks what OpenGL 3.3 requires to be colour- or depth-renderable; nothing else
// is offered as a render target.
const FormatInfo* Table()
{
    static const FormatInfo table[] = {
        {Format::Unknown, "UNKNOWN", 0, false, {}},
        {Format::A8, "A8", 1, false, Gl(GL_R8, GL_RED, GL_UNSIGNED_BYTE, false, kAlphaOnly)},
        {Format::L8, "L8", 1, false, Gl(GL_R8, GL_RED, GL_UNSIGNED_BYTE, false, kGrey)},
        {Format::R5G6B5, "R5G6B5", 2, false, Gl(GL_RGB565, GL_RGB, GL_UNSIGNED_SHORT_5_6_5, false)},
        {Format::A4R4G4B4, "A4R4G4B4", 2, false, Gl(GL_RGBA4, GL_BGRA, GL_UNSIGNED_SHORT_4_4_4_4_REV, false)},
        {Format::A1R5G5B5, "A1R5G5B5", 2, false, Gl(GL_RGB5_A1, GL_BGRA, GL_UNSIGNED_SHORT_1_5_5_5_REV, false)},
        {Format::R8G8B8, "R8G8B8", 3, false, Gl(GL_RGB8, GL_BGR, GL_UNSIGNED_BYTE, false)},
        {Format::A8R8G8B8, "A8R8G8B8", 4, false, Gl(GL_RGBA8, GL_BGRA, GL_UNSIGNED_BYTE, true)},
        {Format::X8R8G8B8, "X8R8G8B8", 4, false, Gl(GL_RGBA8, GL_BGRA, GL_UNSIGNED_BYTE, true, kOpaque)},
        {Format::A2R10G10B10, "A2R10G10B10", 4, false, Gl(GL_RGB10_A2, GL_BGRA, GL_UNSIGNED_INT_2_10_10_10_REV, true)},
        {Format::G16R16, "G16R16", 4, false, Gl(GL_RG16, GL_RG, GL_UNSIGNED_SHORT, true)},
        {Format::A8B8G8R8, "A8B8G8R8", 4, false, Gl(GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE, true)},
        {Format::X8B8G8R8, "X8B8G8R8", 4, false, Gl(GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE, true, kOpaque)},
        {Format::A16B16G16R16, "A16B16G16R16", 8, false, Gl(GL_RGBA16, GL_RGBA, GL_UNSIGNED_SHORT, true)},
        {Format::R16F, "R16F", 2, false, Gl(GL_R16F, GL_RED, GL_HALF_FLOAT, true)},
        {Format::G16R16F, "G16R16F", 4, false, Gl(GL_RG16F, GL_RG, GL_HALF_FLOAT, true)},
        {Format::A16B16G16R16F, "A16B16G16R16F", 8, false, Gl(GL_RGBA16F, GL_RGBA, GL_HALF_FLOAT, true)},
        {Format::R32F, "R32F", 4, false, Gl(GL_R32F, GL_RED, GL_FLOAT, true)},
        {Format::G32R32F, "G32R32F", 8, false, Gl(GL_RG32F, GL_RG, GL_FLOAT, true)},
        {Format::A32B32G32R32F, "A32B32G32R32F", 16, false, Gl(GL_RGBA32F, GL_RGBA, GL_FLOAT, true)},
        {Format::DXT1, "DXT1", 8, true, Gl(GL_COMPRESSED_RGBA_S3TC_DXT1_EXT, 0, 0, false)},
        {Format::DXT2, "DXT2", 16, true, Gl(GL_COMPRESSED_RGBA_S3TC_DXT3_EXT, 0, 0, false)},
        {Format::DXT3, "DXT3", 16, true, Gl(GL_COMPRESSED_RGBA_S3TC_DXT3_EXT, 0, 0, false)},
        {Format::DXT4, "DXT4", 16, true, Gl(GL_COMPRESSED_RGBA_S3TC_DXT5_EXT, 0, 0, false)},
        {Format::DXT5, "DXT5", 16, true, Gl(GL_COMPRESSED_RGBA_S3TC_DXT5_EXT, 0, 0, false)},
        {Format::D16, "D16", 2, false, Gl(GL_DEPTH_COMPONENT16, GL_DEPTH_COMPONENT, GL_UNSIGNED_SHORT, true)},
        {Format::D24X8, "D24X8", 4, false, Gl(GL_DEPTH_COMPONENT24, GL_DEPTH_COMPONENT, GL_UNSIGNED_INT, true)},
        {Format::D24S8, "D24S8", 4, false, Gl(GL_DEPTH24_STENCIL8, GL_DEPTH_STENCIL, GL_UNSIGNED_INT_24_8, true)},
        // Integer 32-bit depth need not be renderable in OpenGL 3.3.
        {Format::D32, "D32", 4, false, Gl(GL_DEPTH_COMPONENT32, GL_DEPTH_COMPONENT, GL_UNSIGNED_INT, false)},
        {Format::D32F, "D32F", 4, false, Gl(GL_DEPTH_COMPONENT32F, GL_DEPTH_COMPONENT, GL_FLOAT, true)},
    };
    return table;
}

constexpr unsigned kFormatCount = static_cast<unsigned>(Format::D32F) + 1;

const FormatInfo* Info(Format format)
{
    unsigned index = static_cast<unsigned>(format);
    return index < kFormatCount ? &Table()[index] : &Table()[0];
}

} // namespace

unsigned FormatBytes(Format format) { return Info(format)->bytes; }
bool IsCompressed(Format format) { return Info(format)->compressed; }
const char* FormatName(Format format) { return Info(format)->name; }

bool IsDepthFormat(Format format)
{
    return format == Format::D16 || format == Format::D24X8 || format == Format::D24S8 || format == Format::D32 ||
           format == Format::D32F;
}

bool HasStencil(Format format) { return format == Format::D24S8; }

unsigned LevelBytes(Format format, unsigned width, unsigned height)
{
    width = std::max(width, 1u);
    height = std::max(height, 1u);
    if (IsCompressed(format))
    {
        return ((width + 3) / 4) * ((height + 3) / 4) * FormatBytes(format);
    }
    return width * height * FormatBytes(format);
}

unsigned PrimitiveVertexCount(PrimitiveType type, unsigned primitives)
{
    if (primitives == 0)
        return 0;
    switch (type)
    {
    case PrimitiveType::PointList: return primitives;
    case PrimitiveType::LineList: return primitives * 2;
    case PrimitiveType::LineStrip: return primitives + 1;
    case PrimitiveType::TriangleList: return primitives * 3;
    case PrimitiveType::TriangleStrip:
    case PrimitiveType::TriangleFan: return primitives + 2;
    }
    return 0;
}

const GlFormat* ToGl(Format format)
{
    const FormatInfo* info = Info(format);
    return info->format == Format::Unknown ? nullptr : &info->gl;
}

GLenum ToGl(CmpFunc func)
{
    static const GLenum map[] = {GL_NEVER, GL_LESS, GL_EQUAL, GL_LEQUAL, GL_GREATER, GL_NOTEQUAL, GL_GEQUAL, GL_ALWAYS};
    return map[static_cast<int>(func)];
}

GLenum ToGl(StencilOp op)
{
    static const GLenum map[] = {GL_KEEP, GL_ZERO, GL_REPLACE, GL_INCR, GL_DECR, GL_INVERT, GL_INCR_WRAP, GL_DECR_WRAP};
    return map[static_cast<int>(op)];
}

GLenum ToGl(BlendFactor factor)
{
    static const GLenum map[] = {GL_ZERO,
                                 GL_ONE,
                                 GL_SRC_COLOR,
                                 GL_ONE_MINUS_SRC_COLOR,
                                 GL_SRC_ALPHA,
                                 GL_ONE_MINUS_SRC_ALPHA,
                                 GL_DST_ALPHA,
                                 GL_ONE_MINUS_DST_ALPHA,
                                 GL_DST_COLOR,
                                 GL_ONE_MINUS_DST_COLOR,
                                 GL_SRC_ALPHA_SATURATE};
    return map[static_cast<int>(factor)];
}

GLenum ToGl(BlendOp op)
{
    static const GLenum map[] = {GL_FUNC_ADD, GL_FUNC_SUBTRACT, GL_FUNC_REVERSE_SUBTRACT, GL_MIN, GL_MAX};
    return map[static_cast<int>(op)];
}

GLenum ToGl(PrimitiveType type)
{
    static const GLenum map[] = {GL_POINTS, GL_LINES, GL_LINE_STRIP, GL_TRIANGLES, GL_TRIANGLE_STRIP, GL_TRIANGLE_FAN};
    return map[static_cast<int>(type)];
}

} // namespace gfx
