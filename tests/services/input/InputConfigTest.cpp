#include "InputTestSupport.h"

#include "services/input/IniFile.h"
#include "services/input/InputCodes.h"
#include "services/input/InputConfig.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

namespace {

TEST(InputConfigTest, SavesSectionsInNameOrderAndLoadsThemBack)
{
    TempFolder folder;
    InputConfig config;
    config.SetButtonEvent(INPUT_KEYBOARD, "Fire1", 57);
    config.SetButtonEvent(INPUT_KEYBOARD, "Boost", 15);
    config.SetButtonEvent(INPUT_MOUSE, "Fire1", 12);
    config.SetButtonEvent(INPUT_JOYSTICK, "Fire2", INPUT_JOYSTICK | 1);
    config.SetAxisEvent(INPUT_MOUSE, "Yaw", 0);
    config.SetAxisEvent(INPUT_JOYSTICK, "Speed", 6);
    config.SetDeadZone(750);
    ASSERT_TRUE(config.SaveConfig(folder.File("config.ini").c_str()));

    const std::string text = folder.Read("config.ini");
    EXPECT_NE(text.find("[Keyboard]\nCount=2\nValue0=Boost(15)\nValue1=Fire1(57)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[Joystick]\nCount=1\nDeadZone=750\nValue0=Fire2(16385)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[MouseAxis]\nCount=1\nValue0=Yaw(0)\n"), std::string::npos) << text;
    // Sections are created in the order they are emptied.
    EXPECT_LT(text.find("[Joystick]"), text.find("[MouseAxis]"));
    EXPECT_LT(text.find("[MouseAxis]"), text.find("[JoystickAxis]"));

    InputConfig loaded;
    ASSERT_TRUE(loaded.LoadConfig(folder.File("config.ini").c_str()));
    EXPECT_EQ(loaded.GetButtonEvent(INPUT_KEYBOARD, "Boost"), 15u);
    EXPECT_EQ(loaded.GetButtonEvent(INPUT_KEYBOARD, "Fire1"), 57u);
    EXPECT_EQ(loaded.GetButtonEvent(INPUT_MOUSE, "Fire1"), 12u);
    EXPECT_EQ(loaded.GetButtonEvent(INPUT_JOYSTICK, "Fire2"), INPUT_JOYSTICK | 1u);
    unsigned long axis = 99;
    EXPECT_TRUE(loaded.GetAxisEvent(INPUT_JOYSTICK, "Speed", axis));
    EXPECT_EQ(axis, 6u);
    EXPECT_TRUE(loaded.GetAxisEvent(INPUT_MOUSE, "Yaw", axis));
    EXPECT_EQ(axis, 0u);
    EXPECT_EQ(loaded.GetDeadZone(), 750);

    // Saving what was loaded gives the same file.
    ASSERT_TRUE(loaded.SaveConfig(folder.File("config.ini").c_str()));
    EXPECT_EQ(folder.Read("config.ini"), text);
}

TEST(InputConfigTest, SaveKeepsForeignSectionsAndDropsStaleBindings)
{
    TempFolder folder;
    folder.Write("config.ini",
                 "; written by hand\r\n[Video]\r\nMode = 3\r\n\r\n[Keyboard]\r\nCount=3\r\nValue0=Old(1)\r\n"
                 "Value1=Older(2)\r\nValue2=Oldest(3)\r\n; stale note\r\n\r\n[Extra]\r\nKey=kept\r\n");
    InputConfig config;
    config.SetButtonEvent(INPUT_KEYBOARD, "GamePause", 25);
    ASSERT_TRUE(config.SaveConfig(folder.File("config.ini").c_str()));

    const std::string text = folder.Read("config.ini");
    EXPECT_EQ(text.find("; written by hand\n[Video]\nMode = 3\n\n[Keyboard]\nCount=1\nValue0=GamePause(25)\n"
                        "[Extra]\nKey=kept\n"),
              0u)
        << text;
    EXPECT_EQ(text.find("Old"), std::string::npos);
    EXPECT_EQ(text.find("stale"), std::string::npos);
}

TEST(InputConfigTest, LoadRules)
{
    struct Case
    {
        const char* name;
        const char* file;
        unsigned long device;
        const char* action;
        unsigned long expected;
    };
    const Case cases[] = {
        {"file replaces the default", "[Keyboard]\nCount=1\nValue0=GamePause(35)\n", INPUT_KEYBOARD, "GamePause", 35},
        {"default survives a file without it", "[Keyboard]\nCount=1\nValue0=Fire1(57)\n", INPUT_KEYBOARD, "GamePause",
         25},
        {"digits before extra text", "[Mouse]\nCount=1\nValue0=Fire1(12abc)\n", INPUT_MOUSE, "Fire1", 12},
        {"names without case", "[mouse]\ncount=1\nVALUE0=Fire2(13)\n", INPUT_MOUSE, "Fire2", 13},
        {"trimmed values and CRLF", "[Joystick]\r\n  Count = 1 \r\nValue0 =  Boost(2)  \r\n", INPUT_JOYSTICK, "Boost",
         2},
        {"full code kept as written", "[Joystick]\nCount=1\nValue0=Fire1(16384)\n", INPUT_JOYSTICK, "Fire1", 16384},
        {"entries past Count ignored", "[Keyboard]\nCount=1\nValue0=A(30)\nValue1=Fire1(57)\n", INPUT_KEYBOARD, "Fire1",
         INPUT_NO_CODE},
        {"first of duplicate keys", "[Keyboard]\nCount=1\nValue0=Fire1(57)\nValue0=Fire1(58)\n", INPUT_KEYBOARD,
         "Fire1", 57},
        {"entry without a code skipped", "[Keyboard]\nCount=2\nValue0=Fire1\nValue1=Boost(15)\n", INPUT_KEYBOARD,
         "Fire1", INPUT_NO_CODE},
        {"missing entry skipped", "[Keyboard]\nCount=2\nValue1=Boost(15)\n", INPUT_KEYBOARD, "Boost", 15},
        {"entries after a gap kept", "[Keyboard]\nCount=3\nValue2=Boost(15)\n", INPUT_KEYBOARD, "Boost", 15},
        {"huge count reads what is there", "[Mouse]\nCount=2147483647\nValue7=Fire1(12)\n", INPUT_MOUSE, "Fire1", 12},
        {"odd spellings of a number are no entry", "[Keyboard]\nCount=9\nValue07=Boost(15)\nValue+8=Boost(16)\n",
         INPUT_KEYBOARD, "Boost", INPUT_NO_CODE},
    };
    for (const Case& c : cases)
    {
        TempFolder folder;
        folder.Write("config.ini", c.file);
        InputConfig config;
        config.SetButtonEvent(INPUT_KEYBOARD, "GamePause", 25);
        config.LoadConfig(folder.File("config.ini").c_str());
        EXPECT_EQ(config.GetButtonEvent(c.device, c.action), c.expected) << c.name;
    }
}

TEST(InputConfigTest, BrokenFilesGiveDefaultsAndALogLine)
{
    const struct
    {
        const char* name;
        std::string file;
        const char* logged;
    } cases[] = {
        {"garbage lines", "[Keyboard\nCount=1\nthis is no key\nValue0=Fire1(57)\n", "malformed line"},
        {"no parenthesis", "[Keyboard]\nCount=1\nValue0=Fire1\n", "is not \"Action(code)\""},
        {"count beyond the keys", "[Keyboard]\nCount=2000000000\n", "Count=2000000000"},
        {"no name", "[Keyboard]\nCount=1\nValue0=(57)\n", "is not \"Action(code)\""},
        {"binary", std::string("\0\x01\xff[\x80\n", 6), "malformed line"},
    };
    LogCapture log;
    for (const auto& c : cases)
    {
        TempFolder folder;
        folder.Write("config.ini", c.file);
        log.Clear();
        InputConfig config;
        config.SetButtonEvent(INPUT_KEYBOARD, "GamePause", 25);
        config.LoadConfig(folder.File("config.ini").c_str());
        EXPECT_EQ(config.GetButtonEvent(INPUT_KEYBOARD, "GamePause"), 25u) << c.name;
        EXPECT_EQ(config.GetButtonEvent(INPUT_KEYBOARD, "Fire1"), INPUT_NO_CODE) << c.name;
        EXPECT_EQ(config.GetDeadZone(), 0) << c.name;
        EXPECT_TRUE(log.Contains(c.logged)) << c.name;
    }

    // A missing file reads as empty: the bindings stay and the dead zone is 0.
    log.Clear();
    InputConfig config;
    config.SetButtonEvent(INPUT_KEYBOARD, "GamePause", 25);
    config.SetDeadZone(750);
    EXPECT_FALSE(config.LoadConfig("no/such/folder\\config.ini"));
    EXPECT_EQ(config.GetButtonEvent(INPUT_KEYBOARD, "GamePause"), 25u);
    EXPECT_EQ(config.GetDeadZone(), 0);
    EXPECT_TRUE(log.Contains("not found"));
}

TEST(InputConfigTest, AFileOfBadLinesLogsAFewLinesNotOnePerLine)
{
    TempFolder folder;
    std::string text = "[Keyboard]\nCount=40000\n";
    for (int i = 0; i < 40000; ++i)
        text += "Value" + std::to_string(i) + "=bad\n";
    while (text.size() < IniFile::MaxFileSize - 4)
        text += "x\n";
    folder.Write("config.ini", text);
    LogCapture log;
    InputConfig config;
    config.LoadConfig(folder.File("config.ini").c_str());
    EXPECT_LE(log.Lines().size(), size_t(2 * IniFile::MaxReportedLines + 3));
    EXPECT_TRUE(log.Contains("more malformed lines ignored"));
    EXPECT_TRUE(log.Contains("more entries skipped"));
}

TEST(InputConfigTest, LookupsPickTheDeviceMap)
{
    InputConfig config;
    config.SetButtonEvent(0, "Fire1", 57); // any other device is the keyboard
    config.SetButtonEvent(INPUT_MOUSE, "Fire1", 12);
    config.SetButtonEvent(INPUT_JOYSTICK, "Fire1", 0);
    config.SetAxisEvent(INPUT_KEYBOARD, "Yaw", 0); // any other device is the mouse
    EXPECT_EQ(config.GetButtonEvent(INPUT_KEYBOARD, "Fire1"), 57u);
    EXPECT_EQ(config.GetButtonEvent(12345, "Fire1"), 57u);
    EXPECT_EQ(config.GetButtonEvent(INPUT_MOUSE, "Fire1"), 12u);
    EXPECT_EQ(config.GetButtonEvent(INPUT_JOYSTICK, "Fire1"), 0u);
    unsigned long axis = 7;
    EXPECT_TRUE(config.GetAxisEvent(INPUT_MOUSE, "Yaw", axis));
    EXPECT_FALSE(config.GetAxisEvent(INPUT_JOYSTICK, "Yaw", axis));
    EXPECT_EQ(axis, 0u);

    EXPECT_TRUE(config.DeleteButtonEvent(INPUT_MOUSE, "Fire1"));
    EXPECT_FALSE(config.DeleteButtonEvent(INPUT_MOUSE, "Fire1"));
    EXPECT_EQ(config.GetButtonEvent(INPUT_MOUSE, "Fire1"), INPUT_NO_CODE);
    config.DeleteAxisEvent(INPUT_MOUSE, "Yaw");
    EXPECT_FALSE(config.GetAxisEvent(INPUT_MOUSE, "Yaw", axis));

    InputConfig copy = config;
    config.SetButtonEvent(INPUT_KEYBOARD, "Fire1", 1);
    EXPECT_EQ(copy.GetButtonEvent(INPUT_KEYBOARD, "Fire1"), 57u);
}

TEST(InputConfigTest, IsUsedReportsTheFirstNameIntoABoundedBuffer)
{
    InputConfig config;
    config.SetButtonEvent(INPUT_KEYBOARD, "SwitchPrimary", 19);
    config.SetButtonEvent(INPUT_KEYBOARD, "PickNearestTarget", 19);
    config.SetButtonEvent(INPUT_KEYBOARD, "PickBest", 4096 | 19);
    config.SetAxisEvent(INPUT_JOYSTICK, "Yaw", 3);
    config.SetAxisEvent(INPUT_JOYSTICK, "Roll", 3);

    char name[64] = {};
    EXPECT_TRUE(config.IsUsed(INPUT_KEYBOARD, name, sizeof(name), 19));
    EXPECT_STREQ(name, "PickNearestTarget");
    EXPECT_FALSE(config.IsUsed(INPUT_MOUSE, name, sizeof(name), 19));

    char small[5] = {'x', 'x', 'x', 'x', 'x'};
    EXPECT_TRUE(config.IsUsed(INPUT_KEYBOARD, small, sizeof(small), 19));
    EXPECT_STREQ(small, "Pick");

    EXPECT_TRUE(config.IsAxisUsed(INPUT_JOYSTICK, name, sizeof(name), 3));
    EXPECT_STREQ(name, "Roll");
    EXPECT_FALSE(config.IsAxisUsed(INPUT_MOUSE, name, sizeof(name), 3));
}

TEST(InputConfigTest, DemoBindingsLoad)
{
    InputConfig config;
    ASSERT_TRUE(config.LoadConfig(SOURCE_DATA_DIR "/config.ini"));
    EXPECT_EQ(config.GetButtonEvent(INPUT_KEYBOARD, "GamePause"), 25u);
    EXPECT_EQ(config.GetButtonEvent(INPUT_MOUSE, "Fire1"), 12u);
    EXPECT_EQ(config.GetButtonEvent(INPUT_MOUSE, "Fire2"), 13u);
    unsigned long axis = 0;
    EXPECT_TRUE(config.GetAxisEvent(INPUT_JOYSTICK, "Speed", axis));
    EXPECT_EQ(axis, 6u);
    EXPECT_EQ(config.GetDeadZone(), 500);

    // Every binding names an action the game asks for; a misspelt name would bind nothing.
    const std::set<std::string> buttons = {"GamePause",
                                           "Fire1",
                                           "Fire2",
                                           "Boost",
                                           "SwitchPrimary",
                                           "SwitchSecondary",
                                           "PickBestVisibleTarget",
                                           "PickNearestTarget",
                                           "SpeedUp",
                                           "SpeedDown",
                                           "Pitch+",
                                           "Pitch-",
                                           "Yaw+",
                                           "Yaw-",
                                           "Roll+",
                                           "Roll-"};
    const std::set<std::string> axes = {"Pitch", "Yaw", "Roll", "Speed"};
    std::ifstream file(SOURCE_DATA_DIR "/config.ini");
    std::string line, section;
    int entries = 0;
    while (std::getline(file, line))
    {
        if (!line.empty() && line.front() == '[')
            section = line;
        if (line.rfind("Value", 0) != 0)
            continue;
        ++entries;
        const std::string name = line.substr(line.find('=') + 1, line.find('(') - line.find('=') - 1);
        const bool axisSection = section.find("Axis") != std::string::npos;
        EXPECT_TRUE((axisSection ? axes : buttons).count(name)) << section << " " << line;
    }
    EXPECT_GT(entries, 20);

    // Keyboard and mouse between them reach every action that no axis can stand in for.
    for (const char* action : {"GamePause", "Fire1", "Fire2", "Boost", "SwitchPrimary", "SwitchSecondary",
                               "PickBestVisibleTarget", "PickNearestTarget"})
    {
        EXPECT_TRUE(config.GetButtonEvent(INPUT_KEYBOARD, action) != INPUT_NO_CODE ||
                    config.GetButtonEvent(INPUT_MOUSE, action) != INPUT_NO_CODE)
            << action;
    }
}

} // namespace
