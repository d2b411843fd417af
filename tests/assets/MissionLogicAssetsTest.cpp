#include "AssetNames.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "foundation/base/Name.h"
#include "foundation/lua/Table.h"
#include "foundation/lua/TableIterator.h"
#include "foundation/lua/VirtualMachine.h"
#include "platform/input/ScanCodes.h"
#include "services/input/InputCodes.h"
#include "services/input/InputConfig.h"

// The offers' missions with their logic and the sub-levels it loads, the voice lines and music
// that logic plays, and the statistics panel's picture it names.
TEST(Assets, MissionLogic)
{
    ExpectAssetsPresent({
        "levels\\lvl00.lvl",
        "levels\\lvl00_desc.lvl",
        "levels\\lvl00_logic.lvl",
        "levels\\lvl00_won.lvl",
        "levels\\lvl12.lvl",
        "levels\\lvl12_desc.lvl",
        "levels\\lvl12_logic.lvl",
        "levels\\lvl12_guard.lvl",
        "levels\\lvl12_won.lvl",
        "sounds/localization\\en\\mission00\\m00_start_v1.wav",
        "sounds/localization\\en\\mission00\\m00_ambush_v1.wav",
        "sounds/localization\\en\\mission00\\m00_ambush_v2.wav",
        "sounds/localization\\en\\mission00\\m00_hurry_v1.wav",
        "sounds/localization\\en\\mission00\\m00_clean_v1.wav",
        "sounds/localization\\en\\mission12\\m12_start_v1.wav",
        "sounds/localization\\en\\mission12\\m12_cargo_down_v1.wav",
        "sounds/localization\\en\\mission12\\m12_cargo_down_v2.wav",
        "sounds/localization\\en\\mission12\\m12_done_v1.wav",
        "music\\02_arrdra_exploration.xwma",
        "music\\02_arrdra_battletrack.xwma",
        "music\\12_aldaron_exploration.xwma",
        "music\\01_ytg_battletrack.xwma",
        "materials/gui//icons//ytg_portal_03.mat",
    });
}

namespace {

// A key that a shipped hint names, with the action the hint means by it and the key's scan code.
struct HintKey
{
    const char* file;
    const char* key; // as the hint writes it
    const char* action;
    unsigned long scanCode;
};

// The hints are the game's only tutorial: every key they name, in every shipped file of hints.
const HintKey HintKeys[] = {
    {"levels/lvl00_logic.lvl", "T", "PickBestVisibleTarget", 20},
    {"levels/lvl00_logic.lvl", "Ctrl", "Fire2", 29},
    {"levels/lvl12_logic.lvl", "G", "SwitchSecondary", 34},
    {"levels/lvl12_logic.lvl", "Ctrl", "Fire2", 29},
    {"texts/en/tips.txt", "P", "GamePause", 25},
    {"texts/ru/tips.txt", "P", "GamePause", 25},
};

// The files whose texts reach the player as hints: the mission logic's messages, and the texts of
// every language (the tips of the loading screen and of the menus among them).
std::vector<std::string> HintFiles()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(GAME_DATA_DIR) + "/levels"))
    {
        const std::string name = entry.path().filename().string();
        if (name.find("_logic.") != std::string::npos)
            files.push_back("levels/" + name);
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(std::string(GAME_DATA_DIR) + "/texts"))
    {
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            files.push_back(std::filesystem::relative(entry.path(), GAME_DATA_DIR).generic_string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Every string of a table and of the tables within it.
void CollectStrings(const Table& table, std::vector<std::string>& out)
{
    TableIterator it(table);
    for (it.Begin(); it.End(); it.Next())
    {
        if (it.GetVarType() == LUA_TYPE_STRING)
            out.emplace_back(it.ToString());
        else if (it.GetVarType() == LUA_TYPE_TABLE || it.GetVarType() == LUA_TYPE_ARRAY)
            CollectStrings(it.ToTable(), out);
    }
}

// The texts of one file of hints: each line of a text file, each string of a logic file.
std::vector<std::string> HintTexts(const std::string& file)
{
    const std::string path = std::string(GAME_DATA_DIR) + "/" + file;
    std::vector<std::string> texts;
    if (file.ends_with(".txt"))
    {
        std::ifstream in(path);
        for (std::string line; std::getline(in, line);)
            texts.push_back(line);
        return texts;
    }
    VirtualMachine vm;
    Table logic = vm.CreateNewTable();
    logic.SetGlobalName(Name("LevelLogic"));
    EXPECT_EQ(vm.ExecFile(path.c_str()), 0) << file;
    CollectStrings(logic, texts);
    return texts;
}

// The word after each "Press", "tap" or "hold" of a text: the keys it names.
std::vector<std::string> NamedKeys(const std::string& text)
{
    static const std::set<std::string> verbs = {"Press", "press", "Tap",     "tap",
                                                "Hold",  "hold",  "Нажмите", "нажмите"};
    // A texts file writes "key=text": the text's first word follows the "=".
    std::string spaced = text;
    std::replace(spaced.begin(), spaced.end(), '=', ' ');
    std::istringstream words(spaced);
    std::vector<std::string> keys;
    bool named = false;
    for (std::string word; words >> word;)
    {
        if (named)
        {
            while (!word.empty() && std::ispunct(static_cast<unsigned char>(word.back())))
                word.pop_back();
            keys.push_back(word);
        }
        named = verbs.contains(word);
    }
    return keys;
}

} // namespace

// Each key a shipped hint names stands in the table above with the action the hint means, and
// the shipped "config.ini" binds that key to that action.
TEST(Assets, HintsNameTheKeysTheShippedBindingsUse)
{
    std::set<std::pair<std::string, std::string>> named;
    for (const std::string& file : HintFiles())
    {
        for (const std::string& text : HintTexts(file))
        {
            for (const std::string& key : NamedKeys(text))
                named.emplace(file, key);
        }
    }
    std::set<std::pair<std::string, std::string>> listed;
    for (const HintKey& hint : HintKeys)
        listed.emplace(hint.file, hint.key);
    for (const auto& [file, key] : named)
        EXPECT_TRUE(listed.contains({file, key})) << file << " names the key \"" << key << "\", which the table lacks";
    for (const auto& [file, key] : listed)
        EXPECT_TRUE(named.contains({file, key})) << file << " no longer names the key \"" << key << "\"";

    InputConfig bindings;
    ASSERT_TRUE(bindings.LoadConfig((std::string(GAME_DATA_DIR) + "/config.ini").c_str()));
    for (const HintKey& hint : HintKeys)
    {
        EXPECT_TRUE(std::string(ScanCodeName(static_cast<int>(hint.scanCode))).ends_with(hint.key))
            << hint.key << " is not scan code " << hint.scanCode;
        const unsigned long bound = bindings.GetButtonEvent(INPUT_KEYBOARD, hint.action);
        EXPECT_EQ(bound & ~INPUT_KEYBOARD, hint.scanCode)
            << hint.file << ": \"" << hint.key << "\" is not the key of " << hint.action;
    }
}
