#pragma once

#include "platform/gfx/DeviceLink.h"

#include <memory>
#include <string>

namespace gfx {

class Device;

// A linked GLSL program. Sources are GLSL 3.30 bodies without a #version line; the layer
// puts a prelude in front of them that defines
//   GFX_LOC_POSITION, GFX_LOC_COLOR0, GFX_LOC_COLOR1, GFX_LOC_NORMAL, GFX_LOC_TANGENT,
//   GFX_LOC_BINORMAL, GFX_LOC_BLENDWEIGHT, GFX_LOC_TEXCOORD0 .. GFX_LOC_TEXCOORD7
//     the attribute locations of the vertex elements;
//   vec4 gfx_TargetSize  (width, height, 1/width, 1/height of render target 0);
//   vec4 gfx_PixelToClip(vec4 p)  (vertex stage) turning a pre-transformed position
//     (x, y in pixels, z, rhw) into clip space with the pixel centres at whole coordinates.
// The vertex stage writes gl_Position with y up and depth 0..1; the layer maps both to the
// target's top-left origin.
class Program
{
public:
    // Null when a stage fails to compile or the program fails to link; `log` gets the
    // compiler's text.
    static std::unique_ptr<Program> Create(Device& device, const std::string& vertexSource,
                                           const std::string& fragmentSource, std::string* log = nullptr);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // -1 when the program has no such active uniform.
    int GetUniformLocation(const char* name) const;
    // Setters act on this program whether it is current or not.
    void SetInt(int location, int value);
    void SetFloat(int location, float value);
    void SetFloat4(int location, const float* values, unsigned count = 1);
    // Row-vector matrices (translation in the last row) as the engine stores them; in GLSL
    // they read as `M * v`.
    void SetMatrix(int location, const float* matrices, unsigned count = 1);

    unsigned GetName() const { return _name; }

private:
    Program(Device& device, unsigned name);

    DeviceLink _link;
    unsigned _name;
};

} // namespace gfx
