#include "AssetNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

// Every file the game-data records name, whether or not a screen or mission loads it today: a
// record is one edit away from being used. Each kind of file lives in the folder of its manager.
TEST(Assets, EveryNameInTheGameData)
{
    const std::map<std::string, std::string> folders = {
        {"mod", "assets/"},    {"mdl", "phys/"},     {"pea", "phys/"},      {"sms", "meshes/"},
        {"mat", "materials/"}, {"dds", "textures/"}, {"pse", "particles/"},
    };
    const std::regex comment("--[^\n]*");
    // Outside comments, quoted strings are taken in pairs from the start of the file; those that end in an
    // extension are file names.
    const std::regex quoted(R"re("([^"\n]*)")re");
    const std::regex fileName(R"re((.+)\.([A-Za-z0-9]+))re");
    std::vector<std::string> names;
    std::string unknown;
    const std::filesystem::path gamedata = std::filesystem::path(GAME_DATA_DIR) / "gamedata";
    for (const auto& entry : std::filesystem::directory_iterator(gamedata))
    {
        if (entry.path().extension() != ".lua")
            continue;
        std::ifstream file(entry.path());
        std::stringstream buffer;
        buffer << file.rdbuf();
        const std::string content = std::regex_replace(buffer.str(), comment, "");
        for (std::sregex_iterator it(content.begin(), content.end(), quoted), end; it != end; ++it)
        {
            const std::string text = (*it)[1].str();
            std::smatch name;
            if (!std::regex_match(text, name, fileName))
                continue;
            const auto folder = folders.find(name[2].str());
            if (folder != folders.end())
                names.push_back(folder->second + text);
            else
                unknown += "\n  " + entry.path().filename().string() + ": " + text;
        }
    }
    EXPECT_NE(std::find(names.begin(), names.end(), "assets/ast_m_a.mod"), names.end()) << "the scan reads the records";
    EXPECT_TRUE(unknown.empty()) << "names of a kind no manager loads:" << unknown;
    ExpectAssetsPresent(names);
}
