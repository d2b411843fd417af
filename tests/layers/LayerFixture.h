#pragma once

#include "MaterialSystem/MaterialSystem.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/config/ConfigSystem.h"
#include "foundation/config/VideoSettings.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"
#include "layers/LayerManager.h"
#include "platform/window/Window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// Every line the log prints while a test runs.
std::vector<std::string>& LogLines();
bool LogHas(const std::string& text);
int LogCount(const std::string& text);

// What the layers drew on the screen in a frame, in order (the closed console, above the screen,
// is left out).
class DrawRecorder : public ILayerDrawTarget
{
public:
    struct Quad
    {
        Material* material;
        Vec2 pos, size;
        Vec2 uv[4];
        float angle;
        Color color;
    };
    struct Line
    {
        Vec2 from, to;
        Color colorFrom, colorTo;
    };

    void RenderQuad(Material* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4], float angle,
                    const Color& color) override;
    void RenderLine(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo) override;
    // The x of every quad drawn, in order.
    std::vector<float> QuadXs() const;
    void Clear();

    std::vector<Quad> quads;
    std::vector<Line> lines;
};

// A hidden window, video settings of its size and a render device on them, in the game's
// working folder; the layer manager is created on it with its drawing recorded.
class LayerTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // The render device's managers (materials, textures) are made by this, and the game's
    // shader library with `_shaders`.
    void InitDevice();
    // Layer manager on a screen of that size.
    void CreateLayers(int width, int height);

    // Set before SetUp for another size, and for frames drawn with the game's shaders.
    int _windowWidth = 320, _windowHeight = 240;
    bool _shaders = false;
    std::filesystem::path _previous;
    std::unique_ptr<Window> _window;
    std::unique_ptr<ConfigSystem> _config;
    std::unique_ptr<VideoSettings> _video;
    std::unique_ptr<ResourceSystem> _resources;
    std::unique_ptr<MaterialSystem> _system;
    DrawRecorder _drawn;
};
