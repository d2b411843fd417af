#include "FlashFixture.h"

#include "MaterialSystem/textures/Texture.h"
#include "foundation/base/Dumper.h"
#include "layers/flash/TextureImage.h"

#include <fstream>

using FlashHost::Args;
using FlashHost::FlashControl;
using FlashHost::FlashValue;

TEST_F(FlashTest, TheTextureHoldsTheMoviesRectangleTextAndImage)
{
    WriteMovie("picture", R"(
function Draw(c)
    c:rect(0, 0, 32, 32, "#ff0000")
    c:font("Arial", 24, true)
    c:text("Ab", 34, 4, "#ffffff")
    c:image("checker.dds", 128, 0)
end
)");
    auto control = Control("picture", 256, 128);
    EXPECT_EQ(control->update("", false, false), 1);
    const std::vector<uint32_t> pixels = ReadTexture(*control);
    ASSERT_EQ(pixels.size(), 256u * 128u);
    EXPECT_EQ(At(*control, pixels, 1, 1), 0xFFFF0000u);
    EXPECT_EQ(At(*control, pixels, 31, 31), 0xFFFF0000u);
    EXPECT_EQ(At(*control, pixels, 32, 40), 0u) << "transparent where nothing is drawn";
    int text = 0;
    for (int y = 4; y < 32; ++y)
        for (int x = 34; x < 70; ++x)
            text += (At(*control, pixels, x, y) >> 24) > 200;
    EXPECT_GT(text, 40);
    EXPECT_EQ(At(*control, pixels, 130, 2), 0xFF202020u) << "the game's checker texture, a dark tile";
    EXPECT_EQ(At(*control, pixels, 146, 2), 0xFFE0E0E0u) << "and a light one";
    EXPECT_EQ(control->getUV()[2].x, 1.0f);
}

TEST_F(FlashTest, TexturesGrowToPowersOfTwoWithTheMoviesArea)
{
    WriteMovie("empty", "");
    struct Case
    {
        int width, height, textureWidth, textureHeight;
        float u, v;
    };
    const Case cases[] = {{300, 200, 512, 256, 0.5859375f, 0.78125f}, {256, 128, 256, 128, 1.0f, 1.0f}};
    for (const Case& c : cases)
    {
        auto control = Control("empty", c.width, c.height);
        ASSERT_NE(control->getTexture(), nullptr);
        EXPECT_EQ(control->getTexture()->GetWidth(), unsigned(c.textureWidth));
        EXPECT_EQ(control->getTexture()->GetHeight(), unsigned(c.textureHeight));
        const Vec2* uv = control->getUV();
        EXPECT_FLOAT_EQ(uv[0].x, 0.0f);
        EXPECT_FLOAT_EQ(uv[0].y, c.v);
        EXPECT_FLOAT_EQ(uv[1].y, 0.0f);
        EXPECT_FLOAT_EQ(uv[2].x, c.u);
        EXPECT_FLOAT_EQ(uv[2].y, c.v);
        EXPECT_FLOAT_EQ(uv[3].x, c.u);
        EXPECT_FLOAT_EQ(uv[3].y, 0.0f);
    }
}

TEST_F(FlashTest, CallsTravelAsXmlAndMissingFunctionsAnswerNull)
{
    WriteMovie("calls", R"(
function Greet(n, who) return who .. " #" .. n end
function Half(n) return n / 2 end
)");
    auto control = Control("calls", 64, 64);
    EXPECT_EQ(control->callFunction(L"Greet", Args(3)(L"pilot")).getString(), L"pilot #3");
    const FlashValue half = control->callFunction(L"Half", Args(FlashValue(5)));
    EXPECT_EQ(half.getType(), FlashHost::FT_NUMBER);
    EXPECT_FLOAT_EQ(half.getNumber(), 2.5f);
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(control->callFunction(L"Absent", Args()).isNull());
    EXPECT_EQ(LogCount("has no function \"Absent\""), 1);
}

