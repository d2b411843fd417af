#include "services/input/InputCodes.h"
#include "services/input/InputConfig.h"
#include "platform/input/InputSource.h"
#include "services/input/InputSystem.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A device source driven by the test, as a toolkit without SDL would feed the input system.
class ScriptedSource : public IInputSource
{
public:
    bool focus = true;
    bool keyboardLost = false;
    bool hasMouse = true;
    std::vector<InputRecord> keys, mouse;
    int acquired = 0;

    bool Open(InputDevice device, size_t, std::string& name) override
    {
        name = device == InputDevice::Keyboard ? "Scripted keys" : "Scripted mouse";
        return device == InputDevice::Keyboard || (device == InputDevice::Mouse && hasMouse);
    }
    void Close(InputDevice) override {}
    bool Fetch(InputDevice device, std::vector<InputRecord>& records) override
    {
        if (device == InputDevice::Keyboard && keyboardLost)
            return false;
        auto& queue = device == InputDevice::Keyboard ? keys : mouse;
        records.swap(queue);
        queue.clear();
        return true;
    }
    void Acquire(InputDevice device) override
    {
        ++acquired;
        (device == InputDevice::Keyboard ? keys : mouse).clear();
    }
    bool Poll(JoystickState&) override { return false; }
    void ConfigureJoystick(int, bool) override {}
    bool HasForceFeedback() const override { return false; }
    void StopForceFeedback() override {}
    bool HasFocus() const override { return focus; }
};

struct Rig
{
    Rig()
    {
        auto owned = std::make_unique<ScriptedSource>();
        source = owned.get();
        input = std::make_unique<InputSystem>(std::move(owned));
        input->SetConfig(&config);
    }
    ScriptedSource* source;
    InputConfig config;
    std::unique_ptr<InputSystem> input;
};

TEST(FocusTest, UnfocusedFramesReportNothingStale)
{
    Rig rig;
    rig.source->mouse = {{MOUSE_OFFSET_X, 10}, {MOUSE_OFFSET_BUTTON0, 0x80}};
    rig.source->keys = {{57, 0x80}};
    rig.input->ProcessInputData();
    EXPECT_EQ(rig.input->GetAxis(AXIS_MOUSE_X, true), 10);
    EXPECT_TRUE(rig.input->IsKeyEvent(INPUT_MOUSE, 12, BUTTON_HELD));

    // Focus goes elsewhere; input keeps arriving.
    rig.source->focus = false;
    for (int frame = 0; frame < 2; ++frame)
    {
        rig.source->mouse = {{MOUSE_OFFSET_X, 5}, {MOUSE_OFFSET_BUTTON0, 0}};
        rig.source->keys = {{30, 0x80}};
        rig.input->ProcessInputData();
        EXPECT_EQ(rig.input->GetLastBtn(0xFFFFFFFF), INPUT_NO_CODE);
        EXPECT_EQ(rig.input->GetAxis(AXIS_MOUSE_X, true), 0);
        EXPECT_EQ(rig.input->GetMouseX(), 10);
    }

    // Back in front: nothing that happened meanwhile surfaces, and nothing is held.
    rig.source->focus = true;
    rig.input->ProcessInputData();
    EXPECT_EQ(rig.input->GetLastBtn(0xFFFFFFFF), INPUT_NO_CODE);
    EXPECT_EQ(rig.input->GetMouseX(), 10);
    EXPECT_EQ(rig.input->GetAxis(AXIS_MOUSE_X, true), 0);

    rig.source->keys = {{30, 0x80}};
    rig.input->ProcessInputData();
    EXPECT_TRUE(rig.input->IsKeyEvent(INPUT_KEYBOARD, 30, BUTTON_PRESSED));
}

TEST(DevicesTest, AbsentAndLostDevices)
{
    Rig rig;
    rig.source->hasMouse = false;
    rig.input->RestartSystem();
    EXPECT_TRUE(rig.input->IsKeybord());
    EXPECT_FALSE(rig.input->IsMouse());
    EXPECT_FALSE(rig.input->IsJoystick());
    const InputInfo& info = rig.input->GetInputInfo();
    EXPECT_STREQ(info.keyboardName, "Scripted keys");
    EXPECT_STREQ(info.mouseName, "");
    EXPECT_FALSE(info.mouse);
    EXPECT_FALSE(info.joystick);

    rig.config.SetButtonEvent(INPUT_MOUSE, "Fire1", 12);
    rig.config.SetAxisEvent(INPUT_JOYSTICK, "Yaw", AXIS_JOY_X);
    rig.source->mouse = {{MOUSE_OFFSET_BUTTON0, 0x80}};
    rig.input->ProcessInputData();
    EXPECT_FALSE(rig.input->IsKeyEvent("Fire1", BUTTON_PRESSED));
    EXPECT_EQ(rig.input->GetAxis(INPUT_JOYSTICK, "Yaw", false), 0);
    char name[32];
    EXPECT_FALSE(rig.input->GetObjectInfo(INPUT_MOUSE, 12, name, sizeof(name)));
    EXPECT_FALSE(rig.input->GetObjectInfo(INPUT_JOYSTICK, 0, name, sizeof(name)));

    // A lost keyboard is acquired again and forgets what was held.
    rig.source->keys = {{42, 0x80}};
    rig.input->ProcessInputData();
    EXPECT_TRUE(rig.input->IsKeyEvent(INPUT_KEYBOARD, 42, BUTTON_HELD));
    rig.source->keyboardLost = true;
    const int acquired = rig.source->acquired;
    rig.input->ProcessInputData();
    EXPECT_EQ(rig.source->acquired, acquired + 1);
    EXPECT_FALSE(rig.input->IsKeyEvent(INPUT_KEYBOARD, 42, BUTTON_HELD));
}

} // namespace
