#include "InputTestSupport.h"

#include "services/input/InputCodes.h"
#include "services/input/InputConfig.h"
#include "services/input/InputSystem.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

void PushKey(SDL_Scancode scancode, bool down, bool repeat = false)
{
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.repeat = repeat;
    e.key.keysym.scancode = scancode;
    ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
}

void PushMouseButton(Uint8 button, bool down)
{
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.button = button;
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
}

void PushMotion(int dx, int dy)
{
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.xrel = dx;
    e.motion.yrel = dy;
    ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
}

void PushWheel(int y, bool flipped = false)
{
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.y = y;
    e.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
    ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
}

// Real SDL events pushed into the queue, as the window's event pump would see them.
class SdlEventInputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
        input = std::make_unique<RecordingInput>(WindowHandle{});
        input->SetConfig(&config);
    }
    void TearDown() override
    {
        input.reset();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        SDL_QuitSubSystem(SDL_INIT_EVENTS);
    }

    InputConfig config;
    std::unique_ptr<RecordingInput> input;
};

constexpr unsigned long P = INPUT_KEYBOARD | 25;

TEST_F(SdlEventInputTest, PressAndReleaseWithinOneFrame)
{
    PushKey(SDL_SCANCODE_P, true);
    PushKey(SDL_SCANCODE_P, false);
    input->Frame();
    EXPECT_EQ(input->transitions, (std::vector<Transition>{{1, P}, {0, P}}));
    EXPECT_TRUE(input->IsKeyEvent(INPUT_KEYBOARD, 25, BUTTON_PRESSED));
    EXPECT_TRUE(input->IsKeyEvent(INPUT_KEYBOARD, 25, BUTTON_RELEASED));
    EXPECT_TRUE(input->IsKeyEvent(0, P, BUTTON_CHANGED));
    EXPECT_FALSE(input->IsKeyEvent(INPUT_KEYBOARD, 25, BUTTON_HELD));

    input->Frame();
    EXPECT_EQ(input->GetLastBtn(0xFFFFFFFF), INPUT_NO_CODE);
}

TEST_F(SdlEventInputTest, HeldKeyReportsOneHeldEventPerFrame)
{
    PushKey(SDL_SCANCODE_W, true);
    input->Frame();
    const unsigned long w = INPUT_KEYBOARD | 17;
    EXPECT_TRUE(input->IsKeyEvent(0, w, BUTTON_PRESSED));
    EXPECT_TRUE(input->IsKeyEvent(0, w, BUTTON_CHANGED));
    EXPECT_TRUE(input->IsKeyEvent(0, w, BUTTON_HELD));

    for (int frame = 0; frame < 3; ++frame)
    {
        PushKey(SDL_SCANCODE_W, true, true); // key repeat is not a press
        input->Frame();
        EXPECT_TRUE(input->transitions.empty());
        EXPECT_TRUE(input->IsKeyEvent(0, w, BUTTON_HELD));
        EXPECT_FALSE(input->IsKeyEvent(0, w, BUTTON_PRESSED));
        EXPECT_FALSE(input->IsKeyEvent(0, w, BUTTON_CHANGED));
    }

    PushKey(SDL_SCANCODE_W, false);
    input->Frame();
    EXPECT_TRUE(input->IsKeyEvent(0, w, BUTTON_RELEASED));
    EXPECT_FALSE(input->IsKeyEvent(0, w, BUTTON_HELD));
}

// What the console takes: an ignored key's press and its release, even a frame later, while
// a key held from before keeps its release, and every other key passes.
TEST_F(SdlEventInputTest, AnIgnoredKeyIsKeptFromTheBindingsUntilItsRelease)
{
    const unsigned long w = INPUT_KEYBOARD | 17;
    PushKey(SDL_SCANCODE_W, true);
    input->Frame();
    ASSERT_TRUE(input->IsKeyEvent(0, w, BUTTON_PRESSED));

    input->IgnoreKey(25);
    input->IgnoreKey(17);
    PushKey(SDL_SCANCODE_P, true);
    PushKey(SDL_SCANCODE_A, true);
    input->Frame();
    EXPECT_EQ(input->transitions, (std::vector<Transition>{{1, INPUT_KEYBOARD | 30}}));
    PushKey(SDL_SCANCODE_P, false);
    PushKey(SDL_SCANCODE_W, false);
    input->Frame();
    EXPECT_EQ(input->transitions, (std::vector<Transition>{{0, w}})) << "held before: its release ends it";
    PushKey(SDL_SCANCODE_P, true);
    PushKey(SDL_SCANCODE_P, false);
    input->Frame();
    EXPECT_EQ(input->transitions, (std::vector<Transition>{{1, P}, {0, P}})) << "the next press is the game's";
}

