// The intro video on its way to the main menu, skipping it, and the logo page's pulse.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "CoreTestSupport.h"
#include "MaterialSystem/MaterialSystem.h"
#include "foundation/math/Vec2.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "gui/FrameCatalog.h"
#include "gui/menus/GuiLogo.h"
#include "gui/menus/GuiVideoIntro.h"
#include "gui/menus/MenuBackground.h"
#include "layers/video/VideoVMR9.h"
#include "services/sound/SoundEngine.h"
#include "platform/window/Window.h"

namespace {
using Clock = std::chrono::steady_clock;

int Brightest(uint32_t rgb) { return std::max({int(rgb >> 16 & 0xFF), int(rgb >> 8 & 0xFF), int(rgb & 0xFF)}); }

class IntroTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Window::Style style;
        style.hidden = true;
        std::string error;
        _window = Window::Create("intro test", 1024, 768, style, &error);
        if (!_window)
            GTEST_SKIP() << "no display: " << error;
        InstallGameFrames();
        game.Start(_window->GetHandle(), false);
        _frames = game.GetGameFrameManager();
    }
    void TearDown() override
    {
        game.ShutDown();
        _window.reset();
    }

    const char* Current() const { return _frames->GetCurrent() ? _frames->GetCurrent()->GetName() : ""; }

    // Runs frames until `done` or the time is up; false when the time ran out.
    template <class Done>
    bool RunUntil(double seconds, Done done)
    {
        const auto start = Clock::now();
        while (!done())
        {
            if (std::chrono::duration<double>(Clock::now() - start).count() > seconds)
                return false;
            game.Proceed();
        }
        return true;
    }

    GameDataFolder _data;
    std::unique_ptr<Window> _window;
    GameFrameManager* _frames = nullptr;
    LogWatch _log;
};

// The game on data whose movies cannot play (an empty intro, a background that is no video,
// one that is sound only), in a working folder of its own.
class BrokenMoviesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        _path = fs::temp_directory_path() / ("bm_broken_movies_" + std::to_string(::getpid()));
        fs::remove_all(_path);
        fs::create_directories(_path / "movies");
        LinkGameData(_path, {"movies"});
        std::ofstream(_path / "movies" / "logo.avi", std::ios::binary);
        std::ofstream(_path / "movies" / "menu.avi", std::ios::binary) << std::string(4096, 'x');
        // A wave file's header and a little silence: sound, but no picture.
        std::ofstream wave(_path / "movies" / "stock_ex.avi", std::ios::binary);
        const unsigned char header[44] = {'R', 'I', 'F',  'F',  36 + 200, 0,   0,    0,    'W', 'A', 'V',
                                          'E', 'f', 'm',  't',  ' ',      16,  0,    0,    0,   1,   0,
                                          1,   0,   0x22, 0x56, 0,        0,   0x44, 0xAC, 0,   0,   2,
                                          0,   16,  0,    'd',  'a',      't', 'a',  200,  0,   0,   0};
        wave.write(reinterpret_cast<const char*>(header), sizeof header);
        wave << std::string(200, '\0');
        wave.close();
        _previous = fs::current_path();
        fs::current_path(_path);
        Window::Style style;
        style.hidden = true;
        std::string error;
        _window = Window::Create("broken movies test", 1024, 768, style, &error);
        if (!_window)
            GTEST_SKIP() << "no display: " << error;
    }
    void TearDown() override
    {
        game.ShutDown();
        _window.reset();
        std::filesystem::current_path(_previous);
        std::error_code ignored;
        std::filesystem::remove_all(_path, ignored);
    }

    // The next frame's screenshot; its brightest channel at each pixel is looked at.
    Screenshot Shoot()
    {
        const std::filesystem::path shotPath = _path / "screenshots" / "screen0000.bmp";
        std::filesystem::remove(shotPath);
        game.GetRender()->TakeScreenShot();
        game.Proceed();
        game.Proceed();
        Screenshot shot;
        EXPECT_TRUE(shot.Load(shotPath));
        return shot;
    }
    static int BrightPixels(const Screenshot& shot)
    {
        int bright = 0;
        for (int y = 0; y < shot.height; y += 4)
            for (int x = 0; x < shot.width; x += 4)
                bright += Brightest(shot.At(x, y)) > 24;
        return bright;
    }

    std::filesystem::path _path, _previous;
    std::unique_ptr<Window> _window;
    LogWatch _log;
};
} // namespace

