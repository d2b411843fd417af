// Every movie of the game data takes the calls the game makes on it, with the kinds of
// arguments the game sends, then plays and paints without a logged line: a function a screen
// calls that its movie lacks, or a script that fails, shows up here rather than as a blank
// screen.
#include "FlashFixture.h"

#include "MaterialSystem/textures/TextureMgr.h"
#include "platform/movie/MovieGroup.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <utility>
#include <vector>

using FlashHost::Args;

namespace {

using Calls = std::vector<std::pair<const wchar_t*, Args>>;

// The calls each movie gets from the game, in an order a screen makes them. Movies not named
// here get no calls.
const std::map<std::string, Calls>& GameCalls()
{
    static const Calls button = {{L"SetText", Args("Play")}, {L"SetState", Args(2)}, {L"SetState", Args(0)}};
    static const Calls corner = {{L"SetState", Args(1)}, {L"SetState", Args(0)}};
    static const Calls slot = {{L"SetName", Args("Arrdra belt")}};
    static const Calls card = {{L"Create", Args("/games/vantrel//textures//devices/armor.swf")},
                               {L"SetCaption", Args("Armour")}};
    static const Calls loan = {{L"SetRateC", Args("Rate")},
                               {L"SetCashC", Args("Cash")},
                               {L"SetName", Args("Orm")},
                               {L"SetRate", Args("12%")},
                               {L"SetCash", Args("5000")}};
    static const Calls offer = {{L"SetRM", Args("Read more")},
                                {L"SetName", Args("Ore run")},
                                {L"SetR", Args("BLG")},
                                {L"SetM", Args("1200")},
                                {L"SetS", Args(4)},
                                {L"SetState", Args(0)}};
    static const Calls missionCard = {{L"SetName", Args("Dealer Orm")},
                                      {L"SetTitle", Args("Silent hunt")},
                                      {L"SetLocation", Args("Arrdra belt")},
                                      {L"SetDesc", Args("Find the carrier.")}};
    static const Calls tape = {
        {L"SetMsg", Args("Name:")}, {L"SetMsg2", Args("Enter to keep it")}, {L"SetName", Args("Vera")}};
    static const std::map<std::string, Calls> calls = {
        {"console",
         {{L"AddLineToConsole", Args("A line")},
          {L"SetCurrentConsoleLine", Args("takescr")},
          {L"AddSymbol", Args(101)},
          {L"AddSymbol", Args(-56)},
          {L"AddSymbol", Args(8)},
          {L"GetCommand", Args()},
          {L"PageUp", Args()},
          {L"PageDown", Args()}}},
        {"preloader", {{L"SetText", Args("Loading")}, {L"SetProgress", Args(0.5f)}}},
        {"sys_report",
         {{L"Color0", Args(1.0f)(0.0f)(0.0f)},
          {L"Anim0", Args()},
          {L"Color1_0", Args(1.0f)(0.0f)(0.0f)},
          {L"Anim1_0", Args()},
          {L"Color1_1", Args(0.0f)(1.0f)(0.0f)},
          {L"Anim1_1", Args()},
          {L"Color2_0", Args(1.0f)(0.0f)(0.0f)},
          {L"Anim2_0", Args()},
          {L"Color2_1", Args(0.0f)(0.0f)(1.0f)},
          {L"Anim2_1", Args()},
          {L"Color3_0", Args(1.0f)(1.0f)(0.0f)},
          {L"Anim3_0", Args()},
          {L"Color3_1", Args(1.0f)(1.0f)(0.0f)},
          {L"Anim3_1", Args()},
          {L"Color4_0", Args(0.0f)(1.0f)(1.0f)},
          {L"Anim4_0", Args()},
          {L"Color4_1", Args(0.0f)(1.0f)(1.0f)},
          {L"Anim4_1", Args()}}},
        {"smallButton", button},
        {"middleButton", button},
        {"bigButton2", button},
        {"buttonTitle", {{L"SetCaption", Args("Pirates")}, {L"SetCaption2", Args("6")}, {L"SetState", Args(1)}}},
        {"title", {{L"SetTitle", Args("Stock exchange")}}},
        {"remarks", {{L"Set1", Args("Tip")}, {L"Set2", Args("One")}, {L"Set3", Args("Two")}, {L"Set4", Args("Three")}}},
        {"personal_info",
         {{L"SetName", Args("Vera")},
          {L"SetScore", Args("1375")},
          {L"SetCash", Args("4200")},
          {L"SetSName", Args("Kestrel")},
          {L"Set1", Args("Status")},
          {L"Set2", Args("Cash")},
          {L"Set3", Args("Score")},
          {L"Set4", Args("Name")}}},
        {"ugolokTL", corner},
        {"ugolokTR", corner},
        {"ugolokBL", corner},
        {"ugolokBR", corner},
        {"tg_pirat",
         {{L"SetTxt0", Args("Name")},
          {L"SetTxt1", Args("Cash")},
          {L"SetTxt2", Args("Score")},
          {L"SetTxt3", Args("Eff.")},
          {L"SetName", Args("Ash")},
          {L"SetCash", Args("700")},
          {L"SetScore", Args("4.250")},
          {L"SetEff", Args("45")},
          {L"SetLevel", Args(0)(0.35f)},
          {L"SetLevel", Args(1)(0.45f)},
          {L"SetState", Args(1)}}},
        {"itemSelected", offer},
        {"itemPassive", offer},
        {"itemFull",
         {{L"SetRM", Args("Details")},
          {L"SetTxt1", Args("From")},
          {L"SetTxt2", Args("Mission")},
          {L"SetTxt3", Args("Location")},
          {L"SetTxt4", Args("Objective")},
          {L"SetName", Args("Silent hunt")},
          {L"SetFrom", Args("Dealer Orm")},
          {L"SetLocation", Args("Arrdra belt")},
          {L"SetDesc", Args("Find the raiders' carrier in the belt and destroy it.")},
          {L"SetR", Args("TLD")},
          {L"SetM", Args("2500")},
          {L"SetS", Args(3)}}},
        {"itemFull_e", {{L"SetState", Args(0)}, {L"SetState", Args(1)}, {L"SetState", Args(2)}}},
        {"races_column",
         {{L"SetNameC", Args(0)("Race")},
          {L"SetRateC", Args(0)("Rating")},
          {L"SetName", Args(0)("Tuloud")},
          {L"SetNameSmall", Args(0)("TLD")},
          {L"SetRate", Args(0)(0.6f)},
          {L"SetRate", Args(7)(0.6f)}}},
        {"pirates_column",
         {{L"Initialize", Args(5)},
          {L"SetNameC", Args(0)("Name")},
          {L"SetScoreC", Args(0)("Score")},
          {L"SetEffC", Args(0)("Efficiency")},
          {L"SetName", Args(5)("Vera")},
          {L"SetScoreText", Args(5)("1375")},
          {L"SetEffText", Args(5)("81")},
          {L"SetScore", Args(5)(0.9f)},
          {L"SetEff", Args(5)(0.81f)}}},
        {"weaponry",
         {{L"SetGunState", Args(1)(1)},
          {L"SetGunState", Args(2)(0)},
          {L"SetCnt1", Args("+")},
          {L"SetCnt2", Args("12")},
          {L"SetCnt3", Args("0")},
          {L"SetCnt4", Args("3")}}},
        {"confirm",
         {{L"SetText", Args("Quit?")}, {L"SetYes", Args("Yes")}, {L"SetNo", Args("No")}, {L"SetState", Args(1)}}},
        {"field_short",
         {{L"SetName", Args("Vera")},
          {L"SetCaption", Args(0)("Score")},
          {L"SetValue", Args(0)("1375")},
          {L"SetCaption", Args(4)("Ship")},
          {L"SetValue", Args(4)("Kestrel")}}},
        {"tape_field", tape},
        {"name_used", {{L"SetMsg", Args("Taken")}, {L"SetMsg2", Args("Choose another")}}},
        {"text", {{L"SetTxt", Args("Vera")}}},
        {"m_slot_small", slot},
        {"m_slot_medium", slot},
        {"m_slot_big", slot},
        {"jetSystemBalance",
         {{L"SetTitle", Args("Balance")},
          {L"SetTxt0", Args("Engine")},
          {L"SetTxt5", Args("Shield")},
          {L"SetLevel", Args(0)(0.5f)},
          {L"SetLevel", Args(5)(1.0f)}}},
        {"devicesParameters",
         {{L"SetTitle", Args("Parameters")},
          {L"SetTxt1", Args("1")},
          {L"SetTxt4", Args("4")},
          {L"SetLvl1", Args(0.5f)},
          {L"SetLvl4", Args(1.0f)}}},
        {"top_button_p", {{L"SetType", Args(1)("Weapons")}}},
        {"top_button_a",
         {{L"SetType", Args(2)("Devices")},
          {L"StartAnimation", Args()},
          {L"ClearAllText", Args()},
          {L"AddText", Args("Slot 1")},
          {L"AddText", Args("Slot 2")},
          {L"SetShift", Args(32.0f)},
          {L"SetSelected", Args(1)}}},
        {"frame_m", card},
        {"frame_b", card},
        {"race_txt", {{L"SetCaption", Args("TLD")}}},
        {"save_no", {{L"SetState", Args(2)}}},
        {"table_big",
         {{L"SetTxt0", Args("Name")},
          {L"SetTxt4", Args("Limit")},
          {L"Reset", Args()},
          {L"AddMission", Args("Game")("Arrdra")("Deathmatch")("1")("8")},
          {L"EventDown", Args()},
          {L"EventUp", Args()},
          {L"GetSelected", Args()}}},
        {"game_settings",
         {{L"SetTxt0", Args("Server")},
          {L"SetTxt5", Args("Minutes")},
          {L"SetServerName", Args("Vera's game")},
          {L"SetActiveSlot", Args(2)},
          {L"EventRight", Args()},
          {L"EventLeft", Args()},
          {L"GetPL", Args()},
          {L"GetFL", Args()},
          {L"GetTL", Args()}}},
        {"gs_message", {{L"SetTxt", Args("Choose a map")}}},
        {"chat",
         {{L"SetTxt0", Args("Server")},
          {L"SetTxt4", Args("Chat")},
          {L"SetGameType", Args("Deathmatch")},
          {L"SetServerName", Args("Vera's game")},
          {L"SetFragLimit", Args(20)},
          {L"SetTimeLimit", Args(10)},
          {L"ChangeChatMessage", Args("hello")}}},
        {"mt_player",
         {{L"SetName", Args("Ash")},
          {L"SetCash", Args("700")},
          {L"SetScore", Args("4")},
          {L"SetEff", Args("45")},
          {L"SetLevel", Args(2)(0.5f)},
          {L"SetState", Args(1)}}},
        {"mission_desc_1",
         {{L"SetTxt1", Args("From")},
          {L"SetTxt4", Args("Objective")},
          {L"SetMT", Args("Team")},
          {L"SetName", Args("Dealer Orm")},
          {L"SetTitle", Args("Silent hunt")},
          {L"SetLocation", Args("Arrdra belt")},
          {L"SetDesc", Args("Find the carrier.")},
          {L"SetTeam", Args("2 / 3: Ash, Vera")}}},
        {"mission_map", {{L"SetLocation", Args("Arrdra belt")}}},
        {"md_e", missionCard},
        {"tg_mission_desc",
         {{L"SetTxt0", Args("Mission")},
          {L"SetTxt4", Args("Money")},
          {L"SetMaxTeam", Args(3)},
          {L"SetCurTeam", Args(1)},
          {L"SetName", Args("Dealer Orm")},
          {L"SetTitle", Args("Silent hunt")},
          {L"SetLocation", Args("Arrdra belt")},
          {L"SetMoney", Args(-300)}}},
        {"message_board", {{L"SetTxt", Args("Gather your team")}}},
        {"loan_p", loan},
        {"loan_a", loan},
        {"demo", {{L"SetTitle", Args("Demo")}, {L"Clicks", Args()}}},
    };
    return calls;
}

double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The design size a movie script gives itself with movie.design(w, h).
bool DesignSize(const std::filesystem::path& script, int& width, int& height)
{
    std::ifstream file(script);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    static const std::regex design(R"(movie\.design\((\d+), *(\d+)\))");
    std::smatch found;
    if (!std::regex_search(text, found, design))
        return false;
    width = std::stoi(found[1]);
    height = std::stoi(found[2]);
    return true;
}

} // namespace