TEST_F(FlashTest, AFailedPaintLeavesTheTextureAsItWas)
{
    WriteMovie("fragile", R"(
broken = false
function Break() broken = true movie.invalidate() end
function Mend() broken = false movie.invalidate(0, 0, 4, 4) end
function Draw(c)
    c:rect(0, 0, 64, 64, "#00ff00")
    if broken then
        c:rect(0, 0, 64, 64, "#ff0000")
        c:rect(0, 0, 64, 64, "not a colour")
    end
end
)");
    auto control = Control("fragile", 64, 64);
    ASSERT_EQ(control->update("", false, false), 1);
    control->callFunction(L"Break", Args());
    EXPECT_EQ(control->update("", false, false), 1) << "the failed paint is not counted";
    std::vector<uint32_t> pixels = ReadTexture(*control);
    EXPECT_EQ(At(*control, pixels, 20, 20), 0xFF00FF00u);
    control->callFunction(L"Mend", Args());
    EXPECT_EQ(control->update("", false, false), 2);
    pixels = ReadTexture(*control);
    EXPECT_EQ(At(*control, pixels, 2, 2), 0xFF00FF00u);
    EXPECT_EQ(At(*control, pixels, 20, 20), 0xFF00FF00u) << "only what was painted again was uploaded";
    EXPECT_EQ(LogCount("colour or gradient expected"), 1);
}

TEST_F(FlashTest, BrokenOrMissingMoviesMakeInertControls)
{
    WriteMovie("broken", "function Draw(c)\n  c:rect(0, 0\nend\n");
    auto broken = Control("broken", 64, 64);
    EXPECT_TRUE(LogHas("swf/broken.lua:3:"));
    auto absent = Control("absent", 64, 64);
    EXPECT_TRUE(LogHas("swf/absent.lua\" cannot be read"));
    for (FlashControl* control : {broken.get(), absent.get()})
    {
        EXPECT_EQ(control->update("", true, false), 0) << "nothing is ever drawn";
        EXPECT_TRUE(control->callFunction(L"Draw", Args()).isNull());
    }

    LayerManager::Create(&Dumper::Instance(), nullptr);
    WriteMovie("plain", "function Draw(c) c:rect(0, 0, 8, 8, \"#fff\") end");
    auto deviceless = Control("plain", 64, 64);
    EXPECT_TRUE(deviceless->isInert());
    EXPECT_EQ(deviceless->update("", true, false), 0);
    EXPECT_TRUE(LogHas("has no texture of 64 x 64"));
}

TEST_F(FlashTest, OnlyTheChangedBlockIsDrawnAndUploaded)
{
    WriteMovie("blocks", R"(
fill = "#0000ff"
function Touch(x, y, w, h) fill = "#ffff00" movie.invalidate(x, y, w, h) end
function Draw(c) c:rect(0, 0, 256, 128, fill) end
)");
    auto control = Control("blocks", 256, 128);
    ASSERT_EQ(control->update("", false, false), 1);
    EXPECT_EQ(control->update("", false, false), 1) << "an idle movie is not drawn";

    // Paint the texture green behind the movie's back: only the new block may replace it.
    const std::vector<uint32_t> green(256 * 128, 0xFF00FF00u);
    ASSERT_TRUE(control->getTexture()->FillPixelData(0, green.data(), unsigned(green.size() * 4)));
    control->callFunction(L"Touch", Args(40)(40)(8)(8));
    EXPECT_EQ(control->update("", false, false), 2);
    const FlashControl::Block& block = control->getLastUpload();
    EXPECT_EQ(block.left, 39);
    EXPECT_EQ(block.top, 39);
    EXPECT_EQ(block.right, 49);
    EXPECT_EQ(block.bottom, 49);
    std::vector<uint32_t> pixels = ReadTexture(*control);
    EXPECT_EQ(At(*control, pixels, 44, 44), 0xFFFFFF00u);
    EXPECT_EQ(At(*control, pixels, 38, 44), 0xFF00FF00u);
    EXPECT_EQ(At(*control, pixels, 49, 44), 0xFF00FF00u);

    // Two changes before an update are drawn as the rectangle around both.
    control->callFunction(L"Touch", Args(10)(10)(10)(10));
    control->callFunction(L"Touch", Args(15)(5)(25)(7));
    control->update("", false, false);
    EXPECT_EQ(control->getLastUpload().left, 9);
    EXPECT_EQ(control->getLastUpload().top, 4);
    EXPECT_EQ(control->getLastUpload().right, 41);
    EXPECT_EQ(control->getLastUpload().bottom, 21);

    EXPECT_EQ(control->update("", true, false), 4) << "forced: all of it";
    EXPECT_EQ(control->getLastUpload().right, 256);
    pixels = ReadTexture(*control);
    EXPECT_EQ(At(*control, pixels, 200, 100), 0xFFFFFF00u);
}

