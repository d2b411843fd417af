// The intro video on its way to the main menu, skipping it, and the logo page's pulse.
#include <gtest/gtest.h>

#include <atomic>
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
#include "foundation/base/Timer.h"
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

int Brightest(uint32_t rgb) { return std::max({int(rgb >> 16 & 0xFF), int(rgb >> 8 & 0xFF), int(rgb & 0xFF)}); }

// The game run on clocks of the test's: every frame lasts a thirtieth of a second, for the game
// and for its videos alike. The videos' clock runs half a frame behind, so that no frame of the
// game falls on a picture's due time.
class SteppedGameTest : public testing::Test
{
protected:
    static constexpr double FrameSeconds = 1.0 / 30;
    static constexpr int64_t TicksPerSecond = 1000000;

    // Without smoothing the frame time is exactly that of the last frame.
    SteppedGameTest()
        : _timer(
              0.0f, [this] { return _ticks; }, TicksPerSecond)
    {}

    // Starts the game on the window, on the test's clocks.
    void StartGame(WindowHandle window, bool flag)
    {
        _timer.Start(30.0f);
        game.SetTimer(&_timer);
        game.SetVideoClock([this] { return _videoSeconds.load(); });
        InstallGameFrames();
        game.Start(window, flag);
        // The clocks stand still while the device waits for a picture: each frame, the video
        // has settled before the device presents.
        game.GetRender()->SetSleepFunction([](unsigned) {});
        _frames = game.GetGameFrameManager();
    }
    void ShutDownGame()
    {
        game.ShutDown();
        game.SetVideoClock(nullptr);
        game.SetTimer(nullptr);
    }

    // One frame of the game, the clocks a frame on, the video on screen settled first.
    void Frame()
    {
        ++_frameCount;
        _ticks = int64_t(std::llround(_frameCount * FrameSeconds * TicksPerSecond));
        _timer.Tick();
        _videoSeconds = (_frameCount - 0.5) * FrameSeconds;
        if (auto* video = dynamic_cast<VideoVMR9*>(game.GetRender()->GetVMR9()))
            video->Settle();
        game.Proceed();
    }
    // Runs frames until `done`, for at most `frames` frames; false when they ran out.
    template <class Done>
    bool RunUntil(int frames, Done done)
    {
        for (int i = 0; !done(); ++i)
        {
            if (i == frames)
                return false;
            Frame();
        }
        return true;
    }
    double VideoSeconds() const { return _videoSeconds.load(); }
    const char* Current() const { return _frames->GetCurrent() ? _frames->GetCurrent()->GetName() : ""; }

    GameFrameManager* _frames = nullptr;

private:
    int64_t _ticks = 0;
    int _frameCount = 0;
    std::atomic<double> _videoSeconds{0.0};
    Timer _timer;
};

class IntroTest : public SteppedGameTest
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
        StartGame(_window->GetHandle(), false);
    }
    void TearDown() override
    {
        ShutDownGame();
        _window.reset();
    }

    GameDataFolder _data;
    std::unique_ptr<Window> _window;
    LogWatch _log;
};

