// The demo movie of the game data, played by a control in the game's working folder.
#include "FlashFixture.h"

#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/base/Dumper.h"

using FlashHost::Args;
using FlashHost::FlashControl;
using FlashHost::FlashValue;

TEST_F(LayerTest, TheDemoMovieDrawsAnimatesAndCallsTheGame)
{
    InitDevice();
    _system->GetTextureMgr()->SetRootDir("textures/");
    CreateLayers(640, 480);
    {
        FlashControl control("demo", 640, 360);
        double seconds = 0.0;
        control.setClock([&seconds] { return seconds; });
        control.load("swf//demo.swf");
        Args clicks;
        control.bind(L"DemoClicked", [&clicks](FlashControl*, const Args& args) {
            clicks = args;
            return FlashValue(L"The game heard you");
        });
        control.callFunction(L"SetTitle", Args(L"Demo"));
        ASSERT_EQ(control.update("", false, false), 1);
        const std::vector<uint32_t> before = FlashTest::ReadTexture(control);
        EXPECT_EQ(FlashTest::At(control, before, 30, 78), 0xFF202020u) << "the checker texture";

        control.injectMouseMove(500, 300);
        control.injectMouseDown(500, 300);
        ASSERT_EQ(clicks.size(), 1u);
        EXPECT_EQ(clicks[0].getNumber(), 1.0f);
        EXPECT_EQ(control.callFunction(L"Clicks", Args()).getNumber(), 1.0f);
        seconds += 0.12;
        EXPECT_GT(control.update("", false, false), 1);
        const std::vector<uint32_t> after = FlashTest::ReadTexture(control);
        int changed = 0;
        for (int x = 26; x < 200; ++x)
            changed += FlashTest::At(control, before, x, 236) != FlashTest::At(control, after, x, 236);
        EXPECT_GT(changed, 0) << "the bar moved";
        int answer = 0;
        for (int y = 288; y < 312; ++y)
            for (int x = 24; x < 200; ++x)
                answer += (FlashTest::At(control, before, x, y) != FlashTest::At(control, after, x, y));
        EXPECT_GT(answer, 50) << "the game's answer is shown";
    }
    for (const std::string& line : LogLines())
        EXPECT_EQ(line.find("Movie"), std::string::npos) << line;
}
