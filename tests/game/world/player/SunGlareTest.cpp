// The sun's glare over the cockpit view, as the game draws it: a glow over the screen, a disc and
// a long horizontal streak centred on the sun, fading as the sun leaves the middle of the view,
// gone past 300 scaled pixels from it, and hidden with the screen layers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "CoreTestSupport.h"
#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/textures/DdsLayout.h"
#include "MaterialSystem/textures/TextureDesc.h"
#include "PlayerTestSupport.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "layers/LayerManager.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"

namespace {

class SunGlareTest : public PlayerTest
{
protected:
    void TearDown() override
    {
        LayerManager::_enabled = true;
        PlayerTest::TearDown();
    }
    // The mission again under a sky whose sun stands at `sun` from the ship, which faces +z.
    void Restart(const Vec3& sun)
    {
        Level().ShutDown();
        char desc[256];
        std::snprintf(desc, sizeof desc,
                      "LevelDesc.Background = { env = \"sky/arrdra.mat\"; sunDir = { x = %g; y = %g; z = %g } };",
                      sun.x, sun.y, sun.z);
        GetStartedGame()->Data().WriteLevel("glare_desc.lua", desc);
        Level().LoadLevel("combat.lua", "glare_desc.lua", "combat_logic.lua");
        Level().Initialize();
        for (int frame = 0; frame < 100 && !Level().IsLoaded(); ++frame)
            Step(0);
        ASSERT_TRUE(Level().IsLoaded());
        ASSERT_NE(Level().GetPlayer(), nullptr);
        // The flare fades in with the frames the scene draws.
        for (int frame = 0; frame < 8; ++frame)
        {
            Step(0.2f);
            game.Proceed();
        }
    }
    // The next mission frame as the game draws it.
    Screenshot Shot()
    {
        Step(1.0f / 30);
        std::filesystem::remove_all("screenshots");
        game.GetRender()->TakeScreenShot();
        game.Proceed();
        Screenshot shot;
        EXPECT_TRUE(shot.Load("screenshots/screen0000.bmp"));
        return shot;
    }
    // What the glare adds to the red of the frame: the frame with the screen layers shown less
    // the same frame with them hidden, at places where no HUD widget stands.
    struct Glare
    {
        Screenshot shown, hidden;
        int Red(int x, int y) const { return int(shown.At(x, y) >> 16) - int(hidden.At(x, y) >> 16); }
        // The streak alone: its row less the row 60 pixels above, where it has faded.
        int Streak(int x, int y) const { return Red(x, y) - Red(x, y - 60); }
    };
    Glare Look()
    {
        Glare glare;
        glare.shown = Shot();
        LayerManager::_enabled = false;
        glare.hidden = Shot();
        LayerManager::_enabled = true;
        return glare;
    }
    // Where the sun's direction from the ship falls on the screen, as the glare places it.
    Vec3 SunOnScreen()
    {
        Vec3 point;
        EXPECT_TRUE(game.GetCamera()->WorldToScreen(Level().GetPlayer()->GetShip()->GetPosition() +
                                                        game.GetRenderScene()->GetSunDirection(0),
                                                    game.GetRender(), point));
        return point;
    }
};

// Columns clear of the HUD on both sides of the screen.
constexpr int Left = 100, Right = 924;

// The streak's share at a column: it fades linearly to nothing 1024 pixels from the sun.
float Streak(int x, float sun) { return 1 - std::fabs(float(x) - sun) / 1024; }

} // namespace

TEST_F(SunGlareTest, TheGlareIsCentredOnTheSunAndFadesAsItLeavesTheMiddle)
{
    // Straight ahead: full strength, even on both sides, a streak along the sun's row.
    Restart(Vec3(0, 0, 400));
    const Vec3 ahead = SunOnScreen();
    ASSERT_NEAR(ahead.x, 512, 1);
    const int row = int(ahead.y + 0.5f);
    const Glare full = Look();
    const int strong = full.Streak(Right, row);
    EXPECT_GT(strong, 60);
    EXPECT_NEAR(full.Streak(Left, row), strong, strong / 10) << "centred on the sun";
    EXPECT_GT(full.Red(Left, row - 60), 0) << "the glow and the disc reach beyond the streak";

    // Off to the side, within 300 scaled pixels: weaker by the distance, still centred on the sun.
    Restart(Vec3(120, 0, 400));
    const Vec3 side = SunOnScreen();
    const float d = (side.x - 512) * 1024 / 1280;
    ASSERT_GT(d, 100);
    ASSERT_LT(d, 250);
    const float k = 1 - d * 0.003333f;
    const Glare weak = Look();
    const float near = float(weak.Streak(Right, row)), far = float(weak.Streak(Left, row));
    EXPECT_NEAR(far / near, Streak(Left, side.x) / Streak(Right, side.x), 0.15f);
    EXPECT_NEAR(near / float(strong), k * Streak(Right, side.x) / Streak(Right, 512), 0.1f);

    // Past 300 scaled pixels there is none.
    Restart(Vec3(240, 0, 400));
    ASSERT_GT((SunOnScreen().x - 512) * 1024 / 1280, 300);
    const Glare none = Look();
    for (int x : {Left, Right})
        EXPECT_LT(std::abs(none.Red(x, row)), strong / 10) << x;
}

// Only the streak's lit band is drawn: the texture must be black beyond it, with a black row at
// each edge of the band, which is all that linear filtering reads past it.
TEST(SunStreakTexture, IsBlackBeyondTheBandTheGlareDraws)
{
    std::ifstream in(GAME_DATA_DIR "/textures/sun_streak.dds", std::ios::binary);
    const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(file.size(), kDdsHeaderSize);
    DdsLayout layout;
    std::string error;
    ASSERT_TRUE(ReadDdsLayout(file.data(), file.size() - kDdsHeaderSize, 0, 0, layout, error)) << error;
    ASSERT_EQ(layout.format, uint32_t(TEXFMT_A8R8G8B8));
    const unsigned h = layout.height, w = layout.width;
    const float top = h * (0.5f - Player::SunStreakHalfBand), bottom = h * (0.5f + Player::SunStreakHalfBand);
    unsigned lit = 0;
    for (unsigned y = 0; y < h; ++y)
    {
        for (unsigned x = 0; x < w; ++x)
        {
            const uint8_t* texel = &file[kDdsHeaderSize + (size_t(y) * w + x) * 4];
            const bool black = texel[0] == 0 && texel[1] == 0 && texel[2] == 0;
            lit += !black;
            if (float(y) < top + 1 || float(y) >= bottom - 1)
            {
                ASSERT_TRUE(black) << "row " << y << ", column " << x;
            }
        }
    }
    EXPECT_GT(lit, w) << "the band holds the streak";
}
