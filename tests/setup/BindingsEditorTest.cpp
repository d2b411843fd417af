#include "SetupTestSupport.h"

#include "platform/input/SdlInputSource.h"
#include "setup/BindingsEditor.h"
#include "setup/SetupController.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

constexpr unsigned long K = INPUT_KEYBOARD, M = INPUT_MOUSE, J = INPUT_JOYSTICK;

// Rows of the grid.
enum
{
    YAW_PLUS = 0,
    ROLL_PLUS = 4,
    ROLL_MINUS = 5,
    FIRE1 = 6,
    FIRE2 = 7,
    SPEED_UP = 13,
    SPEED_DOWN = 14,
};

// Scan codes.
enum
{
    KEY_ESC = 1,
    KEY_W = 17,
    KEY_ENTER = 28,
    KEY_A = 30,
    KEY_DELETE = 211,
};

constexpr const char* kBindings = "[Keyboard]\nCount=4\nValue0=Fire1(57)\nValue1=SpeedUp(17)\nValue2=Yaw+(32)\n"
                                  "Value3=Boost(4113)\n"
                                  "[Mouse]\nCount=2\nValue0=Fire1(12)\nValue1=Roll+(13)\n"
                                  "[Joystick]\nCount=1\nDeadZone=500\nValue0=Fire2(1)\n"
                                  "[MouseAxis]\nCount=2\nValue0=Yaw(0)\nValue1=Pitch(1)\n"
                                  "[JoystickAxis]\nCount=1\nValue0=Speed(6)\n";

class BindingsEditorTest : public ::testing::Test
{
protected:
    BindingsEditorTest()
    {
        folder.Write("config.ini", kBindings);
        editor = std::make_unique<BindingsEditor>((std::filesystem::current_path() / "config.ini").string());
    }

    // A click on the row's "Key" cell.
    void Capture(int row)
    {
        editor->EnterCell(row, 1);
        editor->ClickCell(row, 1);
        ASSERT_TRUE(editor->IsCapturing());
    }
    SdlInputSource& Source() { return editor->GetInputSource(); }
    unsigned long Button(unsigned long device, const char* action)
    {
        return editor->GetConfig().GetButtonEvent(device, action);
    }
    bool Axis(unsigned long device, const char* group, unsigned long expected)
    {
        unsigned long axis = 0;
        return editor->GetConfig().GetAxisEvent(device, group, axis) && axis == expected;
    }
    bool HasAxis(unsigned long device, const char* group)
    {
        unsigned long axis = 0;
        return editor->GetConfig().GetAxisEvent(device, group, axis);
    }

    SetupFolder folder;
    std::unique_ptr<BindingsEditor> editor;
};

TEST_F(BindingsEditorTest, AKeyMovesFromEveryActionThatHadIt)
{
    EXPECT_EQ(editor->GetBindingText(SPEED_UP), "W");
    Capture(FIRE2);
    TapKey(Source(), KEY_W);
    editor->CaptureStep();
    EXPECT_FALSE(editor->IsCapturing());
    EXPECT_EQ(Button(K, "Fire2"), KEY_W);
    // Bound bare and with its device identifier: both lose it.
    EXPECT_EQ(Button(K, "SpeedUp"), INPUT_NO_CODE);
    EXPECT_EQ(Button(K, "Boost"), INPUT_NO_CODE);
    EXPECT_EQ(editor->GetBindingText(FIRE2), "W");
    EXPECT_EQ(editor->GetBindingText(SPEED_UP), "");
    EXPECT_TRUE(editor->IsModified());
}

