// With Russian chosen, the HUD of "Cargo annihilation" speaks Russian and still fits the
// default window: the game answers the movies' words in Russian, the pictures with words are the
// Russian ones, and the statistics rows and the radar's log name their groups in Russian. The
// frame is kept beside the test program as "hud_words_1024x768_ru.bmp".
#include "HudFitFixture.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace {

// Put before a movie that asks for words, on its first line so that its line numbers stay: the
// movie's "Text" calls go on to the game as before, and the answer each one gets is logged.
// (Those movies make no other call.)
constexpr const char* LogAnswers =
    "do local call = movie.call movie.call = function(name, code) local answer = call(name, code) "
    "print(\"answer \" .. tostring(code) .. \" = \" .. tostring(answer)) return answer end end ";

class HudWordsTest : public HudOnScreenTest
{
protected:
    // The game's movies in a folder of the test's own, those that ask for words behind LogAnswers.
    void SetUp() override
    {
        namespace fs = std::filesystem;
        const fs::path movies = _data.GetPath() / "swf";
        fs::remove(movies);
        fs::create_directory(movies);
        for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(GAME_DATA_DIR) / "swf"))
        {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string source{std::istreambuf_iterator<char>(in), {}};
            const fs::path to = movies / entry.path().filename();
            if (entry.path().extension() == ".lua" && source.find("movie.call(\"Text\"") != std::string::npos)
                std::ofstream(to, std::ios::binary) << LogAnswers << source;
            else
                fs::create_symlink(entry.path(), to);
        }
        HudOnScreenTest::SetUp();
    }
};

} // namespace

TEST_P(HudWordsTest, TheHudSpeaksTheChosenLanguageAndStillFits)
{
    ASSERT_TRUE(FlyMission("lvl12")) << "the target is scanned";
    // What the movies were answered when they asked for their words, as many times as movies ask.
    const struct
    {
        const char* code;
        const char* word;
        int movies;
    } answers[] = {
        {"ui_hud_target", "ЦЕЛЬ", 1},      {"ui_hud_ship", "КОРАБЛЬ", 1},     {"ui_hud_shield", "ЩИТ", 1},
        {"ui_hud_speed", "СКОРОСТЬ", 1},   {"ui_hud_radar", "РАДАР", 1},      {"ui_hud_boost", "ФОРСАЖ", 2},
        {"ui_hud_weapon_1", "ЛАЗЕР 1", 1}, {"ui_hud_weapon_2", "ЛАЗЕР 2", 1}, {"ui_hud_weapon_3", "РАКЕТА", 1},
        {"ui_hud_weapon_4", "ТОРПЕДА", 1},
    };
    for (const auto& answer : answers)
        EXPECT_EQ(_log.Count(std::string("answer ") + answer.code + " = " + answer.word), answer.movies) << answer.code;

    // The pictures with words drawn in this frame, the groups' names on the statistics panel, and
    // the radar's log lines ("0 Истреб. id1234").
    std::set<std::string> pictures, names;
    int fighterLines = 0;
    for (const HudItem& item : RecordFrame())
    {
        if (item.kind == HudItem::TEXT && item.text.find(" Истреб. id") != std::string::npos)
            ++fighterLines;
        for (const char* word : {"gui_hud_enemy_level", "gui_hud_usership_levels", "fm_strafe"})
        {
            if (item.kind == HudItem::QUAD && item.materialName.find(word) != std::string::npos)
                pictures.insert(item.materialName);
        }
        if (item.kind == HudItem::TEXT && item.statsRow >= 0 && !item.text.empty() && !std::isdigit(item.text[0]))
            names.insert(item.text);
    }
    const std::set<std::string> russianPictures = {
        "ru/gui_hud_enemy_level1.mat",     "ru/gui_hud_enemy_level2.mat",     "ru/gui_hud_enemy_level3.mat",
        "ru/gui_hud_enemy_level4.mat",     "ru/gui_hud_usership_levels1.mat", "ru/gui_hud_usership_levels2.mat",
        "ru/gui_hud_usership_levels3.mat", "ru/gui_hud_usership_levels4.mat", "ru/gui/fm_strafe.mat",
    };
    EXPECT_EQ(pictures, russianPictures);
    EXPECT_EQ(names, (std::set<std::string>{"Портал", "Грузовик", "Истреб."}));
    EXPECT_GE(fighterLines, 2);

    ExpectEveryElementFits("hud_words_1024x768_ru");
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

INSTANTIATE_TEST_SUITE_P(Russian, HudWordsTest, testing::Values(HudScreen{1024, 768, "ru"}),
                         [](const testing::TestParamInfo<HudScreen>&) { return std::string("1024x768_ru"); });