TEST_F(FlashTest, AnimationsAdvanceWithTheTimeBetweenUpdates)
{
    WriteMovie("clock", R"(
frames = 0
function Update(dt) frames = frames + 1 movie.invalidate(0, 0, 8, 8) end
function Frames() return frames end
)");
    auto control = Control("clock", 64, 64);
    const int first = control->update("", false, false);
    Elapse(0.08);
    const int second = control->update("", false, false);
    EXPECT_GE(control->callFunction(L"Frames", Args()).getNumber(), 1.0f);
    EXPECT_EQ(second, first + 1) << "the frame's change was drawn";
    control->stop();
    const float stopped = control->callFunction(L"Frames", Args()).getNumber();
    Elapse(0.05);
    control->update("", false, false);
    EXPECT_EQ(control->callFunction(L"Frames", Args()).getNumber(), stopped);
}

TEST_F(FlashTest, InputReachesTheMovieAndItsCallsReachTheGame)
{
    WriteMovie("input", R"(
answer = "none"
keys = ""
function OnMouseDown(x, y) answer = movie.call("Clicked", x, y, "left") end
function OnKeyDown(k) keys = keys .. "down" .. k end
function OnChar(c) keys = keys .. string.char(c) end
function Answer() return answer end
function Keys() return keys end
function Unbound() return movie.call("Nobody", 1) end
)");
    auto control = Control("input", 64, 64);
    Args received;
    FlashControl* caller = nullptr;
    control->bind(L"Clicked", [&](FlashControl* c, const Args& args) {
        caller = c;
        received = args;
        return FlashValue(L"seen");
    });
    control->bind(L"", [](FlashControl*, const Args&) { return FlashValue(); });
    control->injectMouseMove(3, 4);
    control->injectMouseDown(12, 7);
    EXPECT_EQ(control->callFunction(L"Answer", Args()).getString(), L"seen");
    EXPECT_EQ(caller, control.get());
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0].getNumber(), 12.0f);
    EXPECT_EQ(received[1].getNumber(), 7.0f);
    EXPECT_EQ(received[2].getString(), L"left");

    control->handleKeyEvent(0x100, 13, 0);
    control->handleKeyEvent(0x102, 'x', 0);
    control->handleKeyEvent(0x200, 1, 0);
    EXPECT_EQ(control->callFunction(L"Keys", Args()).getString(), L"down13x");

    control->unbind(L"Clicked");
    control->injectMouseDown(1, 1);
    EXPECT_TRUE(control->callFunction(L"Answer", Args()).isNull()) << "an unbound name answers nothing";
    control->callFunction(L"Unbound", Args());
    control->callFunction(L"Unbound", Args());
    EXPECT_EQ(LogCount("calls \"Nobody\", which the game has not bound"), 1);
}

TEST_F(FlashTest, ReleaseWaitsAHundredUpdatesAndDropsTheTexture)
{
    WriteMovie("empty", "");
    auto control = Control("empty", 64, 64);
    for (int i = 0; i <= FlashControl::ReleaseDelay; ++i)
        ASSERT_FALSE(control->IsReadyToRelease()) << i;
    EXPECT_TRUE(control->IsReadyToRelease());
    control->PrepareToRelease();
    EXPECT_EQ(control->getTexture(), nullptr);
    EXPECT_EQ(control->update("", true, false), 0);
    EXPECT_TRUE(control->callFunction(L"Anything", Args()).isNull());
}

TEST_F(FlashTest, AMoviesTextureImagePastTheBoundIsRefusedFromItsHeader)
{
    // A DXT1 header claiming a texture far past what a movie draws, and no pixels behind it.
    const uint32_t side = movie::MaxImageSide * 2;
    uint32_t header[32] = {0x20534444u, 124, 0x1007, side, side};
    header[19] = 32;          // pixel format size
    header[20] = 0x4;         // FourCC
    header[21] = 0x31545844u; // "DXT1"
    const std::filesystem::path path = _scratch / "huge.dds";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(header), sizeof header);
    movie::Image image;
    std::string error;
    EXPECT_FALSE(FlashHost::ReadTextureImage(path.string(), image, error));
    EXPECT_NE(error.find("image too large: 8192x8192 pixels"), std::string::npos) << error;
    EXPECT_TRUE(image.pixels.empty());
}