TEST_F(BindingsEditorTest, EnterEscAndDelete)
{
    // Enter on a "Key" cell starts a capture and never becomes a binding itself.
    editor->EnterCell(FIRE1, 1);
    TapKey(Source(), KEY_ENTER);
    editor->CaptureStep();
    EXPECT_TRUE(editor->IsCapturing());
    TapKey(Source(), KEY_ENTER);
    editor->CaptureStep();
    editor->CaptureStep();
    EXPECT_TRUE(editor->IsCapturing());
    EXPECT_EQ(Button(K, "Fire1"), 57u);

    // Esc ends it with nothing bound.
    TapKey(Source(), KEY_ESC);
    editor->CaptureStep();
    EXPECT_FALSE(editor->IsCapturing());
    EXPECT_EQ(Button(K, "Fire1"), 57u);
    EXPECT_FALSE(editor->IsModified());

    // Enter on an "Action" cell does nothing.
    editor->EnterCell(FIRE1, 0);
    TapKey(Source(), KEY_ENTER);
    editor->CaptureStep();
    EXPECT_FALSE(editor->IsCapturing());

    // Delete on the keyboard page clears the key; the mouse keeps its axis of the group.
    editor->EnterCell(YAW_PLUS, 1);
    TapKey(Source(), KEY_DELETE);
    editor->CaptureStep();
    EXPECT_EQ(Button(K, "Yaw+"), INPUT_NO_CODE);
    EXPECT_TRUE(Axis(M, "Yaw", AXIS_MOUSE_X));
    EXPECT_TRUE(editor->IsModified());

    // On the mouse page it clears the row's button and the group's axis, and ends a capture.
    editor->SetPage(BindingsEditor::PAGE_MOUSE);
    EXPECT_EQ(editor->GetBindingText(YAW_PLUS), "MouseX");
    Capture(YAW_PLUS);
    TapKey(Source(), KEY_DELETE);
    editor->CaptureStep();
    EXPECT_FALSE(editor->IsCapturing());
    EXPECT_FALSE(HasAxis(M, "Yaw"));
    EXPECT_EQ(editor->GetBindingText(YAW_PLUS), "");
}

TEST_F(BindingsEditorTest, AxisGroupsOnTheMousePage)
{
    editor->SetPage(BindingsEditor::PAGE_MOUSE);
    EXPECT_EQ(editor->GetBindingText(ROLL_PLUS), "Mouse button 2");

    // A button on a row of a group takes the group's axis away on this device only.
    Capture(YAW_PLUS);
    Source().InjectMouseButton(2, true);
    Source().InjectMouseButton(2, false);
    editor->CaptureStep();
    EXPECT_EQ(Button(M, "Yaw+"), 14u);
    EXPECT_FALSE(HasAxis(M, "Yaw"));
    EXPECT_EQ(Button(K, "Yaw+"), 32u);

    // Movement up to the threshold binds nothing; beyond it the axis moves to the group, and
    // both rows of the group lose their buttons.
    Capture(ROLL_PLUS);
    Source().InjectMouseMotion(0, 100, 0);
    editor->CaptureStep();
    EXPECT_TRUE(editor->IsCapturing());
    Source().InjectMouseMotion(0, 1, 0);
    editor->CaptureStep();
    EXPECT_FALSE(editor->IsCapturing());
    EXPECT_TRUE(Axis(M, "Roll", AXIS_MOUSE_Y));
    EXPECT_FALSE(HasAxis(M, "Pitch"));
    EXPECT_EQ(Button(M, "Roll+"), INPUT_NO_CODE);
    EXPECT_EQ(editor->GetBindingText(ROLL_PLUS), "MouseY");
    EXPECT_EQ(editor->GetBindingText(ROLL_MINUS), "MouseY");

    // Rows without a group take no axis.
    Capture(FIRE2);
    Source().InjectMouseMotion(500, 500, 480);
    editor->CaptureStep();
    EXPECT_TRUE(editor->IsCapturing());
}

TEST_F(BindingsEditorTest, TheKeyboardPageTakesNoAxis)
{
    Capture(YAW_PLUS);
    Source().InjectMouseMotion(5000, 5000, 0);
    editor->CaptureStep();
    EXPECT_TRUE(editor->IsCapturing());
    TapKey(Source(), KEY_A);
    editor->CaptureStep();
    EXPECT_EQ(Button(K, "Yaw+"), KEY_A);
    EXPECT_TRUE(Axis(M, "Yaw", AXIS_MOUSE_X));
}

