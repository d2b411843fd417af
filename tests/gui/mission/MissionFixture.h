#pragma once
// The game started on its assembled data in a hidden window, with a pilot chosen, for driving
// the mission screens frame by frame.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "CoreTestSupport.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"

class FrameClock;
class LevelDesc;
class UserProfile;
class Window;

class MissionScreenTest : public testing::Test
{
protected:
    MissionScreenTest();
    ~MissionScreenTest() override;
    void SetUp() override;
    void TearDown() override;

    // Movies that log each call the game makes on them instead of drawing, set before SetUp:
    // Calls() reads the lines back.
    void RecordMovies(std::initializer_list<const char*> movies) { _recorded.assign(movies.begin(), movies.end()); }
    // The calls logged since the last read, as "movie: Function(arg,...)", texts quoted.
    std::vector<std::string> Calls();
    // How many read lines name the function.
    static int Count(const std::vector<std::string>& calls, const std::string& text);

    // Switches to the frame and runs frames until the fade has settled. Callers assert on it,
    // so that no test goes on with another frame: ASSERT_TRUE(Enter("stock_ex")).
    [[nodiscard]] testing::AssertionResult Enter(const char* name);
    // Steps until the frame is current and settled; false when it did not come.
    bool StepUntil(const char* name, int frames = 80);
    // Frames of the game's frame manager only (the current screen and the fade), `seconds` each.
    void Step(int frames = 1, float seconds = 0.05f);
    // Whole game frames (layers, movies, drawing), for screenshots. Game and movie time move a
    // tenth of a second a frame, whatever the machine's speed.
    void RunGame(int frames);
    // A screenshot of the next game frame, kept beside the test program as "<name>.bmp".
    void Screenshot(const char* name);
    const char* Current() const;
    // The frame the manager is fading out to, or "" when it is not leaving the current one.
    const char* Next() const;
    template <class T>
    T* Frame(const char* name) const
    {
        return dynamic_cast<T*>(_frames->FindFrameByName(name));
    }
    // The mission frame has the first offer's files ("lvl00") and reads them without an error.
    void ExpectFirstMissionFlown();
    // The pilot's free offer 0 ("lvl00", solo) or 1 ("lvl12", eight pirates).
    LevelDesc* Offer(int index) const;

    GameDataFolder _data;
    std::unique_ptr<Window> _window;
    GameFrameManager* _frames = nullptr;
    UserProfile* _pilot = nullptr;
    std::vector<std::string> _recorded;
    double _movieSeconds = 0.0;
    std::unique_ptr<FrameClock> _gameClock; // until a test installs a clock of its own
    size_t _read = 0;
    LogWatch _log;
};
