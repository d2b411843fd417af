#include "FlashFixture.h"

#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"

#include <cstring>
#include <fstream>
#include <unistd.h>

void FlashTest::SetUp()
{
    LayerTest::SetUp();
    if (IsSkipped())
        return;
    _scratch =
        std::filesystem::temp_directory_path() / ("bm_flash_" + std::to_string(getpid()) + "_" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(_scratch);
    std::filesystem::create_directories(_scratch / "swf");
    std::filesystem::copy_file("swf/console.lua", _scratch / "swf" / "console.lua");
    std::filesystem::current_path(_scratch);
    InitDevice();
    _system->GetTextureMgr()->SetRootDir((std::string(GAME_DATA_DIR) + "/textures/").c_str());
    CreateLayers(_windowWidth, _windowHeight);
}

void FlashTest::TearDown()
{
    LayerTest::TearDown();
    if (!_scratch.empty())
        std::filesystem::remove_all(_scratch);
}

void FlashTest::WriteMovie(const std::string& name, const std::string& script)
{
    std::ofstream(_scratch / "swf" / (name + ".lua"), std::ios::binary) << script;
}

std::unique_ptr<FlashHost::FlashControl> FlashTest::Control(const std::string& name, int width, int height)
{
    auto control = std::make_unique<FlashHost::FlashControl>(name.c_str(), width, height);
    UseTestClock(*control);
    control->load("swf//" + name + ".swf");
    return control;
}

void FlashTest::UseTestClock(FlashHost::FlashControl& control)
{
    control.setClock([this] { return _seconds; });
}

std::vector<uint32_t> FlashTest::ReadTexture(FlashHost::FlashControl& control)
{
    Texture* texture = control.getTexture();
    std::vector<uint32_t> pixels;
    if (!texture)
        return pixels;
    int pitch = 0;
    auto* bytes = static_cast<const uint8_t*>(texture->LockPixels(0, pitch));
    if (!bytes)
        return pixels;
    const unsigned width = texture->GetWidth(), height = texture->GetHeight();
    pixels.resize(size_t(width) * height);
    for (unsigned y = 0; y < height; ++y)
        std::memcpy(pixels.data() + size_t(y) * width, bytes + size_t(y) * unsigned(pitch), width * 4);
    texture->UnlockPixels(0);
    return pixels;
}

uint32_t FlashTest::At(const FlashHost::FlashControl& control, const std::vector<uint32_t>& pixels, int x, int y)
{
    return pixels.at(size_t(y) * control.getTextureWidth() + x);
}
