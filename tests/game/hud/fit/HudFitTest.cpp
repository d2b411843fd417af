// The HUD of the shipped mission "Cargo annihilation" fits the screen: at 4:3 and 16:9 sizes the
// pixels each element really draws stay inside its frame and clear of its neighbours, and the
// elements that belong together stay together. Each frame is kept beside the test program as
// "hud_fit_<w>x<h>_<language>.bmp".
#include "HudFitFixture.h"

#include <cctype>
#include <cmath>
#include <map>

#include "MaterialSystem/materials/Material.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudRadar.h"
#include "game/hud/GuiShipHudSpeed.h"
#include "game/hud/GuiShipHudTargetInfo.h"
#include "game/hud/GuiShipHudUser.h"
#include "game/hud/GuiShipHudWeaponry.h"
#include "layers/FlashLayer.h"
#include "layers/flash/FlashControl.h"
#include "layers/widgets/GuiWidget.h"

namespace {

using Element = std::function<bool(const HudItem&)>;

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}
bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

// The quads of one of the HUD's Flash layers (each has a texture of its own).
Element LayerOf(const std::vector<FlashLayer*>& layers)
{
    std::vector<const Texture*> textures;
    for (const FlashLayer* layer : layers)
        textures.push_back(layer && layer->GetFC() ? layer->GetFC()->getTexture() : nullptr);
    return [textures](const HudItem& item) {
        if (!item.layer || item.kind != HudItem::QUAD || !item.material)
            return false;
        const Texture* texture = item.material->GetTextureByIndex(0);
        return std::find(textures.begin(), textures.end(), texture) != textures.end();
    };
}

// The quads of materials whose names end so (a language's own material keeps the name).
Element MaterialsEnding(const std::vector<std::string>& ends)
{
    return [ends](const HudItem& item) {
        if (item.kind != HudItem::QUAD)
            return false;
        for (const std::string& end : ends)
        {
            if (EndsWith(item.materialName, end))
                return true;
        }
        return false;
    };
}

Element Either(Element a, Element b)
{
    return [a, b](const HudItem& item) { return a(item) || b(item); };
}

// The end ticks of the level bars: the layers' lines on one half of the screen.
Element TicksOn(bool left, float width)
{
    return [left, width](const HudItem& item) {
        return item.layer && item.kind == HudItem::LINE && (item.pos.x < width * 0.5f) == left;
    };
}

bool Digits(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(c); });
}

// A part of a statistics row: its plate, picture, count, name or emblem.
Element RowPart(int row, const std::string& part)
{
    return [row, part](const HudItem& item) {
        if (item.layer || item.statsRow != row)
            return false;
        if (part == "count" || part == "name")
            return item.kind == HudItem::TEXT && Digits(item.text) == (part == "count");
        if (item.kind != HudItem::QUAD)
            return false;
        const std::string& name = item.materialName;
        if (part == "card")
            return StartsWith(name, "gui_hud_stats_");
        if (part == "picture")
            return StartsWith(name, "gui/icons/");
        return StartsWith(name, "races/");
    };
}

enum eRelation
{
    CLEAR,  // no pixel of the one within `reach` pixels of the other
    INSIDE, // the first's box within the second's
    BESIDE, // some pixel of the one within `reach` pixels of the other
};

struct Pair
{
    std::string a, b;
    eRelation relation;
    int reach = 1;
};

// The pixels of `a` within `reach` pixels of `b` across or down (1: the 8 neighbours).
int Touching(const HudMask& a, const HudMask& b, int reach)
{
    int touching = 0;
    for (int y = std::max(a.y0, b.y0 - reach); y < std::min(a.y1, b.y1 + reach); ++y)
    {
        for (int x = std::max(a.x0, b.x0 - reach); x < std::min(a.x1, b.x1 + reach); ++x)
        {
            if (!a.At(x, y))
                continue;
            bool near = false;
            for (int dy = -reach; dy <= reach && !near; ++dy)
                for (int dx = -reach; dx <= reach && !near; ++dx)
                    near = b.At(x + dx, y + dy);
            touching += near;
        }
    }
    return touching;
}

} // namespace

// The box, for messages.
static std::ostream& operator<<(std::ostream& out, const HudMask& m)
{
    return out << "(" << m.x0 << ", " << m.y0 << ") - (" << m.x1 << ", " << m.y1 << ")";
}

