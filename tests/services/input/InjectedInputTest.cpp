#include "InputTestSupport.h"

#include "platform/input/SdlInputSource.h"
#include "services/input/InputCodes.h"
#include "services/input/InputSystem.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A window-less input system fed by another toolkit's events, as the settings program feeds it.
struct InjectedRig
{
    InjectedRig()
    {
        auto owned = std::make_unique<SdlInputSource>(WindowHandle{});
        source = owned.get();
        input = std::make_unique<RecordingInput>(std::move(owned));
    }
    SdlInputSource* source;
    std::unique_ptr<RecordingInput> input;
};

TEST(InjectedInputTest, KeysAndButtonsBecomeTheEnginesCodes)
{
    InjectedRig rig;
    rig.source->InjectKey(25, true);
    rig.source->InjectMouseButton(1, true);
    rig.source->InjectKey(25, false);
    rig.input->Frame();
    const std::vector<Transition> expected = {
        {1, INPUT_KEYBOARD | 25}, {0, INPUT_KEYBOARD | 25}, {1, INPUT_MOUSE | 13}};
    EXPECT_EQ(rig.input->transitions, expected);
    EXPECT_EQ(rig.input->GetLastBtn(INPUT_MOUSE), INPUT_MOUSE | 13);
    EXPECT_TRUE(rig.input->IsKeyEvent(INPUT_MOUSE, 13, BUTTON_HELD));

    // Codes outside the devices' ranges are dropped.
    rig.source->InjectKey(0, true);
    rig.source->InjectKey(256, true);
    rig.source->InjectMouseButton(4, true);
    rig.source->InjectMouseButton(-1, true);
    rig.input->Frame();
    EXPECT_TRUE(rig.input->transitions.empty());
}

TEST(InjectedInputTest, MotionAccumulatesIntoTheMouseAxes)
{
    InjectedRig rig;
    rig.source->InjectMouseMotion(30, -4, 0);
    rig.source->InjectMouseMotion(90, 0, 120);
    rig.input->Frame();
    EXPECT_EQ(rig.input->GetAxis(AXIS_MOUSE_X, false), 120);
    EXPECT_EQ(rig.input->GetAxis(AXIS_MOUSE_Y, false), -4);
    EXPECT_EQ(rig.input->GetAxis(AXIS_MOUSE_W, false), 120);

    rig.source->InjectMouseMotion(-20, 0, -240);
    rig.input->Frame();
    EXPECT_EQ(rig.input->GetAxis(AXIS_MOUSE_X, false), 100);
    EXPECT_EQ(rig.input->GetAxis(AXIS_MOUSE_X, true), -20);
    EXPECT_EQ(rig.input->GetAxis(AXIS_MOUSE_W, false), -120);
}

} // namespace
