// The frame manager with frames that record what reaches them: the fade's timeline, which events
// get through when, and what switching, reloading and shutting down do to the frames.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "CoreTestSupport.h"
#include "foundation/base/Dumper.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "services/input/InputCodes.h"
#include "services/input/InputConfig.h"
#include "services/input/InputSystem.h"

namespace {
using Events = std::vector<std::string>;

class RecordingFrame : public GameFrame
{
public:
    RecordingFrame(GameFrameManager* manager, const char* name, Events& events)
        : GameFrame(manager, name), _events(events)
    {}

    void EventSelectUp() override { Note("up"); }
    void EventSelectApply() override { Note("apply"); }
    void EventMousePitch(float value) override { Note("pitch " + std::to_string(int(value))); }
    void ProceedKey(const char& key) override { Note("key " + std::to_string(int(key))); }
    void AddChar(const char& ch) override { Note(std::string("char ") + ch); }

protected:
    void UserInitialize() override { Note("init"); }
    void UserProceed(float) override { Note("proceed"); }
    void UserShutDown() override { Note("shutdown"); }

private:
    void Note(const std::string& what) { _events.push_back(std::string(GetName()) + " " + what); }
    Events& _events;
};

// A mouse that moves by what the test queues; no keyboard, no joystick.
class QueuedMouse : public IInputSource
{
public:
    bool Open(InputDevice device, size_t, std::string& name) override
    {
        name = "queued mouse";
        return device == InputDevice::Mouse;
    }
    void Close(InputDevice) override {}
    bool Fetch(InputDevice device, std::vector<InputRecord>& records) override
    {
        if (device == InputDevice::Mouse)
            records.swap(queued);
        queued.clear();
        return true;
    }
    void Acquire(InputDevice) override {}
    bool Poll(JoystickState&) override { return false; }
    void ConfigureJoystick(int, bool) override {}
    bool HasForceFeedback() const override { return false; }
    void StopForceFeedback() override {}
    bool HasFocus() const override { return true; }

    std::vector<InputRecord> queued;
};

class FrameManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        LayerManager::Create(&Dumper::Instance(), nullptr);
        auto mouse = std::make_unique<QueuedMouse>();
        _mouse = mouse.get();
        _input = std::make_unique<InputSystem>(std::move(mouse));
        _bindings.SetAxisEvent(INPUT_MOUSE, "Pitch", AXIS_MOUSE_Y);
        _input->SetConfig(&_bindings);
        _manager = std::make_unique<GameFrameManager>(nullptr, _input.get());
        _manager->Initialize();
        for (const char* name : {"a", "b", "c"})
        {
            _frames.push_back(std::make_unique<RecordingFrame>(_manager.get(), name, _events));
            _manager->AddFrame(_frames.back().get());
        }
    }

    void TearDown() override
    {
        _manager.reset();
        LayerManager::_isConsoleActive = false;
        LayerManager::Release();
    }

    // Runs frames of `seconds` until the fade is over.
    void Settle(float seconds = 0.1f)
    {
        for (int i = 0; i < 20 && _manager->GetStatus() != GameFrameManager::FADE_NONE; ++i)
            _manager->Proceed(seconds);
        ASSERT_EQ(_manager->GetStatus(), GameFrameManager::FADE_NONE);
    }

    GameFrame* Frame(const char* name) { return _manager->FindFrameByName(name); }

    Events _events;
    InputConfig _bindings;
    QueuedMouse* _mouse = nullptr;
    std::unique_ptr<InputSystem> _input;
    std::unique_ptr<GameFrameManager> _manager;
    std::vector<std::unique_ptr<RecordingFrame>> _frames;
};

struct FadeStep
{
    int status;
    float fadeTime;
    const char* current;
    Events events; // what the frames saw during the step
};

void ExpectTimeline(GameFrameManager& manager, Events& events, const std::vector<FadeStep>& steps)
{
    for (size_t i = 0; i < steps.size(); ++i)
    {
        SCOPED_TRACE("step " + std::to_string(i + 1));
        events.clear();
        manager.Proceed(0.1f);
        const FadeStep& step = steps[i];
        EXPECT_EQ(manager.GetStatus(), step.status);
        EXPECT_NEAR(manager.GetFadeTime(), step.fadeTime, 1e-5f);
        ASSERT_NE(manager.GetCurrent(), nullptr);
        EXPECT_STREQ(manager.GetCurrent()->GetName(), step.current);
        EXPECT_EQ(events, step.events);
        SpriteLayer* fade = manager.GetFadeLayer();
        EXPECT_EQ(fade->GetVisible(), step.status != GameFrameManager::FADE_NONE);
    }
}
} // namespace