TEST_F(SdlEventInputTest, NamedActionsResolveThroughTheBindings)
{
    config.SetButtonEvent(INPUT_KEYBOARD, "GamePause", 25);
    config.SetButtonEvent(INPUT_KEYBOARD, "PauseToo", INPUT_KEYBOARD | 25);
    config.SetButtonEvent(INPUT_MOUSE, "Fire2", 13);
    PushKey(SDL_SCANCODE_P, true);
    PushMouseButton(SDL_BUTTON_RIGHT, true);
    input->Frame();

    EXPECT_TRUE(input->IsKeyEvent(INPUT_KEYBOARD, "GamePause", BUTTON_PRESSED));
    EXPECT_TRUE(input->IsKeyEvent(INPUT_KEYBOARD, "PauseToo", BUTTON_PRESSED));
    EXPECT_TRUE(input->IsKeyEvent("Fire2", BUTTON_HELD));
    EXPECT_FALSE(input->IsKeyEvent("Fire1", BUTTON_HELD));
    EXPECT_FALSE(input->IsKeyEvent(INPUT_MOUSE, "GamePause", BUTTON_PRESSED));

    EXPECT_EQ(input->GetLastBtn(INPUT_KEYBOARD), P);
    EXPECT_EQ(input->GetLastBtn(INPUT_MOUSE), INPUT_MOUSE | 13);
    EXPECT_EQ(input->GetLastBtn(INPUT_JOYSTICK), INPUT_NO_CODE);

    input->SetConfig(nullptr);
    EXPECT_FALSE(input->IsKeyEvent("GamePause", BUTTON_PRESSED));
}

TEST_F(SdlEventInputTest, MouseMovesAxesAndButtonsMapToOffsets)
{
    config.SetAxisEvent(INPUT_MOUSE, "Yaw", AXIS_MOUSE_X);
    PushMotion(5, -3);
    PushMotion(2, 0);
    PushWheel(2);
    PushWheel(1, true);
    PushMouseButton(SDL_BUTTON_LEFT, true);
    PushMouseButton(SDL_BUTTON_RIGHT, true);
    PushMouseButton(SDL_BUTTON_MIDDLE, true);
    PushMouseButton(SDL_BUTTON_X1, true);
    PushMouseButton(SDL_BUTTON_X2, true); // beyond the four buttons read
    input->Frame();

    EXPECT_EQ(input->GetAxis(AXIS_MOUSE_X, true), 7);
    EXPECT_EQ(input->GetAxis(AXIS_MOUSE_Y, true), -3);
    EXPECT_EQ(input->GetMouseW(), 120);
    EXPECT_EQ(input->GetAxis(INPUT_MOUSE, "Yaw", true), 7);
    EXPECT_EQ(input->GetAxis(INPUT_JOYSTICK, "Yaw", true), 0);
    EXPECT_EQ(input->transitions,
              (std::vector<Transition>{
                  {1, INPUT_MOUSE | 12}, {1, INPUT_MOUSE | 13}, {1, INPUT_MOUSE | 14}, {1, INPUT_MOUSE | 15}}));

    PushMotion(-1, 0);
    input->Frame();
    EXPECT_EQ(input->GetAxis(AXIS_MOUSE_X, true), -1);
    EXPECT_EQ(input->GetMouseX(), 6);
    EXPECT_EQ(input->GetAxis(AXIS_MOUSE_Y, true), 0);
    EXPECT_EQ(input->GetMouseY(), -3);
    EXPECT_TRUE(input->IsKeyEvent(INPUT_MOUSE, 12, BUTTON_HELD));
}

