#pragma once

#include <memory>

struct Matrix;
namespace gfx {
class Device;
class Program;
class Texture;
} // namespace gfx

// The built-in programs that draw what needs no effect: world-space position-and-colour
// geometry (helpers, occlusion points) and pre-transformed screen vertices with an optional
// texture stage (2D primitives, text, quads without a material).
class FixedPrograms
{
public:
    // How the screen program combines its texture with the vertex colour.
    enum eTextureOp : int
    {
        TOP_DIFFUSE = 0,  // no texture
        TOP_SELECT = 1,   // texture only
        TOP_MODULATE = 2, // texture x colour
        TOP_COVERAGE = 3, // colour, its alpha scaled by the texture's (glyphs)
    };

    // Null (and a logged error) when a program fails to build.
    static std::unique_ptr<FixedPrograms> Create(gfx::Device& device);
    ~FixedPrograms();

    // Binds the world-space program with its matrices.
    void UseColor(const Matrix& world, const Matrix& view, const Matrix& projection);
    // Binds the screen program with a texture on unit 0 (null for none).
    void UseScreen(gfx::Texture* texture, eTextureOp op);

private:
    FixedPrograms(gfx::Device& device, std::unique_ptr<gfx::Program> color, std::unique_ptr<gfx::Program> screen);

    gfx::Device& _device;
    std::unique_ptr<gfx::Program> _color;
    std::unique_ptr<gfx::Program> _screen;
    int _world = -1, _view = -1, _projection = -1;
    int _textureOp = -1, _sampler = -1;
};
