#pragma once

#include <memory>

class ShaderParams;
class VertexBuffer;
namespace gfx {
class Device;
}

// The full-screen quad of the post effects: positions only, the effect's vertex stage puts
// them on the screen.
class ScreenAlignedQuad
{
public:
    explicit ScreenAlignedQuad(gfx::Device& device);
    ~ScreenAlignedQuad();

    // Draws with the material's bound shader (begun with flags 1); nothing without one.
    void Render(ShaderParams* material);

private:
    gfx::Device& _device;
    std::unique_ptr<VertexBuffer> _buffer;
};
