#pragma once

#include "MaterialSystem/MaterialSystem.h"
#include "foundation/base/Dumper.h"
#include "foundation/config/ConfigSystem.h"
#include "foundation/config/VideoSettings.h"
#include "platform/gfx/Program.h"
#include "platform/window/Window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Every line the log prints while a test runs.
std::vector<std::string>& LogLines();
bool LogHas(const std::string& text);

// A hidden window, the video settings at 320x240 and a material system on them. The device
// is created by InitSystem in each test, after it has set the faults it wants.
class RenderTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    void Init();
    // A program drawing position-and-colour vertices (format 0x03) given in clip space.
    gfx::Program* ColorProgram();

    std::unique_ptr<Window> _window;
    std::unique_ptr<ConfigSystem> _config;
    std::unique_ptr<VideoSettings> _video;
    std::unique_ptr<MaterialSystem> _system;
    std::unique_ptr<gfx::Program> _program;
    std::vector<unsigned> _sleeps;
};
