#pragma once

#include "platform/effect/Effect.h"
#include "platform/effect/EffectPool.h"
#include "platform/effect/Preprocessor.h"
#include "platform/gfx/Buffer.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Graphics.h"
#include "platform/gfx/VertexLayout.h"
#include "platform/window/Window.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Include files served from a map, as a resource manager would.
class MapIncludes : public fx::IncludeHandler
{
public:
    std::map<std::string, std::string> files;
    bool Open(const std::string& name, std::string& text) override
    {
        const auto it = files.find(name);
        if (it == files.end())
            return false;
        text = it->second;
        return true;
    }
};

// A hidden 64x64 window with a device, a pool and a full-screen quad of positions in clip
// space with one float per vertex in texture coordinate 0 (an instance index).
class EffectTest : public ::testing::Test
{
protected:
    static constexpr unsigned kSize = 64;

    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<fx::Effect> Make(const std::string& source, const std::vector<fx::Macro>& macros = {},
                                     std::string* errors = nullptr);
    // Draws the quad (two triangles) with every pass of the effect's current technique.
    void DrawQuad(fx::Effect& effect, float index = 0.0f, unsigned flags = fx::DoNotSaveState);
    // Draws a triangle list of (x, y, z, texture coordinate 0) vertices.
    void DrawTriangles(fx::Effect& effect, const std::vector<std::array<float, 4>>& vertices,
                       unsigned flags = fx::DoNotSaveState);
    // 0xRRGGBB at a pixel of the back buffer.
    uint32_t Pixel(unsigned x, unsigned y);

    std::unique_ptr<Window> _window;
    std::unique_ptr<gfx::Graphics> _graphics;
    std::unique_ptr<gfx::Device> _device;
    std::unique_ptr<gfx::VertexLayout> _layout;
    std::unique_ptr<fx::EffectPool> _pool;
    MapIncludes _includes;
};
