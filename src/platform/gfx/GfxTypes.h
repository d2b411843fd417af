#pragma once

#include <cstdint>

// Plain values of the graphics layer: pixel formats, buffer usage and pool, lock flags,
// primitive types and render-state enumerations, named as the renderer thinks of them.
namespace gfx {

// Pixel formats. Channel names read from the most significant bit of a little-endian word,
// so A8R8G8B8 is stored in memory as the bytes B, G, R, A.
enum class Format : uint32_t
{
    Unknown,
    A8,
    L8,
    R5G6B5,
    A4R4G4B4,
    A1R5G5B5,
    R8G8B8,
    A8R8G8B8,
    X8R8G8B8,
    A2R10G10B10,
    G16R16,
    A8B8G8R8,
    X8B8G8R8,
    A16B16G16R16,
    R16F,
    G16R16F,
    A16B16G16R16F,
    R32F,
    G32R32F,
    A32B32G32R32F,
    DXT1,
    DXT2,
    DXT3,
    DXT4,
    DXT5,
    D16,
    D24X8,
    D24S8,
    D32,
    D32F,
};

// Bytes per pixel of an uncompressed format, bytes per 4x4 block of a compressed one.
unsigned FormatBytes(Format format);
bool IsCompressed(Format format);
bool IsDepthFormat(Format format);
bool HasStencil(Format format);
// Bytes of one level of the given size (whole blocks for compressed formats).
unsigned LevelBytes(Format format, unsigned width, unsigned height);
const char* FormatName(Format format);

// Where a resource lives and so what survives a lost context: Managed and SystemMem keep a
// copy in memory and are rebuilt from it; Default is lost and must be recreated by its owner.
enum class Pool
{
    Default,
    Managed,
    SystemMem
};

enum class BufferUsage
{
    Static,
    Dynamic
};
enum class BufferType
{
    Vertex,
    Index16
};

enum LockFlags : unsigned
{
    LockNone = 0,
    LockDiscard = 1,     // the previous contents may be dropped (whole buffer)
    LockNoOverwrite = 2, // the caller promises not to touch data the GPU may still read
};

enum class PrimitiveType
{
    PointList,
    LineList,
    LineStrip,
    TriangleList,
    TriangleStrip,
    TriangleFan
};

// Vertices needed for `primitives` primitives of the given type.
unsigned PrimitiveVertexCount(PrimitiveType type, unsigned primitives);

enum class CmpFunc
{
    Never,
    Less,
    Equal,
    LessEqual,
    Greater,
    NotEqual,
    GreaterEqual,
    Always
};
enum class StencilOp
{
    Keep,
    Zero,
    Replace,
    IncrSat,
    DecrSat,
    Invert,
    Incr,
    Decr
};
enum class BlendFactor
{
    Zero,
    One,
    SrcColor,
    InvSrcColor,
    SrcAlpha,
    InvSrcAlpha,
    DestAlpha,
    InvDestAlpha,
    DestColor,
    InvDestColor,
    SrcAlphaSat,
};
enum class BlendOp
{
    Add,
    Subtract,
    RevSubtract,
    Min,
    Max
};
// Culling by the winding seen on screen (top-left origin): Ccw drops triangles whose corners
// run counter-clockwise on screen, the default of the engine.
enum class CullMode
{
    None,
    Cw,
    Ccw
};
enum class FillMode
{
    Point,
    Wireframe,
    Solid
};

enum class TextureAddress
{
    Wrap,
    Mirror,
    Clamp,
    Border
};
enum class TextureFilter
{
    None,
    Point,
    Linear,
    Anisotropic
};

enum ClearFlags : unsigned
{
    ClearTarget = 1,
    ClearDepth = 2,
    ClearStencil = 4
};

enum ColorWriteFlags : unsigned
{
    WriteRed = 1,
    WriteGreen = 2,
    WriteBlue = 4,
    WriteAlpha = 8,
    WriteAll = 15
};

struct Rect
{
    int x = 0, y = 0, width = 0, height = 0;
};

// The viewport as the device last set it: pixels from the top left of the target, and the
// depth range.
struct Viewport
{
    int x = 0, y = 0, width = 0, height = 0;
    float minZ = 0.0f, maxZ = 1.0f;
};

} // namespace gfx