TEST(VideoIntroLayout, PictureTakesTheWidthAndA16To9HeightCentred)
{
    struct Case
    {
        float width, height, y, pictureHeight;
    };
    for (const Case& test : {Case{1280, 720, -0.00015f, 720.0003f}, Case{1280, 1024, 152.0f, 720.0003f},
                             Case{1024, 768, 96.0f, 576.0002f}, Case{1920, 1080, 0.0f, 1080.0004f}})
    {
        Vec2 pos, size;
        GuiVideoIntro::LetterboxRect(test.width, test.height, pos, size);
        EXPECT_FLOAT_EQ(pos.x, 0.0f);
        EXPECT_NEAR(pos.y, test.y, 1e-3f) << test.width << "x" << test.height;
        EXPECT_FLOAT_EQ(size.x, test.width);
        EXPECT_NEAR(size.y, test.pictureHeight, 1e-3f);
    }
}

TEST(LogoPage, PulseStaysAtOrAboveAQuarterAndRepeatsEveryThirdOfPiSeconds)
{
    const float period = 3.14159265f / 3.0f; // |cos| of 3 radians a second
    float lowest = 1.0f;
    for (float t = 0.0f; t < 3.0f; t += 0.01f)
    {
        const float alpha = GuiLogo::PulseAlpha(3.0f * t);
        lowest = std::min(lowest, alpha);
        EXPECT_NEAR(alpha, GuiLogo::PulseAlpha(3.0f * (t + period)), 1e-4f) << t;
    }
    EXPECT_FLOAT_EQ(lowest, 0.25f);
    EXPECT_FLOAT_EQ(GuiLogo::PulseAlpha(0.0f), 1.0f);
    EXPECT_FLOAT_EQ(GuiLogo::PulseAlpha(3.0f * period), 1.0f);
}

