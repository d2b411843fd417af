#pragma once

#include "MaterialSystem/MaterialSystem.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/config/ConfigSystem.h"
#include "foundation/config/RenderSettings.h"
#include "foundation/base/Timer.h"
#include "foundation/config/VideoSettings.h"
#include "platform/window/Window.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The errors and warnings the log printed since the last Clear.
namespace SceneLog {
void Clear();
bool Has(const std::string& text);
const std::vector<std::string>& Lines();
} // namespace SceneLog

// A scene on the game data: a hidden window, the settings at the given size, a material
// system with the effect library, resource roots on build/data ("assets" for models) and a
// render scene. Skipped without a display.
class DeviceTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // A camera at the origin looking along +z, 60 degrees high, with the screen's proportions.
    Camera* FrontCamera();
    // A white sphere (the demo mesh) of the radius at the point of the layer, drawn by the
    // deferred stage; lit unless `unlit`. Returns the bone it hangs on.
    Bone* WhiteSphere(const Vec3& at, float radius, bool unlit = false, eSceneLayerType layer = SL_STAGE);

    // The effect library's folder; a derived fixture may set another before DeviceTest::SetUp.
    std::string _shaderRoot = std::string(GAME_DATA_DIR) + "/ShaderLib/";

    // Renders a frame (the update pass, then the view) and, when `shot` names a file, has the
    // material system save its screenshot there once the next frame presents it.
    void Frame(Camera* camera, const char* shot = nullptr);
    // The back buffer as 0xRRGGBB words, top row first.
    std::vector<uint32_t> ReadBackBuffer() const;
    uint32_t Pixel(const std::vector<uint32_t>& pixels, int x, int y) const { return pixels[size_t(y) * _width + x]; }

    int _width = 320, _height = 240;
    Timer _timer;
    std::unique_ptr<Window> _window;
    std::unique_ptr<ConfigSystem> _config;
    std::unique_ptr<VideoSettings> _video;
    std::unique_ptr<RenderSettings> _render;
    std::unique_ptr<ResourceSystem> _resources;
    std::unique_ptr<MaterialSystem> _system;
    std::unique_ptr<RenderScene> _scene;
};

// A render scene without a device: nodes, models by name, the update pass.
class SceneTest : public ::testing::Test
{
protected:
    void SetUp() override { SceneLog::Clear(); }

    RenderScene _scene{nullptr, nullptr, nullptr, nullptr};
};
