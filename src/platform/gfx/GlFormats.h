#pragma once

#include "platform/gfx/GfxTypes.h"

#include <epoxy/gl.h>

namespace gfx {

// How a format is stored in OpenGL. Swizzles let one-channel and BGR-less formats read as
// the renderer expects (L8 as grey, A8 as alpha only, X formats with opaque alpha).
struct GlFormat
{
    GLenum internalFormat = 0;
    GLenum format = 0;
    GLenum type = 0;
    bool renderable = false;
    GLint swizzle[4] = {GL_RED, GL_GREEN, GL_BLUE, GL_ALPHA};
};

// Null for Format::Unknown and any value outside the table.
const GlFormat* ToGl(Format format);

GLenum ToGl(CmpFunc func);
GLenum ToGl(StencilOp op);
GLenum ToGl(BlendFactor factor);
GLenum ToGl(BlendOp op);
GLenum ToGl(PrimitiveType type);

} // namespace gfx