TEST_F(IntroTest, VideoPlaysLetterboxedThenTheMainMenuFollows)
{
    ASSERT_STREQ(Current(), "videoIntro");
    MaterialSystem* render = game.GetRender();
    const IVideoSource* intro = render->GetVMR9();
    ASSERT_NE(intro, nullptr);

    // Halfway through the video the emblem is at full light. A busy machine shows the video
    // late but shows every frame, so the screen is read at each frame until the light comes.
    const auto start = Clock::now();
    const std::filesystem::path shotPath = _data.GetPath() / "screenshots" / "screen0000.bmp";
    Screenshot shot;
    bool bright = false;
    ASSERT_TRUE(RunUntil(30.0, [&] {
        if (std::filesystem::exists(shotPath))
        {
            EXPECT_TRUE(shot.Load(shotPath));
            std::filesystem::remove(shotPath);
            bright = (shot.At(512, 384) >> 16 & 0xFF) > 150u;
        }
        if (bright || std::string(Current()) != "videoIntro")
            return true;
        render->TakeScreenShot();
        return false;
    }));
    ASSERT_STREQ(Current(), "videoIntro") << "the video ended before its middle was seen";
    ASSERT_EQ(shot.width, 1024);
    ASSERT_EQ(shot.height, 768);
    // Black bands of 96 rows above and below the picture; the emblem's centre in its middle.
    for (int x : {10, 512, 1000})
    {
        EXPECT_LT(Brightest(shot.At(x, 40)), 8) << x;
        EXPECT_LT(Brightest(shot.At(x, 730)), 8) << x;
    }

    ASSERT_TRUE(RunUntil(30.0, [&] {
        return std::string(Current()) == "main_menu" && _frames->GetStatus() == GameFrameManager::FADE_NONE;
    }));
    // The 2.4-second video and the fades in and out, with room for a slow machine.
    EXPECT_GT(std::chrono::duration<double>(Clock::now() - start).count(), 2.4);
    EXPECT_NE(render->GetVMR9(), intro) << "the video is let go when it ends; the menu plays its own";
    EXPECT_EQ(_log.Count("frame \"main_menu\" is current"), 1) << "the end switches once";
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(IntroTest, ApplyAfterTheFadeInSkipsToTheMainMenu)
{
    ASSERT_TRUE(RunUntil(30.0, [&] { return _frames->GetStatus() == GameFrameManager::FADE_NONE; }));
    MaterialSystem* render = game.GetRender();
    const IVideoSource* intro = render->GetVMR9();
    ASSERT_NE(intro, nullptr) << "the video still plays";
    _frames->funcSelectApply();
    EXPECT_EQ(_frames->GetStatus(), GameFrameManager::FADE_OUT);
    EXPECT_EQ(_frames->GetNext(), _frames->FindFrameByName("main_menu"));
    ASSERT_TRUE(RunUntil(30.0, [&] { return std::string(Current()) == "main_menu"; }));
    EXPECT_NE(render->GetVMR9(), intro);
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

// The intro plays its sound track through the sound engine, which stops with the intro.
TEST_F(IntroTest, TheIntroPlaysItsSoundTrackUntilItEnds)
{
    const auto* intro = dynamic_cast<const VideoVMR9*>(game.GetRender()->GetVMR9());
    ASSERT_NE(intro, nullptr);
    ASSERT_NE(intro->GetSound(), nullptr) << "the logo has a sound track";
    EXPECT_TRUE(intro->GetSound()->IsPlaying());
    SoundEngine* sound = game.GetSoundEngine();
    EXPECT_EQ(sound->GetVideoSoundCount(), 1u);
    ASSERT_TRUE(RunUntil(30.0, [&] { return intro->GetSound()->GetPlayedSeconds() > 0.5; }));
    ASSERT_TRUE(RunUntil(30.0, [&] {
        return std::string(Current()) == "main_menu" && _frames->GetStatus() == GameFrameManager::FADE_NONE;
    }));
    EXPECT_EQ(sound->GetVideoSoundCount(), 0u) << "its sound went with it";
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

// A video that cannot play leaves the intro black for its moment, and the screen behind a
// menu black, not covered in the missing texture's pattern; the logged line stays.
TEST_F(BrokenMoviesTest, AnIntroThatCannotPlayIsBlack)
{
    InstallGameFrames();
    game.Start(_window->GetHandle(), false);
    GameFrameManager* frames = game.GetGameFrameManager();
    // Every frame of the intro, through its fades, until the main menu takes over.
    int frameCount = 0, brightest = 0;
    for (; frameCount < 300 && std::string(frames->GetCurrent()->GetName()) == "videoIntro"; ++frameCount)
    {
        const Screenshot shot = Shoot();
        ASSERT_EQ(shot.width, 1024);
        if (std::string(frames->GetCurrent()->GetName()) == "videoIntro")
            brightest = std::max(brightest, BrightPixels(shot));
    }
    EXPECT_GT(frameCount, 2);
    EXPECT_EQ(brightest, 0);
    EXPECT_GE(_log.Count("Can`t initialize vmr9"), 1);
}

TEST_F(BrokenMoviesTest, AMenuBackgroundThatCannotPlayIsBlack)
{
    InstallGameFrames();
    game.Start(_window->GetHandle(), true);
    GameFrameManager* frames = game.GetGameFrameManager();
    for (int i = 0; i < 200 && frames->GetStatus() != GameFrameManager::FADE_NONE; ++i)
        game.Proceed();
    for (const char* movie : {"movies/stock_ex.avi", "movies/menu.avi"})
    {
        MenuBackground background("$broken_bg", "gui_stock_ex.mat");
        background.Load(movie);
        EXPECT_TRUE(background.IsLoaded());
        EXPECT_EQ(background.GetTexture(), nullptr) << movie;
        background.Draw();
        const Screenshot shot = Shoot();
        EXPECT_EQ(BrightPixels(shot), 0) << movie;
        EXPECT_EQ(game.GetSoundEngine()->GetVideoSoundCount(), 0u) << movie << ": no sound either";
        background.Unload();
    }
    EXPECT_EQ(_log.Count("Can`t initialize vmr9"), 2);
}