TEST_F(FrameManagerTest, FirstFrameStartsAtFullCoverAndSwitchesHappenAtFullCoverInTenthSecondSteps)
{
    _manager->SetActive("a");
    EXPECT_EQ(_events, Events({"a init"}));
    EXPECT_EQ(_manager->GetStatus(), GameFrameManager::FADE_IN);
    EXPECT_FLOAT_EQ(_manager->GetFadeTime(), 0.5f);
    ExpectTimeline(*_manager, _events,
                   {
                       {2, 0.4f, "a", {"a proceed"}},
                       {2, 0.3f, "a", {"a proceed"}},
                       {2, 0.2f, "a", {"a proceed"}},
                       {2, 0.1f, "a", {"a proceed"}},
                       {0, 0.0f, "a", {"a proceed"}},
                   });

    _events.clear();
    _manager->SetActive("b");
    EXPECT_TRUE(_events.empty()) << "nothing switches before the screen is covered";
    EXPECT_EQ(_manager->GetNext(), Frame("b"));
    // The old frame runs while the screen covers; the switch and the first step back happen in
    // the call that reaches full cover.
    ExpectTimeline(*_manager, _events,
                   {
                       {1, 0.1f, "a", {"a proceed"}},
                       {1, 0.2f, "a", {"a proceed"}},
                       {1, 0.3f, "a", {"a proceed"}},
                       {1, 0.4f, "a", {"a proceed"}},
                       {2, 0.4f, "b", {"a proceed", "a shutdown", "b init"}},
                       {2, 0.3f, "b", {"b proceed"}},
                       {2, 0.2f, "b", {"b proceed"}},
                       {2, 0.1f, "b", {"b proceed"}},
                       {0, 0.0f, "b", {"b proceed"}},
                   });
    EXPECT_EQ(_manager->GetPrev(), Frame("a"));
}

// Which events reach the current frame in each situation.
struct GatingCase
{
    const char* situation;
    bool console;
    bool fading;
    bool navigation, mouse, key, ch;
};

class FrameGating : public FrameManagerTest, public testing::WithParamInterface<GatingCase>
{};

TEST_P(FrameGating, PassesOnlyWhatTheSituationAllows)
{
    const GatingCase& test = GetParam();
    _manager->SetActive("a");
    Settle();
    if (test.fading)
        _manager->SetActive("b");
    LayerManager::_isConsoleActive = test.console;
    _events.clear();

    _manager->funcSelectApply();
    _manager->funcSelectUp();
    _mouse->queued.push_back({MOUSE_OFFSET_Y, 5});
    _input->ProcessInputData();
    _manager->Proceed(0.0f);
    _manager->ProceedKey(13);
    _manager->AddChar('x');

    Events expected;
    if (test.navigation)
        expected.insert(expected.end(), {"a apply", "a up"});
    if (test.mouse)
        expected.push_back("a pitch 5");
    expected.push_back("a proceed");
    if (test.key)
        expected.push_back("a key 13");
    if (test.ch)
        expected.push_back("a char x");
    EXPECT_EQ(_events, expected);
}

INSTANTIATE_TEST_SUITE_P(Situations, FrameGating,
                         testing::Values(GatingCase{"settled", false, false, true, true, true, true},
                                         GatingCase{"console_open", true, false, false, true, false, false},
                                         GatingCase{"fading", false, true, false, false, true, true},
                                         GatingCase{"fading_console_open", true, true, false, false, false, false}),
                         [](const testing::TestParamInfo<GatingCase>& info) { return info.param.situation; });