TEST_F(BindingsEditorTest, TheClickThatStartsACaptureIsNotTakenButAQuickOneIs)
{
    editor->SetPage(BindingsEditor::PAGE_MOUSE);
    // The window sees the click before the grid reports it.
    Source().InjectMouseButton(0, true);
    Source().InjectMouseButton(0, false);
    Capture(FIRE2);
    editor->CaptureStep();
    EXPECT_TRUE(editor->IsCapturing());

    // Pressed and released between two ticks.
    Source().InjectMouseButton(1, true);
    Source().InjectMouseButton(1, false);
    editor->CaptureStep();
    EXPECT_FALSE(editor->IsCapturing());
    EXPECT_EQ(Button(M, "Fire2"), 13u);
    EXPECT_EQ(Button(M, "Roll+"), INPUT_NO_CODE);
}

TEST_F(BindingsEditorTest, ChangingThePageEndsTheCapture)
{
    Capture(FIRE1);
    editor->SetPage(BindingsEditor::PAGE_JOYSTICK);
    EXPECT_FALSE(editor->IsCapturing());
    EXPECT_EQ(editor->GetBindingText(FIRE2), "Joy2");
    EXPECT_EQ(editor->GetBindingText(SPEED_UP), "JoySlider1");
}

// An SDL virtual joystick: 8 axes, 32 buttons, 1 hat.
class JoystickBindingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
        _index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_FLIGHT_STICK, 8, 32, 1);
        ASSERT_GE(_index, 0) << SDL_GetError();
        stick = SDL_JoystickOpen(_index);
        ASSERT_NE(stick, nullptr) << SDL_GetError();
        folder.Write("config.ini", kBindings);
        editor = std::make_unique<BindingsEditor>((std::filesystem::current_path() / "config.ini").string());
        editor->SetPage(BindingsEditor::PAGE_JOYSTICK);
    }
    void TearDown() override
    {
        // The last seen button states outlive the input system; leave them all up.
        if (editor)
        {
            for (int b = 0; b < 32; ++b)
                SDL_JoystickSetVirtualButton(stick, b, 0);
            editor->CaptureStep();
        }
        editor.reset();
        if (stick)
            SDL_JoystickClose(stick);
        if (_index >= 0)
            SDL_JoystickDetachVirtual(_index);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    SetupFolder folder;
    std::unique_ptr<BindingsEditor> editor;
    SDL_Joystick* stick = nullptr;

private:
    int _index = -1;
};

TEST_F(JoystickBindingsTest, AxesAndButtonsOfTheJoystick)
{
    // A throttle pushed far enough binds to the "Speed" group.
    editor->EnterCell(SPEED_DOWN, 1);
    editor->ClickCell(SPEED_DOWN, 1);
    SDL_JoystickSetVirtualAxis(stick, 2, 20000);
    editor->CaptureStep();
    EXPECT_TRUE(editor->IsCapturing());
    SDL_JoystickSetVirtualAxis(stick, 2, 32767);
    editor->CaptureStep();
    EXPECT_FALSE(editor->IsCapturing());
    unsigned long axis = 0;
    EXPECT_TRUE(editor->GetConfig().GetAxisEvent(J, "Speed", axis));
    EXPECT_EQ(axis, AXIS_JOY_Z);
    EXPECT_EQ(editor->GetBindingText(SPEED_UP), "JoyZ");

    // Button 29 (number 28, Enter's scan code on the keyboard) binds like any other.
    editor->ClickCell(FIRE1, 1);
    SDL_JoystickSetVirtualButton(stick, 28, 1);
    editor->CaptureStep();
    EXPECT_EQ(editor->GetConfig().GetButtonEvent(J, "Fire1"), 28u);
    EXPECT_EQ(editor->GetBindingText(FIRE1), "Joy29");
}

