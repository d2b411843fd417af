#include "game/hud/GuiShipHudStats.h"

#include "game/hud/HudPaint.h"
#include "game/hud/HudServices.h"
#include "layers/widgets/GuiGame.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

float GuiShipHudStats::_blinkPhase = 0.0f;

namespace {

const char* const PlateFiles[3] = {"gui_hud_stats_big.mat", "gui_hud_stats_medium.mat", "gui_hud_stats_small.mat"};
const char* const LightFiles[3] = {"gui_hud_stats_big_light.mat", "gui_hud_stats_medium_light.mat",
                                   "gui_hud_stats_small_light.mat"};
// Race codes and their emblems, in the drawer's order.
const char* const RaceTags[GuiShipHudStats::RaceCount] = {"SMKT", "FSLK", "BLG", "TLD", "RTB", "YTG", "ASP", "SHA"};
const char* const RaceFiles[GuiShipHudStats::RaceCount] = {
    "races//smkt_small.mat", "races//fslk_small.mat", "races//blg_small.mat", "races//tld_small.mat",
    "races//rtb_small.mat",  "races//ytg_small.mat",  "races//asp_small.mat", "races//sha_small.mat"};

const Color White(1.0f, 1.0f, 1.0f, 1.0f);
const Color TextColor(0.0f, 0.844f, 0.98f, 1.0f);

// Per style: the picture's place, the count's and the name's font and place, the name's box.
struct RowLayout
{
    float pictureX, pictureY;
    unsigned countHeight, countWidth;
    unsigned long countWeight;
    float countX;
    unsigned nameHeight, nameWidth;
    float nameX, nameY, nameBoxW, nameBoxH;
    float shift; // of q, to the left
};
const RowLayout Layouts[3] = {
    {1038, 28, 16, 8, 700, 1048, 14, 7, 1046, 118, 116, 15, 148},
    {1059, 18, 14, 7, 700, 1077, 14, 7, 1084, 94, 76, 15, 35 + 113},
    {1076, 20, 13, 6, 0, 1104, 13, 6, 1097, 98, 77, 12, 61 + 87},
};

// The group's name in the chosen language: the text of "ui_hud_group_<name>", the name in
// lower case with blanks as "_", or the name itself where the texts have none.
std::string ShownName(const char* name)
{
    std::string code = "ui_hud_group_";
    for (const char* c = name; *c; ++c)
        code += *c == ' ' ? '_' : char(std::tolower(static_cast<unsigned char>(*c)));
    const char* text = Hud::Text(code.c_str());
    return code == text ? std::string(name) : std::string(text);
}

} // namespace

void GuiShipHudStats::Load()
{
    for (int i = 0; i < 3; ++i)
        _plates[i] = GuiGame::LoadMaterial(PlateFiles[i]);
    for (int i = 0; i < 3; ++i)
        _lights[i] = GuiGame::LoadMaterial(LightFiles[i]);
    for (int i = 0; i < RaceCount; ++i)
        _races[i] = GuiGame::LoadMaterial(RaceFiles[i]);
}

GuiShipHudStats::eStyle GuiShipHudStats::StyleOf(int style)
{
    return style == 2 ? STYLE_BIG : style == 1 ? STYLE_MEDIUM : STYLE_SMALL;
}

void GuiShipHudStats::SetEntry(const char* id, const char* name, const char* raceTag, const char* iconFile, int style,
                               unsigned count)
{
    std::unique_ptr<GuiShipHudStatsRow>& row = _rows[id ? id : ""];
    if (!row)
    {
        row = std::make_unique<GuiShipHudStatsRow>();
        row->icon = iconFile ? GuiGame::LoadMaterial(iconFile) : nullptr;
    }
    row->count = count;
    row->style = style;
    Gui::CopyText(row->name, sizeof row->name, name);
    Gui::CopyText(row->raceTag, sizeof row->raceTag, raceTag);
}

const GuiShipHudStatsRow* GuiShipHudStats::GetRow(const char* id) const
{
    const auto found = _rows.find(id ? id : "");
    return found == _rows.end() ? nullptr : found->second.get();
}

Material* GuiShipHudStats::RaceEmblem(const char* raceTag) const
{
    for (int i = 0; i < RaceCount; ++i)
    {
        if (std::strcmp(raceTag, RaceTags[i]) == 0)
            return _races[i];
    }
    return nullptr;
}

void GuiShipHudStats::Proceed()
{
    const float dt = Hud::Seconds();
    float y = 4.0f;
    for (auto& [id, row] : _rows)
    {
        if (row->count == 0)
            continue;
        row->highlightTime -= dt;
        if (row->highlightTime < 0.0f)
            row->highlight = 0;
        DrawRow(*row, 1249.0f, y);
        y += StyleOf(row->style) == STYLE_BIG ? 82.0f : 60.0f;
    }
}

void GuiShipHudStats::DrawRow(GuiShipHudStatsRow& row, float x, float y)
{
    const eStyle style = StyleOf(row.style);
    const RowLayout& layout = Layouts[style];
    const Vec2 axes(Hud::ScreenWidth() / 1280.0f, Hud::ScreenHeight() / 960.0f);
    const float q = x - 1045.0f - layout.shift;
    const float r = y - 39.0f;
    auto at = [&](float dx, float dy) { return Vec2(q + dx, r + dy) * axes; };
    auto box = [&](float dx, float dy, float w, float h) {
        const Vec2 from = at(dx, dy), to = at(dx + w, dy + h);
        return Vec4(from.x, from.y, to.x, to.y);
    };

    const Vec2 platePos = at(959.0f, 32.0f), plateSize = Vec2(256.0f, 128.0f) * axes;
    HudPaint::Quad(_plates[style], platePos, plateSize, 0.0f, White);
    if (row.highlight == 1)
    {
        _blinkPhase += Hud::Seconds() * 10.0f;
        HudPaint::Quad(_lights[style], platePos, plateSize, 0.0f,
                       Color(1.0f, 1.0f, 1.0f, std::fabs(std::cos(_blinkPhase)) * 0.3f));
    }
    HudPaint::Quad(row.icon, at(layout.pictureX, layout.pictureY), Vec2(128.0f, 128.0f) * axes, 0.0f, White);

    char count[16];
    std::snprintf(count, sizeof count, "%u", row.count);
    HudPaint::Text({"Arial", layout.countHeight, layout.countWidth, layout.countWeight, false, count,
                    box(layout.countX, 64.0f, 35.0f, 15.0f), TA_CENTER, true, TextColor});
    const std::string name = ShownName(row.name);
    HudPaint::Text({"Arial", layout.nameHeight, layout.nameWidth, 400, false, name.c_str(),
                    box(layout.nameX, layout.nameY, layout.nameBoxW, layout.nameBoxH), TA_CENTER, true, TextColor});

    if (Material* emblem = RaceEmblem(row.raceTag))
        HudPaint::Quad(emblem, at(1155.0f, 61.0f), Vec2(32.0f, 64.0f) * axes, 0.0f, White);
}