TEST_F(FrameManagerTest, TheConsoleKeyOpensAndClosesTheConsoleAndItsCharacterGoesNowhere)
{
    _manager->SetActive("a");
    Settle();
    _events.clear();
    const char key = char(GameFrameManager::ConsoleKey);
    _manager->ProceedKey(key);
    _manager->AddChar('`');
    EXPECT_TRUE(LayerManager::IsConsoleActive());
    _manager->ProceedKey(key);
    _manager->AddChar('~');
    EXPECT_FALSE(LayerManager::IsConsoleActive());
    EXPECT_TRUE(_events.empty()) << "neither the key nor its character reach the frame";

    _manager->AddChar('`');
    EXPECT_EQ(_events, Events({"a char `"})) << "a back quote typed otherwise is a character like any other";
}

TEST_F(FrameManagerTest, NothingReachesAFrameWhileNoneIsCurrent)
{
    _manager->funcSelectApply();
    _manager->funcMousePitch(3);
    _manager->ProceedKey(13);
    _manager->AddChar('x');
    _manager->Proceed(0.1f);
    EXPECT_TRUE(_events.empty());
}

TEST_F(FrameManagerTest, NewTargetDuringAFadeRestartsTheFadeOutTowardsIt)
{
    _manager->SetActive("a");
    Settle();
    _manager->SetActive("b");
    _manager->Proceed(0.3f);
    _manager->SetActive("c");
    EXPECT_EQ(_manager->GetStatus(), GameFrameManager::FADE_OUT);
    EXPECT_FLOAT_EQ(_manager->GetFadeTime(), 0.0f);
    _events.clear();
    Settle();
    EXPECT_STREQ(_manager->GetCurrent()->GetName(), "c");
    for (const std::string& event : _events)
        EXPECT_NE(event, "b init");
}

TEST_F(FrameManagerTest, ActivatingTheCurrentFrameFadesAndRestartsIt)
{
    _manager->SetActive("a");
    Settle();
    _events.clear();
    _manager->SetActive("a");
    Settle();
    EXPECT_EQ(std::count(_events.begin(), _events.end(), "a shutdown"), 1);
    EXPECT_EQ(std::count(_events.begin(), _events.end(), "a init"), 1);
}

TEST_F(FrameManagerTest, UnknownNameIsLoggedAndKeepsTheCurrentFrame)
{
    _manager->SetActive("a");
    Settle();
    LogWatch log;
    _manager->SetActive("unknwon");
    EXPECT_EQ(log.Warnings(), 1);
    EXPECT_EQ(log.Count("unknwon"), 1);
    EXPECT_EQ(_manager->GetStatus(), GameFrameManager::FADE_NONE);
    Settle();
    EXPECT_STREQ(_manager->GetCurrent()->GetName(), "a");
}

TEST_F(FrameManagerTest, ReloadsRestartAFrameWithoutAFade)
{
    _manager->SetActive("a");
    Settle();
    _events.clear();
    _manager->ReloadCurrentFrame();
    _manager->ReloadFrameByName("b");
    _manager->ReloadFrameByName("none");
    EXPECT_EQ(_events, Events({"a shutdown", "a init", "b shutdown", "b init"}));
    EXPECT_EQ(_manager->GetStatus(), GameFrameManager::FADE_NONE);
    EXPECT_STREQ(_manager->GetCurrent()->GetName(), "a");
}

TEST_F(FrameManagerTest, ShutDownShutsTheCurrentFrameOnceAndRemovesTheFadeLayer)
{
    _manager->SetActive("a");
    Settle();
    _events.clear();
    _manager->ShutDown();
    _manager->ShutDown();
    EXPECT_EQ(_events, Events({"a shutdown"}));
    EXPECT_EQ(_manager->GetCurrent(), nullptr);
    EXPECT_EQ(_manager->GetFadeLayer(), nullptr);
    EXPECT_EQ(LayerManager::GetOverlay()->GetChildByName("back"), nullptr);
}

TEST(GameFrame, NameIsCutToSixtyThreeCharacters)
{
    class Blank : public GameFrame
    {
    public:
        using GameFrame::GameFrame;

    protected:
        void UserInitialize() override {}
        void UserProceed(float) override {}
        void UserShutDown() override {}
    };
    LogWatch log;
    const std::string longName(80, 'n');
    Blank frame(nullptr, longName.c_str());
    EXPECT_EQ(std::string(frame.GetName()), longName.substr(0, 63));
    EXPECT_EQ(log.Warnings(), 1);
}