TEST_F(SdlEventInputTest, BuffersKeepTheirCapacityPerFrame)
{
    for (int i = 0; i < 50; ++i)
    {
        PushKey(SDL_SCANCODE_SPACE, true);
        PushKey(SDL_SCANCODE_SPACE, false);
        PushMouseButton(SDL_BUTTON_LEFT, true);
        PushMouseButton(SDL_BUTTON_LEFT, false);
        PushMouseButton(SDL_BUTTON_RIGHT, true);
        PushMouseButton(SDL_BUTTON_RIGHT, false);
        PushMotion(1, 0); // a run of motion on one axis takes one record
    }
    input->Frame();
    size_t keys = 0, buttons = 0;
    for (const Transition& t : input->transitions)
        (t.second & INPUT_KEYBOARD ? keys : buttons)++;
    EXPECT_EQ(keys, 64u);
    EXPECT_EQ(buttons, 128u - 25u); // motion records took the rest

    input->Frame();
    EXPECT_TRUE(input->transitions.empty());
}

TEST_F(SdlEventInputTest, FastDiagonalMotionLeavesRoomForClicks)
{
    for (int i = 0; i < 200; ++i)
        PushMotion(1, -1);
    PushMouseButton(SDL_BUTTON_LEFT, true);
    input->Frame();
    EXPECT_EQ(input->GetAxis(AXIS_MOUSE_X, true), 200);
    EXPECT_EQ(input->GetAxis(AXIS_MOUSE_Y, true), -200);
    EXPECT_TRUE(input->IsKeyEvent(INPUT_MOUSE, 12, BUTTON_PRESSED));
}

TEST_F(SdlEventInputTest, NamesOfButtonsAndAxes)
{
    char name[64];
    EXPECT_TRUE(input->GetObjectInfo(INPUT_KEYBOARD, 25, name, sizeof(name)));
    EXPECT_STREQ(name, "P");
    EXPECT_TRUE(input->GetObjectInfo(INPUT_KEYBOARD, INPUT_KEYBOARD | 211, name, sizeof(name)));
    EXPECT_STREQ(name, "Delete");
    EXPECT_TRUE(input->GetObjectInfo(INPUT_MOUSE, 13, name, sizeof(name)));
    EXPECT_STREQ(name, "Mouse button 2");
    EXPECT_FALSE(input->GetObjectInfo(INPUT_MOUSE, 16, name, sizeof(name)));
    EXPECT_FALSE(input->GetObjectInfo(INPUT_KEYBOARD, 0x54, name, sizeof(name))); // no key there
    EXPECT_FALSE(input->GetObjectInfo(12345, 1, name, sizeof(name)));

    const struct
    {
        unsigned long device, index;
        const char* name;
    } axes[] = {{INPUT_MOUSE, 0, "MouseX"},    {INPUT_MOUSE, 2, "MouseW"},    {INPUT_MOUSE, 3, nullptr},
                {INPUT_JOYSTICK, 2, nullptr},  {INPUT_JOYSTICK, 3, "JoyX"},   {INPUT_JOYSTICK, 6, "JoySlider1"},
                {INPUT_JOYSTICK, 10, "JoyRZ"}, {INPUT_JOYSTICK, 11, nullptr}, {INPUT_KEYBOARD, 0, nullptr}};
    for (const auto& axis : axes)
    {
        const bool found = input->GetAxisName(axis.device, axis.index, name, sizeof(name));
        EXPECT_EQ(found, axis.name != nullptr) << axis.device << " " << axis.index;
        if (found)
        {
            EXPECT_STREQ(name, axis.name);
        }
    }
    char small[4];
    EXPECT_TRUE(input->GetAxisName(INPUT_JOYSTICK, 6, small, sizeof(small)));
    EXPECT_STREQ(small, "Joy");
    EXPECT_EQ(input->GetAxis(11, false), 0);
    EXPECT_EQ(input->GetAxis(11, true), 0);
}

} // namespace