// The game on data whose movies cannot play (an empty intro, a background that is no video,
// one that is sound only), in a working folder of its own.
class BrokenMoviesTest : public SteppedGameTest
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
        ShutDownGame();
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
        Frame();
        Frame();
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

    // Halfway through the 2.4-second video the emblem is at full light.
    ASSERT_TRUE(RunUntil(100, [&] { return VideoSeconds() + FrameSeconds > 1.2; }));
    const std::filesystem::path shotPath = _data.GetPath() / "screenshots" / "screen0000.bmp";
    render->TakeScreenShot();
    Frame();
    Screenshot shot;
    ASSERT_TRUE(shot.Load(shotPath));
    ASSERT_STREQ(Current(), "videoIntro");
    ASSERT_EQ(shot.width, 1024);
    ASSERT_EQ(shot.height, 768);
    EXPECT_GT(shot.At(512, 384) >> 16 & 0xFF, 150u) << std::hex << shot.At(512, 384);
    // Black bands of 96 rows above and below the picture; the emblem's centre in its middle.
    for (int x : {10, 512, 1000})
    {
        EXPECT_LT(Brightest(shot.At(x, 40)), 8) << x;
        EXPECT_LT(Brightest(shot.At(x, 730)), 8) << x;
    }

    // The frame on which the video's end is seen moves on to the main menu.
    ASSERT_TRUE(RunUntil(100, [&] { return _frames->GetStatus() == GameFrameManager::FADE_OUT; }));
    EXPECT_EQ(_frames->GetNext(), _frames->FindFrameByName("main_menu"));
    EXPECT_GE(VideoSeconds(), 2.4) << "not before the video's end";
    EXPECT_LT(VideoSeconds(), 2.4 + FrameSeconds) << "at the first frame after it";
    ASSERT_TRUE(RunUntil(300, [&] {
        return std::string(Current()) == "main_menu" && _frames->GetStatus() == GameFrameManager::FADE_NONE;
    }));
    EXPECT_NE(render->GetVMR9(), intro) << "the video is let go when it ends; the menu plays its own";
    EXPECT_EQ(_log.Count("frame \"main_menu\" is current"), 1) << "the end switches once";
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(IntroTest, ApplyAfterTheFadeInSkipsToTheMainMenu)
{
    ASSERT_TRUE(RunUntil(300, [&] { return _frames->GetStatus() == GameFrameManager::FADE_NONE; }));
    MaterialSystem* render = game.GetRender();
    const IVideoSource* intro = render->GetVMR9();
    ASSERT_NE(intro, nullptr) << "the video still plays";
    _frames->funcSelectApply();
    EXPECT_EQ(_frames->GetStatus(), GameFrameManager::FADE_OUT);
    EXPECT_EQ(_frames->GetNext(), _frames->FindFrameByName("main_menu"));
    ASSERT_TRUE(RunUntil(300, [&] { return std::string(Current()) == "main_menu"; }));
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
    ASSERT_TRUE(RunUntil(100, [&] { return VideoSeconds() > 2.0; }));
    ASSERT_EQ(game.GetRender()->GetVMR9(), intro);
    EXPECT_TRUE(intro->GetSound()->IsPlaying()) << "to the end of the video";
    ASSERT_TRUE(RunUntil(300, [&] {
        return std::string(Current()) == "main_menu" && _frames->GetStatus() == GameFrameManager::FADE_NONE;
    }));
    EXPECT_EQ(sound->GetVideoSoundCount(), 0u) << "its sound went with it";
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

// A video that cannot play leaves the intro black for its moment, and the screen behind a
// menu black, not covered in the missing texture's pattern; the logged line stays.
TEST_F(BrokenMoviesTest, AnIntroThatCannotPlayIsBlack)
{
    StartGame(_window->GetHandle(), false);
    // Every frame of the intro, through its fades, until the main menu takes over.
    int frameCount = 0, brightest = 0;
    for (; frameCount < 300 && std::string(Current()) == "videoIntro"; ++frameCount)
    {
        const Screenshot shot = Shoot();
        ASSERT_EQ(shot.width, 1024);
        if (std::string(Current()) == "videoIntro")
            brightest = std::max(brightest, BrightPixels(shot));
    }
    EXPECT_GT(frameCount, 2);
    EXPECT_EQ(brightest, 0);
    EXPECT_GE(_log.Count("Can`t initialize vmr9"), 1);
}

TEST_F(BrokenMoviesTest, AMenuBackgroundThatCannotPlayIsBlack)
{
    StartGame(_window->GetHandle(), true);
    ASSERT_TRUE(RunUntil(200, [&] { return _frames->GetStatus() == GameFrameManager::FADE_NONE; }));
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
