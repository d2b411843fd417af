#include "WidgetFixture.h"

#include "MaterialSystem/textures/TextureMgr.h"

#include <fstream>

const char* const WidgetMovies[] = {
    "smallButton",   "middleButton", "bigButton2", "buttonTitle", "title",        "remarks",
    "personal_info", "ugolokTL",     "ugolokTR",   "ugolokBL",    "ugolokBR",     "tg_pirat",
    "itemSelected",  "itemPassive",  "itemFull",   "itemFull_e",  "races_column", "pirates_column_back",
    "pirates_column"};
const size_t WidgetMovieCount = std::size(WidgetMovies);

namespace {

// Any function the game calls on it is logged with its arguments (up to the first null of four);
// the runtime's own handlers are left alone.
const char* const Recorder = R"movie(
local handlers = { Draw = true, Update = true, OnMouseMove = true, OnMouseDown = true, OnMouseUp = true,
                   OnKeyDown = true, OnKeyUp = true, OnChar = true, OnRewind = true }

local function Show(value)
    if type(value) == "string" then
        return "'" .. value .. "'"
    end
    return tostring(value)
end

setmetatable(_G, { __index = function(globals, name)
    if type(name) != "string" or handlers[name] then
        return NULL
    end
    return function(a, b, c, d)
        local shown = {}
        for _, value in ipairs({ a, b, c, d }) do
            table.insert(shown, Show(value))
        end
        print("call " .. name .. "(" .. table.concat(shown, ",") .. ")")
    end
end })
)movie";

const std::string CallMark = "\": call ";

} // namespace

const char* const RecorderMovie = Recorder;

WidgetTest::WidgetTest()
{
    _windowWidth = 1280;
    _windowHeight = 960;
    _shaders = true;
}

void WidgetTest::SetUp()
{
    FlashTest::SetUp();
    if (IsSkipped())
        return;
    std::filesystem::copy(std::string(GAME_DATA_DIR) + "/texts", "texts", std::filesystem::copy_options::recursive);
    _system->GetMaterialMgr()->SetRootDir((std::string(GAME_DATA_DIR) + "/materials/").c_str());
    for (const char* movie : WidgetMovies)
        WriteMovie(movie, Recorder);
    _texts = std::make_unique<GameTexts>();
    for (const char* file : {"ui_common.txt", "ui_stock_exchange.txt", "names_races.txt"})
        _texts->LoadTextsFromFile("en", file);
    _profiles = std::make_unique<ProfileManager>(_texts.get(), nullptr, "en", ".");
    game.SetGameTextsSystem(_texts.get());
    game.SetProfileManager(_profiles.get());
    _read = LogLines().size();
}

void WidgetTest::TearDown()
{
    game.SetGameTextsSystem(nullptr);
    game.SetProfileManager(nullptr);
    // The layers go before the profiles and texts they were filled from.
    LayerManager::Release();
    _profiles.reset();
    _texts.reset();
    FlashTest::TearDown();
}

void WidgetTest::UseGameMovies()
{
    for (const char* movie : WidgetMovies)
    {
        const std::string name = std::string(movie) + ".lua";
        std::filesystem::copy_file(std::string(GAME_DATA_DIR) + "/swf/" + name, "swf/" + name,
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

std::vector<std::string> WidgetTest::Calls()
{
    std::vector<std::string> calls;
    const std::vector<std::string>& lines = LogLines();
    for (; _read < lines.size(); ++_read)
    {
        // Movie "swf/<movie>.lua": call <Function>(<args>)
        const std::string& line = lines[_read];
        const size_t start = line.find("Movie \"swf/");
        const size_t mark = line.find(CallMark);
        if (start == std::string::npos || mark == std::string::npos)
            continue;
        const std::string movie = line.substr(start + 11, line.rfind(".lua", mark) - start - 11);
        std::string call = line.substr(mark + CallMark.size());
        while (!call.empty() && call.back() == '\n')
            call.pop_back();
        calls.push_back(movie + "." + call);
    }
    return calls;
}

void WidgetTest::Screen(int width, int height)
{
    CreateLayers(width, height);
    _read = LogLines().size();
}