TEST_F(FlashTest, EveryGameMovieTakesTheGamesCallsAndPaintsWithoutALoggedLine)
{
    _system->GetTextureMgr()->SetRootDir((std::string(GAME_DATA_DIR) + "/textures/").c_str());
    std::set<std::string> movies;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(GAME_DATA_DIR) + "/swf"))
    {
        if (entry.path().extension() == ".lua" && entry.path().stem() != "console")
            std::filesystem::copy_file(entry.path(), _scratch / "swf" / entry.path().filename());
        movies.insert(entry.path().stem().string());
    }
    for (const auto& [movie, calls] : GameCalls())
        EXPECT_TRUE(movies.count(movie)) << "the game calls on swf/" << movie << ".lua, which the data lacks";

    for (const std::string& movie : movies)
    {
        SCOPED_TRACE(movie);
        const size_t logged = LogLines().size();
        auto control = Control(movie, 320, 240);
        EXPECT_FALSE(control->isInert());
        // The HUD answers its movies' words (here with the code itself).
        control->bind(L"Text", [](FlashHost::FlashControl*, const Args& args) {
            return args.empty() ? FlashHost::FlashValue() : args[0];
        });
        if (auto found = GameCalls().find(movie); found != GameCalls().end())
        {
            for (const auto& [function, args] : found->second)
                control->callFunction(function, args);
        }
        int drawn = 0;
        for (int frame = 0; frame < 45; ++frame)
        {
            Elapse(1.0 / 30.0);
            drawn = control->update("", frame % 15 == 0, false);
        }
        EXPECT_GE(drawn, 2) << "painted";
        for (size_t i = logged; i < LogLines().size(); ++i)
            ADD_FAILURE() << LogLines()[i];
    }
}

