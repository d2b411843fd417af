#pragma once
// The game started on the empty frame on the assembled data in a scratch working folder of its
// own (with an empty "profiles/" folder), under a display, on a clock of the test's: every frame
// lasts exactly a thirtieth of a second, for the game and for its movies alike.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "CoreTestSupport.h"
#include "foundation/base/Timer.h"

class GameFrame;
class GameFrameManager;
class Window;

class MenuTest : public testing::Test
{
protected:
    static constexpr float FrameSeconds = 1.0f / 30.0f;

    MenuTest();
    ~MenuTest() override;
    void SetUp() override;
    void TearDown() override;

    // The game on the window and the test's clock, and its shut-down (which saves the pilots).
    void StartGame();
    void TearDownGame();
    // Runs frames of the game.
    void Frames(int count = 1);
    // Runs frames until no fade is under way. Callers assert on the result, so that a test
    // never goes on with a frame it did not reach: ASSERT_TRUE(Open("main_menu")).
    [[nodiscard]] testing::AssertionResult Settle();
    // Switches to the frame and runs until its fade has ended.
    [[nodiscard]] testing::AssertionResult Open(const char* frame);
    // Navigation by letter (U, D, L, R, A for Apply, X for Decline, B for Backspace) and typed
    // text between quotes, through the frame manager: "A'Vera'A" applies, types Vera and applies
    // again. A frame runs after each event and each character.
    void Press(const std::string& keys);
    const char* Current() const;
    template <class T>
    T* Frame(const char* name) const
    {
        return dynamic_cast<T*>(FindFrame(name));
    }
    // A screenshot of the next frame, kept beside the test program as "<name>.bmp"; 0xRRGGBB
    // pixels, top row first.
    struct Picture
    {
        int width = 0, height = 0;
        std::vector<uint32_t> rgb;
        uint32_t At(int x, int y) const { return rgb[size_t(y) * width + x]; }
        // Pixels of the rectangle (screen pixels) that pass the test.
        int Count(int x, int y, int w, int h, bool (*test)(uint32_t)) const;
    };
    Picture Shoot(const std::string& name);

    GameFrame* FindFrame(const char* name) const;

    LogWatch _log;
    std::unique_ptr<GameDataFolder> _data;
    std::unique_ptr<Window> _window;
    GameFrameManager* _frames = nullptr;

private:
    std::filesystem::path _testFolder; // where screenshots are kept
    int64_t _ticks = 0;
    double _movieSeconds = 0.0;
    Timer _timer;
    int _shots = 0;
};
