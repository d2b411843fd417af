#pragma once

#include "platform/gfx/Buffer.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Graphics.h"
#include "platform/gfx/Program.h"
#include "platform/gfx/Texture.h"
#include "platform/gfx/VertexLayout.h"
#include "platform/window/Window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

// A hidden 320x240 window with a device, and a shader that draws coloured positions given
// directly in clip space (or through a row-vector matrix when `useMatrix` is set).
class GfxTest : public ::testing::TestWithParam<bool>
{
protected:
    struct Vertex
    {
        float x, y, z;
        uint32_t color;
    };

    static constexpr unsigned kWidth = 320;
    static constexpr unsigned kHeight = 240;

    void SetUp() override;
    void TearDown() override;

    // Draws triangles of the given vertices from a fresh static buffer.
    void DrawTriangles(const std::vector<Vertex>& vertices);
    std::vector<uint32_t> ReadBack(gfx::Texture* target = nullptr);
    uint32_t PixelAt(const std::vector<uint32_t>& pixels, unsigned x, unsigned y, unsigned width = kWidth) const
    {
        return pixels[y * width + x] & 0xFFFFFF;
    }

    std::unique_ptr<Window> _window;
    std::unique_ptr<gfx::Graphics> _graphics;
    std::unique_ptr<gfx::Device> _device;
    std::unique_ptr<gfx::VertexLayout> _layout;
    std::unique_ptr<gfx::Program> _program;
    int _matrixLocation = -1;
};
