#include "InputTestSupport.h"

#include "platform/input/SdlJoystick.h"
#include "services/input/InputCodes.h"
#include "services/input/InputConfig.h"
#include "services/input/InputSystem.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr unsigned long J = INPUT_JOYSTICK;

// An SDL virtual joystick: 8 axes, 32 buttons, 1 hat.
class JoystickInputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
        _index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_FLIGHT_STICK, 8, 32, 1);
        ASSERT_GE(_index, 0) << SDL_GetError();
        _stick = SDL_JoystickOpen(_index);
        ASSERT_NE(_stick, nullptr) << SDL_GetError();
        log.Clear();
        input = std::make_unique<RecordingInput>(WindowHandle{});
        input->SetConfig(&config);
    }
    void TearDown() override
    {
        // The last seen button states outlive the input system; leave them all up.
        if (input)
        {
            for (int b = 0; b < 32; ++b)
                SDL_JoystickSetVirtualButton(_stick, b, 0);
            input->Frame();
        }
        input.reset();
        if (_stick)
            SDL_JoystickClose(_stick);
        if (_index >= 0)
            SDL_JoystickDetachVirtual(_index);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    void Axis(int axis, Sint16 value) { SDL_JoystickSetVirtualAxis(_stick, axis, value); }
    void Button(int button, bool down) { SDL_JoystickSetVirtualButton(_stick, button, down ? 1 : 0); }
    void Hat(Uint8 value) { SDL_JoystickSetVirtualHat(_stick, 0, value); }

    LogCapture log;
    InputConfig config;
    std::unique_ptr<RecordingInput> input;
    int _index = -1;
    SDL_Joystick* _stick = nullptr;
};

TEST_F(JoystickInputTest, OpensTheJoystickAndLogsIt)
{
    EXPECT_TRUE(input->IsJoystick());
    const InputInfo& info = input->GetInputInfo();
    EXPECT_TRUE(info.joystick);
    EXPECT_TRUE(info.keyboard);
    EXPECT_TRUE(info.mouse);
    EXPECT_FALSE(info.forceFeedback);
    EXPECT_STRNE(info.joystickName, "");
    EXPECT_TRUE(log.Contains(std::string("Joystick \"") + info.joystickName + "\" GUID "));
    EXPECT_TRUE(log.Contains("8 axes, 32 buttons, 1 hats"));
    EXPECT_FALSE(log.Contains("No joystick"));

    char name[32];
    EXPECT_TRUE(input->GetObjectInfo(J, 0, name, sizeof(name)));
    EXPECT_STREQ(name, "Joystick button 1");
    EXPECT_TRUE(input->GetObjectInfo(J, 33, name, sizeof(name)));
    EXPECT_STREQ(name, "POV right");
    EXPECT_FALSE(input->GetObjectInfo(J, 36, name, sizeof(name)));
}

TEST(NoJoystickTest, OneLineSaysThatNoneIsAttached)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    const int attached = SDL_NumJoysticks();
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    if (attached > 0)
        GTEST_SKIP() << "a joystick is attached";
    LogCapture log;
    log.Clear();
    InputSystem input(WindowHandle{});
    EXPECT_FALSE(input.IsJoystick());
    int lines = 0;
    for (const std::string& line : log.Lines())
        lines += line.find("No joystick is attached") != std::string::npos;
    EXPECT_EQ(lines, 1);
}

TEST_F(JoystickInputTest, AxesAreScaledToTheirSlots)
{
    Axis(0, 32767);
    Axis(1, -32768);
    Axis(2, 16384);
    Axis(3, -16384);
    Axis(6, 32767);
    Axis(7, -32767);
    input->Frame();
    EXPECT_EQ(input->GetJoyX(), 1000);
    EXPECT_EQ(input->GetJoyY(), -1000);
    EXPECT_EQ(input->GetJoyZ(), 500);
    EXPECT_EQ(input->GetJoyRX(), -500);
    EXPECT_EQ(input->GetJoySlider1(), 1000);
    EXPECT_EQ(input->GetJoySlider2(), -1000);
    EXPECT_EQ(input->GetAxis(AXIS_JOY_X, true), 1000);

    config.SetAxisEvent(J, "Speed", AXIS_JOY_SLIDER1);
    Axis(6, 0);
    input->Frame();
    EXPECT_EQ(input->GetAxis(J, "Speed", false), 0);
    EXPECT_EQ(input->GetAxis(J, "Speed", true), -1000);
    EXPECT_EQ(input->GetAxis(AXIS_JOY_X, true), 0);
}