// Each mission's system has a map of its own: the two systems of the missions and any other name
// draw different maps, and a name always draws the same one.
TEST_F(FlashTest, TheMissionMapDrawsTheSystemItIsGiven)
{
    std::filesystem::copy_file(std::string(GAME_DATA_DIR) + "/swf/mission_map.lua", _scratch / "swf/mission_map.lua");
    const char* systems[] = {"Arrdra-Grra-Drrratra", "Aldaron V", "Nowhere Prime", "Aldaron V"};
    std::vector<std::unique_ptr<FlashHost::FlashControl>> maps;
    for (const char* system : systems)
    {
        maps.push_back(Control("mission_map", 508, 520));
        maps.back()->callFunction(L"SetLocation", Args(system));
    }
    for (int frame = 0; frame < 10; ++frame)
    {
        Elapse(1.0 / 30.0);
        for (auto& map : maps)
            map->update("", false, false);
    }
    std::vector<std::vector<uint32_t>> pictures;
    for (auto& map : maps)
        pictures.push_back(ReadTexture(*map));
    auto differing = [&](size_t a, size_t b) {
        int count = 0;
        for (int y = 0; y < 520; ++y)
        {
            for (int x = 0; x < 508; ++x)
                count += At(*maps[a], pictures[a], x, y) != At(*maps[b], pictures[b], x, y);
        }
        return count;
    };
    EXPECT_GT(differing(0, 1), 2000) << "the two missions' systems";
    EXPECT_GT(differing(0, 2), 2000) << "another system";
    EXPECT_GT(differing(1, 2), 2000) << "another system";
    EXPECT_EQ(differing(1, 3), 0) << "the same system again";
    EXPECT_FALSE(LogHas("mission_map")) << "the movie runs without an error";
}