TEST(SetupControllerTest, SavingWritesBothFilesOrKeepsApplyEnabled)
{
    TestApplication();
    SetupFolder folder;
    folder.Write("config.ini", kBindings);
    {
        SetupController controller({{1024, 768, 60, 32}});
        EXPECT_FALSE(controller.IsApplyEnabled());
        EXPECT_EQ(controller.Bindings().GetDeadZoneSlider(), 5);
        controller.Bindings().SetDeadZoneSlider(12);
        controller.Settings().SetFullscreen(true);
        EXPECT_TRUE(controller.IsApplyEnabled());
        ASSERT_TRUE(controller.Save());
        EXPECT_FALSE(controller.IsApplyEnabled());
        EXPECT_NE(folder.Read("config.ini").find("DeadZone=1200"), std::string::npos);
        EXPECT_TRUE(GameConfig().video.Fullscreen);
    }

    for (const char* file : {"config.ini", "config.cfg"})
    {
        SetupController controller({{1024, 768, 60, 32}});
        controller.Settings().SetFullscreen(false);
        controller.Bindings().SetDeadZoneSlider(3);
        std::filesystem::remove(file);
        std::filesystem::create_directory(file);
        ClearLog();
        EXPECT_FALSE(controller.Save()) << file;
        EXPECT_TRUE(controller.IsApplyEnabled()) << file;
        EXPECT_TRUE(LogContains(file)) << file;
        std::filesystem::remove(file);
        folder.Write(file, "");
    }
}

TEST(SetupControllerTest, ApplyWritesOnlyWhatThePlayerChanged)
{
    TestApplication();
    SetupFolder folder;
    // A dead zone the slider cannot show exactly; a saved mode the display does not list.
    std::string bindings = kBindings;
    bindings.replace(bindings.find("DeadZone=500"), 12, "DeadZone=250");
    folder.Write("config.ini", bindings);
    folder.Write("config.cfg", "Video.ScrWidth = 1024; Video.ScrHeight = 768; Video.RefreshHz = 75; "
                               "Sound.MusicVolume = 1.5;");
    const std::vector<DisplayMode> display = {{1280, 1024, 0, 24}, {800, 600, 0, 24}};

    // Only a key: "config.cfg" stays as it was.
    {
        SetupController controller(display);
        EXPECT_FALSE(controller.IsApplyEnabled());
        BindingsEditor& editor = controller.Bindings();
        editor.EnterCell(FIRE2, 1);
        editor.ClickCell(FIRE2, 1);
        TapKey(editor.GetInputSource(), KEY_A);
        editor.CaptureStep();
        ASSERT_EQ(editor.GetConfig().GetButtonEvent(K, "Fire2"), KEY_A);
        const std::string settings = folder.Read("config.cfg");
        ASSERT_TRUE(controller.Save());
        EXPECT_EQ(folder.Read("config.cfg"), settings);
        EXPECT_NE(folder.Read("config.ini").find("DeadZone=250"), std::string::npos);
        GameConfig game;
        EXPECT_EQ(game.video.ScrWidth, 1024);
        EXPECT_EQ(game.video.ScrHeight, 768);
        EXPECT_EQ(game.video.RefreshHz, 75);
    }

    // Only a setting: "config.ini" stays, and the settings not touched keep their values.
    {
        SetupController controller(display);
        controller.Settings().SetFullscreen(true);
        const std::string keys = folder.Read("config.ini");
        ASSERT_TRUE(controller.Save());
        EXPECT_EQ(folder.Read("config.ini"), keys);
        GameConfig game;
        EXPECT_TRUE(game.video.Fullscreen);
        EXPECT_EQ(game.video.ScrWidth, 1024);
        EXPECT_EQ(game.video.RefreshHz, 75);
        EXPECT_FLOAT_EQ(game.sound.GetSettingsMusicVolume(), 1.5f);
    }
}

} // namespace