TEST_F(JoystickInputTest, DeadZoneTakesEffectOnTheNextFrameAndDropsHeldButtons)
{
    Axis(0, 8000);
    Button(5, true);
    input->Frame();
    EXPECT_EQ(input->GetJoyX(), 244);
    EXPECT_TRUE(input->IsKeyEvent(J, 5, BUTTON_HELD));

    config.SetDeadZone(2500); // a quarter of the range around the centre
    input->Frame();
    EXPECT_EQ(input->GetJoyX(), 0);
    EXPECT_FALSE(input->IsKeyEvent(J, 5, BUTTON_HELD));
    EXPECT_TRUE(input->transitions.empty());

    Axis(0, -32767);
    input->Frame();
    EXPECT_EQ(input->GetJoyX(), -1000);
}

TEST(JoystickScalingTest, DeadZoneStretchesTheRestOfTheRange)
{
    const struct
    {
        int raw, deadZone, expected;
    } cases[] = {
        {0, 0, 0},         {32767, 0, 1000},  {-32768, 0, -1000},  {16384, 0, 500},
        {3276, 1000, 0},   {-3276, 1000, 0},  {32767, 1000, 1000}, {18022, 1000, 500},
        {32767, 10000, 0}, {32767, -5, 1000}, {32767, 20000, 0},   {-18022, 1000, -500},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScaleJoystickAxis(c.raw, c.deadZone), c.expected) << c.raw << " dead zone " << c.deadZone;
}

TEST_F(JoystickInputTest, HatDirectionsPressAndRelease)
{
    input->Frame(); // centred: nothing
    EXPECT_TRUE(input->transitions.empty());

    Hat(SDL_HAT_RIGHTUP);
    input->Frame();
    EXPECT_EQ(input->transitions, (std::vector<Transition>{{1, J | 32}, {1, J | 33}}));

    Hat(SDL_HAT_RIGHT);
    input->Frame();
    EXPECT_EQ(input->transitions, (std::vector<Transition>{{0, J | 32}}));
    EXPECT_TRUE(input->IsKeyEvent(J, 33, BUTTON_HELD));

    Hat(SDL_HAT_LEFTDOWN);
    input->Frame();
    EXPECT_EQ(input->transitions, (std::vector<Transition>{{1, J | 34}, {1, J | 35}, {0, J | 33}}));

    Hat(SDL_HAT_CENTERED);
    input->Frame();
    EXPECT_EQ(input->transitions, (std::vector<Transition>{{0, J | 34}, {0, J | 35}}));
    EXPECT_EQ(input->GetLastBtn(0xFFFFFFFF), J | 34);
}

TEST_F(JoystickInputTest, ButtonsReportTransitions)
{
    config.SetButtonEvent(J, "Fire1", 0);
    config.SetButtonEvent(J, "Boost", J | 31);
    Button(0, true);
    Button(31, true);
    input->Frame();
    EXPECT_EQ(input->transitions, (std::vector<Transition>{{1, J | 0}, {1, J | 31}}));
    EXPECT_TRUE(input->IsKeyEvent("Fire1", BUTTON_PRESSED));
    EXPECT_TRUE(input->IsKeyEvent(J, "Boost", BUTTON_HELD));

    input->Frame();
    EXPECT_TRUE(input->transitions.empty());
    EXPECT_TRUE(input->IsKeyEvent("Fire1", BUTTON_HELD));

    Button(0, false);
    input->Frame();
    EXPECT_EQ(input->transitions, (std::vector<Transition>{{0, J | 0}}));
    EXPECT_TRUE(input->IsKeyEvent("Fire1", BUTTON_RELEASED));
    EXPECT_FALSE(input->IsKeyEvent("Fire1", BUTTON_HELD));
    EXPECT_TRUE(input->IsKeyEvent("Boost", BUTTON_HELD));
}

TEST_F(JoystickInputTest, UnpluggedJoystickForgetsHeldButtons)
{
    Button(2, true);
    input->Frame();
    EXPECT_TRUE(input->IsKeyEvent(J, 2, BUTTON_HELD));
    ASSERT_EQ(SDL_JoystickDetachVirtual(_index), 0) << SDL_GetError();
    _index = -1;
    input->Frame();
    EXPECT_FALSE(input->IsKeyEvent(J, 2, BUTTON_HELD));
    EXPECT_TRUE(input->transitions.empty());

    // A new device after a restart: the button's last seen state was kept, so its release shows.
    SDL_JoystickClose(_stick);
    _index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_FLIGHT_STICK, 8, 32, 1);
    ASSERT_GE(_index, 0) << SDL_GetError();
    _stick = SDL_JoystickOpen(_index);
    input->RestartSystem();
    input->Frame();
    EXPECT_EQ(input->transitions, (std::vector<Transition>{{0, J | 2}}));
}

} // namespace
