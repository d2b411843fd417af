#pragma once
// The flight HUD of a shipped mission as the game draws it at one screen size and language, and
// the pixels each of its elements really covers: the game is started at that size, the mission
// is flown until its target is scanned and then paused, and the same frame is drawn again and
// again, each time with the HUD's drawing cut down to one element. What that frame brightens
// over the frame without the HUD is the element's mask.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CoreTestSupport.h"
#include "WorldTestSupport.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"
#include "foundation/math/Vec4.h"

class GuiShipHud;
class Material;
class Window;

// One thing the HUD draws in a frame: a quad of a layer or of the HUD's own painting, a line,
// or a text.
struct HudItem
{
    enum Kind
    {
        QUAD,
        LINE,
        TEXT,
    };
    Kind kind = QUAD;
    bool layer = false; // drawn by a screen layer, not by the HUD's own painting
    Material* material = nullptr;
    std::string materialName; // the material's file, lower case, "/" between folders
    Vec2 pos, size;           // a line's ends for a line
    float angle = 0.0f;
    std::string text;
    Vec4 rect;                  // a text's box
    unsigned lineHeight = 0;    // of a text's font, in pixels
    int statsRow = -1; // the statistics row it belongs to, counted from 0
};

// The pixels an element covers, and their bounding box (x1, y1 past the last pixel; empty when
// x1 <= x0).
struct HudMask
{
    int width = 0, height = 0;
    std::vector<uint8_t> on;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;

    bool Empty() const { return x1 <= x0; }
    bool At(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height && on[size_t(y) * width + x]; }
};

struct HudScreen
{
    int width, height;
    const char* language;
};

class HudOnScreenTest : public testing::TestWithParam<HudScreen>
{
protected:
    HudOnScreenTest();
    ~HudOnScreenTest() override;
    void SetUp() override;
    void TearDown() override;

    // Loads the mission, flies it until the player's target is scanned and settled on the target
    // panel, and pauses it as the pause key does: every frame after is the same. False when the
    // mission did not load or the scan did not settle.
    bool FlyMission(const char* level);
    // Loads the mission of the files "<level><extension>", "<level>_desc<extension>" and
    // "<level>_logic<extension>", flies its first second and pauses it. False when it did not load.
    bool StartMission(const std::string& level, const std::string& extension = ".lvl");
    // Ends the running mission, as leaving for the menus does.
    void EndMission();
    // Every item of the next frame, in drawing order.
    std::vector<HudItem> RecordFrame();
    // The pixels that the items passing the test brighten on the frame by more than `lit` in a
    // channel, the HUD's other drawing left out.
    HudMask Mask(const std::function<bool(const HudItem&)>& element, int lit = 40);
    // The whole HUD on the frame, kept as "<name>.bmp" beside the test program.
    void KeepScreenshot(const std::string& name);
    GuiShipHud* Hud() const;
    // Draws each element of the HUD alone and expects it inside its frame and clear of its
    // neighbours; the whole HUD is kept as "<name>.bmp".
    void ExpectEveryElementFits(const std::string& name);

    GameDataFolder _data;
    std::unique_ptr<Window> _window;
    std::unique_ptr<FrameClock> _clock;
    double _movieSeconds = 0.0;
    LogWatch _log;

private:
    void Frame(float seconds);
    bool Load(const std::string& level, const std::string& extension);
    void Pause();
    bool Shoot(std::vector<uint32_t>& pixels, int& width, int& height);

    std::vector<uint32_t> _bare; // the frame without the HUD
};
