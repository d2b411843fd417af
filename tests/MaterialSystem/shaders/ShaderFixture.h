#pragma once

#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderLib.h"
#include "ResourceSystem/ResourceSystem.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Graphics.h"
#include "platform/gfx/VertexLayout.h"
#include "platform/window/Window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// A hidden 64x64 window with a device, a resource system and the shader library on a root
// folder of its own. The library's shared parameters come from the game's data.
class ShaderLibTest : public ::testing::Test
{
protected:
    static constexpr unsigned kSize = 64;

    void SetUp() override;
    void TearDown() override;

    // Writes an effect file into the test's root (names as on disk, lower case).
    void WriteShader(const std::string& name, const std::string& text);
    // Initialises the library on `root` (the test's own folder when empty).
    ShaderLib* Init(const std::string& root = "");
    bool LogHas(const std::string& text) const;
    // Draws triangles of (x, y, z, instance) vertices with every pass of the shader; `apply`
    // runs inside each pass before the draw (the parameter sets of one prim).
    template <typename Apply>
    void Draw(Shader& shader, const std::vector<float>& vertices, Apply apply);
    void DrawVertices(const std::vector<float>& vertices);
    uint32_t Pixel(unsigned x, unsigned y);

    std::filesystem::path _root;
    std::unique_ptr<Window> _window;
    std::unique_ptr<gfx::Graphics> _graphics;
    std::unique_ptr<gfx::Device> _device;
    std::unique_ptr<gfx::VertexLayout> _layout;
    std::unique_ptr<ResourceSystem> _resources;
};

template <typename Apply>
void ShaderLibTest::Draw(Shader& shader, const std::vector<float>& vertices, Apply apply)
{
    const unsigned passes = shader.Begin(fx::DoNotSaveState);
    for (unsigned p = 0; p < passes; ++p)
    {
        shader.BeginPass(p);
        apply();
        shader.ApplyChanges();
        DrawVertices(vertices);
        shader.EndPass();
    }
    shader.End();
}

// A quad over the whole target at depth 0.5, its vertices carrying the given instance index.
std::vector<float> Quad(float instance = 0.0f);
