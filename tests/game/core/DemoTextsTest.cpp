// The texts shipped with the game: every file the game loads reads cleanly and holds the codes
// that the code asks for by name or by a numbered pattern, in every language.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "CoreTestSupport.h"
#include "game/core/catalogue/LevelTips.h"
#include "game/core/texts/GameTexts.h"
#include "game/core/texts/ScreenTextsFiles.h"

namespace {

constexpr const char* kDefaultLanguage = "en";
// The names end up in the records' 32-byte fields.
constexpr size_t kNameFieldSize = 32;

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The codes of a texts file with their texts, as "code=text<end>" entries.
std::vector<std::pair<std::string, std::string>> Entries(const std::filesystem::path& path)
{
    std::vector<std::pair<std::string, std::string>> entries;
    const std::string text = ReadFile(path);
    for (size_t start = 0, end; (end = text.find("<end>", start)) != std::string::npos; start = end + 5)
    {
        const size_t equals = text.find('=', start);
        if (equals == std::string::npos || equals > end)
            break;
        std::string code;
        for (char c : text.substr(start, equals - start))
        {
            if (c != ' ' && c != '\n' && c != '\r' && c != '\0')
                code += c;
        }
        entries.emplace_back(code, text.substr(equals + 1, end - equals - 1));
    }
    return entries;
}

std::set<std::string> Codes(const std::filesystem::path& path)
{
    std::set<std::string> codes;
    for (const auto& entry : Entries(path))
        codes.insert(entry.first);
    return codes;
}

std::set<std::string> FileNames(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::vector<std::string> Missing(const std::set<std::string>& wanted, const std::set<std::string>& present)
{
    std::vector<std::string> missing;
    for (const std::string& name : wanted)
    {
        if (!present.count(name))
            missing.push_back(name);
    }
    return missing;
}
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

TEST_F(DemoTexts, EveryLanguageHoldsEveryFileAndCodeOfTheDefaultOne)
{
    const std::filesystem::path root = "texts";
    const std::set<std::string> files = FileNames(root / kDefaultLanguage);
    ASSERT_TRUE(files.count("tips.txt"));
    for (const char* file : ScreenTextsFiles)
        ASSERT_TRUE(files.count(file)) << file;

    int languages = 0;
    for (const auto& folder : std::filesystem::directory_iterator(root))
    {
        const std::string language = folder.path().filename().string();
        if (language == kDefaultLanguage)
            continue;
        ++languages;
        const std::set<std::string> own = FileNames(folder.path());
        EXPECT_EQ(Missing(files, own), std::vector<std::string>{}) << "missing in " << language;
        EXPECT_EQ(Missing(own, files), std::vector<std::string>{}) << "only in " << language;
        for (const std::string& file : files)
        {
            if (file == "tips.txt" || !own.count(file))
                continue;
            const std::set<std::string> codes = Codes(root / kDefaultLanguage / file);
            const std::set<std::string> translated = Codes(folder.path() / file);
            EXPECT_EQ(Missing(codes, translated), std::vector<std::string>{}) << language << "/" << file;
            EXPECT_EQ(Missing(translated, codes), std::vector<std::string>{}) << "only in " << language << "/" << file;
        }

        LogWatch log;
        GameTexts texts;
        for (const char* file : ScreenTextsFiles)
            EXPECT_TRUE(texts.LoadTextsFromFile(language.c_str(), file)) << language << "/" << file;
        LevelTips tips;
        tips.Initialize(language.c_str(), std::filesystem::current_path());
        EXPECT_GT(tips.GetTipCount(), 0u) << language;
        EXPECT_EQ(0, log.Warnings()) << log.All();

        for (const char* file : {"names_pirates.txt", "names_races.txt"})
        {
            for (const auto& [code, name] : Entries(folder.path() / file))
                EXPECT_LT(name.size(), kNameFieldSize) << language << ": " << code << " is cut in its record";
        }
        // Profiles find a race's emblem by its short name.
        GameTexts english;
        english.LoadTextsFromFile(kDefaultLanguage, "names_races.txt");
        for (const auto& [code, name] : Entries(folder.path() / "names_races.txt"))
        {
            if (code.rfind("name_race_short_", 0) == 0)
            {
                EXPECT_EQ(name, english.GetTextByCode(code.c_str())) << language << ": " << code;
            }
        }
    }
    EXPECT_GT(languages, 0);
}
