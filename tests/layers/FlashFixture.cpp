#include "FlashFixture.h"

#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <unistd.h>

bool ReadBmp(const std::filesystem::path& path, int& width, int& height, std::vector<uint32_t>& rgb)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    auto read32 = [&b](size_t at) { return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24; };
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || (b[28] | b[29] << 8) != 24)
        return false;
    const uint32_t offset = read32(10);
    width = int(read32(18));
    const int stored = int(read32(22));
    height = std::abs(stored);
    const size_t row = (size_t(width) * 3 + 3) & ~size_t(3);
    if (b.size() < offset + row * height)
        return false;
    rgb.resize(size_t(width) * height);
    for (int y = 0; y < height; ++y)
    {
        const uint8_t* src = b.data() + offset + row * size_t(stored > 0 ? height - 1 - y : y);
        for (int x = 0; x < width; ++x)
            rgb[size_t(y) * width + x] = src[x * 3] | src[x * 3 + 1] << 8 | src[x * 3 + 2] << 16;
    }
    return true;
}

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
    // Every movie, the console's among them, runs on the test's time.
    FlashHost::FlashControl::setDefaultClock([this] { return _seconds; });
    CreateLayers(_windowWidth, _windowHeight);
}

void FlashTest::TearDown()
{
    LayerTest::TearDown();
    FlashHost::FlashControl::setDefaultClock(nullptr);
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