void HudOnScreenTest::ExpectEveryElementFits(const std::string& name)
{
    const HudScreen screen = GetParam();
    GuiShipHud* hud = Hud();
    ASSERT_NE(hud, nullptr);
    KeepScreenshot(name + ".bmp");

    const GuiShipHudSpeed* speed = hud->GetSpeedHud();
    const GuiShipHudUser* user = hud->GetUserShip();
    const float scale = Gui::ScreenSize(Vec2(1.0f, 1.0f)).x;
    const Vec2 energyAt = Gui::ScreenPos(Vec2(433.0f, 776.0f), GA_CENTER);
    std::map<std::string, Element> elements = {
        {"target panel", LayerOf({hud->GetTargetInfo()->GetShipMovie()})},
        {"target labels", MaterialsEnding({"gui_hud_enemy_level1.mat", "gui_hud_enemy_level2.mat",
                                           "gui_hud_enemy_level3.mat", "gui_hud_enemy_level4.mat"})},
        {"target bars", Either(MaterialsEnding({"gui_hud_enemy_line1.mat", "gui_hud_enemy_line2.mat"}),
                               TicksOn(true, float(screen.width)))},
        {"target rings",
         MaterialsEnding({"gui_hud_enemy_circle1.mat", "gui_hud_enemy_circle2.mat", "gui_hud_enemy_circle3.mat"})},
        {"flight model", MaterialsEnding({"fm_direct.mat", "fm_strafe.mat", "fm_duplex.mat", "fm_comby.mat"})},
        {"speed gauge", LayerOf({speed->GetSpeedLayer(0)})},
        {"speed bars",
         LayerOf({speed->GetSpeedLayer(1), speed->GetSpeedLayer(2), speed->GetSpeedLayer(3), speed->GetSpeedLayer(4)})},
        {"boost panels", LayerOf({speed->GetBoostLayer(false), speed->GetBoostLayer(true)})},
        {"energy",
         [energyAt, scale](const HudItem& item) {
             return item.layer && item.kind == HudItem::QUAD && std::fabs(item.pos.x - energyAt.x) < 0.5f &&
                    std::fabs(item.pos.y - energyAt.y) < 0.5f && std::fabs(item.size.x - 128.0f * scale) < 0.5f;
         }},
        {"radar", LayerOf({static_cast<FlashLayer*>(hud->GetRadar()->GetRadarLayer()->GetChildByName("RadarContur"))})},
        {"weaponry", LayerOf({hud->GetWeaponryHud()->GetLayer()})},
        {"ship panel", LayerOf({user->GetMovie(2)})},
        {"ship badges", MaterialsEnding({"gui_hud_usership_levels1.mat", "gui_hud_usership_levels2.mat",
                                         "gui_hud_usership_levels3.mat", "gui_hud_usership_levels4.mat"})},
        {"ship bars", Either(MaterialsEnding({"gui_hud_usership_line.mat"}), TicksOn(false, float(screen.width)))},
    };
    std::vector<Pair> pairs = {
        {"flight model", "target panel", CLEAR},
        {"speed gauge", "target panel", CLEAR},
        {"speed bars", "target panel", CLEAR},
        {"boost panels", "target panel", CLEAR},
        {"flight model", "energy", CLEAR},
        {"flight model", "speed gauge", CLEAR},
        {"energy", "radar", CLEAR},
        {"energy", "speed gauge", CLEAR},
        {"radar", "speed gauge", CLEAR},
        {"radar", "weaponry", CLEAR},
        {"weaponry", "speed gauge", CLEAR},
        // The weaponry stands on the speed gauge's right end at every aspect.
        {"weaponry", "speed gauge", BESIDE, 8},
        {"weaponry", "ship panel", CLEAR},
        {"speed gauge", "ship panel", CLEAR},
        {"speed bars", "ship panel", CLEAR},
        {"boost panels", "ship panel", CLEAR},
        {"boost panels", "speed gauge", CLEAR},
        {"target rings", "target labels", CLEAR},
        {"target bars", "target labels", CLEAR},
        {"ship bars", "ship badges", CLEAR},
        {"target labels", "target panel", INSIDE},
        {"target bars", "target panel", INSIDE},
        {"target rings", "target panel", INSIDE},
        {"ship badges", "ship panel", INSIDE},
        {"ship bars", "ship panel", INSIDE},
        {"speed bars", "speed gauge", INSIDE},
    };
    // The statistics rows of the mission: the exit portal (a small row), the cargo ships (big)
    // and the fighters (medium), in the order of their ids.
    int rows = 0;
    std::map<int, Vec4> nameBoxes;
    for (const HudItem& item : RecordFrame())
    {
        rows = std::max(rows, item.statsRow + 1);
        if (item.statsRow >= 0 && RowPart(item.statsRow, "name")(item))
            nameBoxes[item.statsRow] = item.rect;
        // A box lower than its font's line cuts the letters' tails off.
        if (item.kind == HudItem::TEXT && !item.text.empty())
        {
            EXPECT_GE(item.rect.w - item.rect.y + 0.5f, float(item.lineHeight))
                << "\"" << item.text << "\" in " << item.rect.x << ", " << item.rect.y << " to " << item.rect.z << ", "
                << item.rect.w;
        }
    }
    ASSERT_EQ(rows, 3) << "the portal's, the cargo ships' and the fighters' rows";
    for (int row = 0; row < rows; ++row)
    {
        const std::string prefix = "row " + std::to_string(row) + " ";
        for (const char* part : {"card", "picture", "count", "name", "emblem"})
            elements[prefix + part] = RowPart(row, part);
        for (const char* part : {"picture", "count", "name", "emblem"})
            pairs.push_back({prefix + part, prefix + "card", INSIDE});
        for (const char* part : {"picture", "count"})
            pairs.push_back({prefix + part, prefix + "card", CLEAR});
        // A caption that comes within a few pixels of a line stands on it.
        pairs.push_back({prefix + "name", prefix + "card", CLEAR, 3});
        pairs.push_back({prefix + "picture", prefix + "count", CLEAR});
        pairs.push_back({prefix + "picture", prefix + "emblem", CLEAR});
        pairs.push_back({prefix + "picture", prefix + "name", CLEAR});
        pairs.push_back({prefix + "name", prefix + "emblem", CLEAR});
        if (row > 0)
        {
            const std::string above = "row " + std::to_string(row - 1) + " ";
            pairs.push_back({prefix + "card", above + "card", CLEAR});
            pairs.push_back({prefix + "picture", above + "card", CLEAR});
            pairs.push_back({above + "picture", prefix + "card", CLEAR});
        }
    }

    std::map<std::string, HudMask> masks;
    for (const auto& [name, element] : elements)
    {
        masks[name] = Mask(element);
        // Whatever the speed, the speed's bars and pointers may show nothing.
        if (name != "speed bars")
        {
            EXPECT_FALSE(masks[name].Empty()) << name << " draws nothing";
        }
    }
    for (const Pair& pair : pairs)
    {
        const HudMask& a = masks[pair.a];
        const HudMask& b = masks[pair.b];
        if (a.Empty() || b.Empty())
            continue;
        if (pair.relation == CLEAR)
        {
            EXPECT_EQ(Touching(a, b, pair.reach), 0) << pair.a << " " << a << " touches " << pair.b << " " << b;
        }
        else if (pair.relation == BESIDE)
        {
            EXPECT_GT(Touching(a, b, pair.reach), 0)
                << pair.a << " " << a << " stands more than " << pair.reach << " pixels off " << pair.b << " " << b;
        }
        else
        {
            EXPECT_TRUE(a.x0 >= b.x0 && a.y0 >= b.y0 && a.x1 <= b.x1 && a.y1 <= b.y1)
                << pair.a << " " << a << " leaves " << pair.b << " " << b;
        }
    }

    // A group's name fits its box: the text is cut at the box's sides.
    for (const auto& [row, box] : nameBoxes)
    {
        const HudMask& name = masks["row " + std::to_string(row) + " name"];
        EXPECT_TRUE(float(name.x0) > box.x + 1.0f && float(name.x1) < box.z - 1.0f)
            << "row " << row << " name " << name << " fills its box from " << box.x << " to " << box.z;
    }

    // The fighter on the target panel stands inside the innermost ring, and nothing else of the
    // panel comes near the rings.
    const HudMask& rings = masks["target rings"];
    const HudMask& panel = masks["target panel"];
    const float cx = 0.5f * float(rings.x0 + rings.x1), cy = 0.5f * float(rings.y0 + rings.y1);
    float inner = 1e9f, outer = 0.0f;
    for (int y = rings.y0; y < rings.y1; ++y)
    {
        for (int x = rings.x0; x < rings.x1; ++x)
        {
            if (!rings.At(x, y))
                continue;
            const float d = std::hypot(float(x) + 0.5f - cx, float(y) + 0.5f - cy);
            inner = std::min(inner, d);
            outer = std::max(outer, d);
        }
    }
    int within = 0, across = 0;
    for (int y = int(cy - outer - 3); y <= int(cy + outer + 3); ++y)
    {
        for (int x = int(cx - outer - 3); x <= int(cx + outer + 3); ++x)
        {
            if (!panel.At(x, y))
                continue;
            const float d = std::hypot(float(x) + 0.5f - cx, float(y) + 0.5f - cy);
            within += d < inner - 1.0f;
            across += d >= inner - 1.0f && d <= outer + 2.0f;
        }
    }
    EXPECT_GT(within, 20) << "the target's fighter inside the rings";
    EXPECT_EQ(across, 0) << "pixels of the target panel on or next to the rings (" << inner << " to " << outer
                         << " from " << cx << ", " << cy << ")";
}

namespace {

class HudFitTest : public HudOnScreenTest
{};

std::string Tag(const HudScreen& screen)
{
    return std::to_string(screen.width) + "x" + std::to_string(screen.height) + "_" + screen.language;
}

} // namespace

TEST_P(HudFitTest, EveryElementStaysInItsFrameAndClearOfItsNeighbours)
{
    ASSERT_TRUE(FlyMission("lvl12")) << "the target is scanned";
    ExpectEveryElementFits("hud_fit_" + Tag(GetParam()));
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

INSTANTIATE_TEST_SUITE_P(Screens, HudFitTest,
                         testing::Values(HudScreen{1024, 768, "en"}, HudScreen{1280, 960, "en"},
                                         HudScreen{1280, 720, "en"}, HudScreen{1600, 900, "en"},
                                         HudScreen{1920, 1080, "en"}),
                         [](const testing::TestParamInfo<HudScreen>& info) { return Tag(info.param); });
