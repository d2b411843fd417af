// The English texts shipped with the game: every file the game loads reads cleanly and holds the
// codes that the code asks for by name or by a numbered pattern.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CoreTestSupport.h"
#include "game/core/texts/GameTexts.h"
#include "game/core/texts/ScreenTextsFiles.h"

namespace {
class DemoTexts : public testing::Test
{
protected:
    void SetUp() override
    {
        _previous = std::filesystem::current_path();
        std::filesystem::current_path(GAME_DATA_DIR);
    }
    void TearDown() override { std::filesystem::current_path(_previous); }

    static bool Has(const GameTexts& texts, const std::string& code)
    {
        return texts.GetTextByCode(code.c_str()) != code;
    }

private:
    std::filesystem::path _previous;
};
} // namespace

TEST_F(DemoTexts, GameFilesLoadWithoutWarningsAndHoldTheNumberedCodes)
{
    LogWatch log;
    GameTexts texts;
    for (const char* file : ScreenTextsFiles)
        EXPECT_TRUE(texts.LoadTextsFromFile("en", file)) << file;
    EXPECT_EQ(0, log.Warnings()) << log.All();

    std::vector<std::string> missing;
    auto expect = [&](const std::string& code) {
        if (!Has(texts, code))
            missing.push_back(code);
    };
    expect("ui_preloader_title");
    // Slot names by (type, sub-type) as the hangar asks for them.
    const int subTypes[] = {5, 9, 7, 2};
    for (int type = 0; type < 4; ++type)
        for (int sub = 0; sub < subTypes[type]; ++sub)
            expect("ui_devices_type_" + std::to_string(type) + "_" + std::to_string(sub));
    for (const char* race : {"asp", "blg", "fslk", "rtb", "sha", "smkt", "tld", "ytg"})
    {
        expect(std::string("name_race_short_") + race);
        expect(std::string("name_race_") + race);
    }
    for (int i = 0; i < 4; ++i)
        expect("ui_common_tip_0" + std::to_string(i));
    for (int i = 0; i < 6; ++i)
        expect("ui_angar_btn" + std::to_string(i));
    EXPECT_TRUE(missing.empty()) << testing::PrintToString(missing);
}

TEST_F(DemoTexts, SettingsProgramFileHoldsTheThreeDifficulties)
{
    LogWatch log;
    GameTexts texts;
    EXPECT_TRUE(texts.LoadTextsFromFile("en", "difficulty.txt"));
    for (const char* code : {"difficulty_1", "difficulty_2", "difficulty_3"})
        EXPECT_TRUE(Has(texts, code)) << code;
    EXPECT_EQ(0, log.Warnings());
}

// One yes/no box asks before a pilot is deleted, before the game ends and before the stock
// exchange is left: its question is the one the pause menu's box asks, which fits every use.
TEST_F(DemoTexts, TheSharedYesNoBoxAsksAQuestionThatFitsEveryUse)
{
    GameTexts texts;
    ASSERT_TRUE(texts.LoadTextsFromFile("en", "ui_common.txt"));
    EXPECT_STREQ(texts.GetTextByCode("ui_common_box_00"), "Are you sure?");
}
