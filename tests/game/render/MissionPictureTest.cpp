// The benchmark's mission frame at fixed steps of its repeatable flight, drawn by the render
// scene and again from the same state by the reference of the view as the scene drew it before
// its passes were made cheaper (batched omni lights, the tighter light rectangles and depth, the
// sun unblended, bloom only where it adds): the two pictures agree within a step of the 8-bit
// channels. The screen's quads are compared on their own (ScreenQuadCoverageTest).
#include "MissionRun.h"
#include "ReferenceView.h"

#include "MaterialSystem/MaterialSystem.h"
#include "foundation/base/Timer.h"
#include "game/core/game/Game.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Texture.h"
#include "scene/RenderScene.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int Width = 1024, Height = 768;

std::vector<uint32_t> BackBuffer()
{
    gfx::Device* device = game.GetRender()->GetDevice();
    std::vector<uint32_t> pixels(size_t(Width) * Height);
    EXPECT_TRUE(device->ReadPixels(device->GetBackBuffer(), gfx::Rect{0, 0, Width, Height}, pixels.data()));
    return pixels;
}

struct Difference
{
    int pixels = 0;  // pixels of which some channel differs
    int largest = 0; // the largest difference of a channel
    int x = -1, y = -1;
};

Difference Compare(const std::vector<uint32_t>& drawn, const std::vector<uint32_t>& reference)
{
    Difference d;
    for (size_t i = 0; i < drawn.size(); ++i)
    {
        int most = 0;
        for (int shift : {0, 8, 16})
            most = std::max(most, std::abs(int(drawn[i] >> shift & 0xFF) - int(reference[i] >> shift & 0xFF)));
        if (!most)
            continue;
        if (most > d.largest)
        {
            d.largest = most;
            d.x = int(i % Width);
            d.y = int(i / Width);
        }
        ++d.pixels;
    }
    return d;
}

// A sparse frame of the flight (the convoy ahead, rocks, the bullets' lights) and a crowded one
// (the player against a hull, inside the spheres of two dozen lights, bloom over all of it).
TEST(MissionPicture, TheBenchFrameLooksAsTheViewDrewItBefore)
{
    MissionRun run(Width, Height);
    run.MakeRepeatable();
    std::string error;
    if (!run.Open("lvl12.lvl", "lvl12_desc.lvl", "lvl12_logic.lvl", 60, error))
        GTEST_SKIP() << error;
    ReferenceView reference(*game.GetRenderScene());
    int frame = 0;
    for (const int step : {90, 290})
    {
        while (frame < step && run.InMission())
        {
            run.Frame();
            ++frame;
        }
        ASSERT_TRUE(run.InMission()) << "the mission ended before step " << step;
        const std::vector<uint32_t> drawn = BackBuffer();
        reference.Render(game.GetCamera(), *game.GetTimer());
        const std::vector<uint32_t> expected = BackBuffer();
        const Difference d = Compare(drawn, expected);
        // Every channel within 2 of the reference's, at most one pixel in 2000 differing at all.
        EXPECT_LE(d.largest, 2) << "step " << step << ": at " << d.x << "," << d.y;
        EXPECT_LE(d.pixels, Width * Height / 2000) << "step " << step;
        std::printf("step %d: %d pixels differ, by at most %d\n", step, d.pixels, d.largest);
    }
}

} // namespace
