#pragma once

#include "LayerFixture.h"

#include "layers/flash/FlashControl.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// A 24-bit ".bmp" as the screenshot writer stores it: 0xRRGGBB, top row first.
bool ReadBmp(const std::filesystem::path& path, int& width, int& height, std::vector<uint32_t>& rgb);

// A render device and the layer manager in a scratch working folder (with the game's console
// movie), the game's textures as the texture root. Movies are written as "swf/<name>.lua" there.
class FlashTest : public LayerTest
{
public:
    // Level 0 of the control's texture, read back from the device: 0xAARRGGBB words.
    static std::vector<uint32_t> ReadTexture(FlashHost::FlashControl& control);
    static uint32_t At(const FlashHost::FlashControl& control, const std::vector<uint32_t>& pixels, int x, int y);

protected:
    void SetUp() override;
    void TearDown() override;
    void WriteMovie(const std::string& name, const std::string& script);
    // A control of that size playing "swf//<name>.swf", timed by the test's clock.
    std::unique_ptr<FlashHost::FlashControl> Control(const std::string& name, int width, int height);
    // Movie time is the test's: it moves only when the test moves it, however slow the machine.
    void UseTestClock(FlashHost::FlashControl& control);
    void Elapse(double seconds) { _seconds += seconds; }

    std::filesystem::path _scratch;
    double _seconds = 0.0;
};
