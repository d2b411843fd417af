#pragma once

#include "MaterialSystem/MaterialSystem.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/config/ConfigSystem.h"
#include "foundation/config/RenderSettings.h"
#include "foundation/config/VideoSettings.h"
#include "platform/window/Window.h"
#include "scene/RenderScene.h"

#include <gtest/gtest.h>

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
    // Call from SetUp of a derived fixture before DeviceTest::SetUp for another size.
    void SetScreenSize(int width, int height)
    {
        _width = width;
        _height = height;
    }

    int _width = 320, _height = 240;
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
