#pragma once

#include "LayerFixture.h"

#include "layers/flash/FlashControl.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

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
    // A control of that size playing "swf//<name>.swf".
    std::unique_ptr<FlashHost::FlashControl> Control(const std::string& name, int width, int height);

    std::filesystem::path _scratch;
};