// The game's movies take a small part of their share of the frame, even painted
// whole every frame at the size of a 1920 x 1080 screen (1.125 times their design size): their
// usual frame (the median; a loaded machine makes single frames slow now and then) stays under
// half the share, and none of them is stopped. The heaviest, the mission map, takes about a
// fifth of the share on an idle machine; a busy one stretches even thread time.
TEST_F(FlashTest, EveryGameMovieTakesASmallPartOfItsShareOfTheFrame)
{
    _system->GetTextureMgr()->SetRootDir((std::string(GAME_DATA_DIR) + "/textures/").c_str());
    const double scale = 1080.0 / 960.0;
    int played = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(GAME_DATA_DIR) + "/swf"))
    {
        const std::string movie = entry.path().stem().string();
        int width = 0, height = 0;
        if (entry.path().extension() != ".lua" || !DesignSize(entry.path(), width, height))
            continue;
        SCOPED_TRACE(movie);
        if (movie != "console")
            std::filesystem::copy_file(entry.path(), _scratch / "swf" / entry.path().filename());
        const size_t logged = LogLines().size();
        auto control = Control(movie, int(width * scale), int(height * scale));
        control->bind(L"Text", [](FlashHost::FlashControl*, const Args& args) {
            return args.empty() ? FlashHost::FlashValue() : args[0];
        });
        std::vector<double> frames;
        for (int frame = 0; frame < 21; ++frame)
        {
            LayerManager::NextFrame();
            Elapse(1.0 / 30.0);
            const double start = ThreadSeconds();
            if (auto found = GameCalls().find(movie); found != GameCalls().end() && frame == 0)
            {
                for (const auto& [function, args] : found->second)
                    control->callFunction(function, args);
            }
            control->update("", true, false);
            frames.push_back(ThreadSeconds() - start);
        }
        std::nth_element(frames.begin(), frames.begin() + 10, frames.end());
        EXPECT_LT(frames[10], movie::MovieGroup::Bounds().movie.share / 2);
        for (size_t i = logged; i < LogLines().size(); ++i)
            ADD_FAILURE() << LogLines()[i];
        ++played;
    }
    EXPECT_GT(played, 50) << "the game's movies were found";
}
