// Every message that the shipped missions' logic files show fits the HUD's message strip at every
// screen size: each is shown on the strip of its running mission as its trigger shows it, typed
// out, and the pixels of its letters stay between the bars of the strip's ends and between the
// strip's edge lines. The strip's texts are the level files' own, in every language.
#include "HudFitFixture.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "game/ai/LevelLogic.h"
#include "game/ai/logic/HudActions.h"
#include "game/ai/logic/Trigger.h"
#include "game/ai/logic/TriggerSystem.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudTextMessage.h"
#include "game/hud/HudPaint.h"

namespace {

namespace fs = std::filesystem;

// The bars of the strip's ends brighten the screen by 80 or more; its fill by 25 at most.
constexpr int Bright = 50;

// The area inside the strip, in pixels: columns [left, right), rows [top, bottom).
struct Band
{
    int left = 0, right = 0, top = 0, bottom = 0;
};

std::ostream& operator<<(std::ostream& out, const Band& band)
{
    return out << "(" << band.left << ", " << band.top << ") - (" << band.right << ", " << band.bottom << ")";
}

// Reads the inside of the strip from the bright pixels of its two ends. Each end's bar is the
// tallest thing it draws and the only one in its top rows: the strip runs between the bars. The
// edge lines are thin enough to fade at small sizes, so their inner sides are taken where the end
// pictures draw them along the bar: 6 and 36 of its 42 units from its top. False when an end is
// not on the screen.
bool FindBand(const HudMask& ends, Band& band)
{
    if (ends.Empty())
        return false;
    int leftBar = -1, rightBar = ends.width;
    for (int y = ends.y0; y < ends.y0 + 2; ++y)
    {
        for (int x = ends.x0; x < ends.x1; ++x)
        {
            if (!ends.At(x, y))
                continue;
            if (x < ends.width / 2)
                leftBar = std::max(leftBar, x);
            else
                rightBar = std::min(rightBar, x);
        }
    }
    const float bar = float(ends.y1 - ends.y0);
    band.left = leftBar + 1;
    band.right = rightBar;
    band.top = ends.y0 + int(std::ceil(bar * 6.0f / 42.0f));
    band.bottom = ends.y0 + int(std::floor(bar * 36.0f / 42.0f));
    return leftBar >= 0 && rightBar < ends.width;
}

// The missions' logic files that show messages: "<mission>_logic<extension>" beside their level
// and description files.
struct Mission
{
    std::string name, extension;
};

std::vector<Mission> MissionsWithMessages(const fs::path& levels)
{
    std::vector<Mission> missions;
    for (const fs::directory_entry& entry : fs::directory_iterator(levels))
    {
        const std::string stem = entry.path().stem().string();
        const size_t at = stem.rfind("_logic");
        if (at == std::string::npos || at + 6 != stem.size())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (text.find("actionTextMessage") != std::string::npos)
            missions.push_back({stem.substr(0, at), entry.path().extension().string()});
    }
    return missions;
}

class HudStripTest : public HudOnScreenTest
{
protected:
    static GuiShipHudTextMessage* Strip(GuiShipHud* hud) { return hud ? hud->GetTextMsg() : nullptr; }
};

std::string Tag(const HudScreen& screen)
{
    return std::to_string(screen.width) + "x" + std::to_string(screen.height) + "_" + screen.language;
}

} // namespace

// The box, for messages.
static std::ostream& operator<<(std::ostream& out, const HudMask& m)
{
    return out << "(" << m.x0 << ", " << m.y0 << ") - (" << m.x1 << ", " << m.y1 << ")";
}

TEST_P(HudStripTest, EveryMessageOfTheShippedMissionsStaysInsideTheStrip)
{
    const std::vector<Mission> missions = MissionsWithMessages(_data.GetPath() / "levels");
    ASSERT_GE(missions.size(), 2u) << "the offers' missions at least";
    for (const Mission& mission : missions)
    {
        SCOPED_TRACE(mission.name);
        ASSERT_TRUE(StartMission(mission.name, mission.extension));
        LevelLogic* logic = game.GetLevel()->GetLogic();
        ASSERT_NE(logic, nullptr);
        GuiShipHudTextMessage* strip = Strip(Hud());
        ASSERT_NE(strip, nullptr);
        TriggerSystem& triggers = logic->GetTriggerSystem();
        std::set<std::string> seen;
        for (int t = 0; t < triggers.GetTriggerCount(); ++t)
        {
            const Trigger* trigger = triggers.GetTrigger(t);
            for (size_t a = 0; a < trigger->GetActionCount(); ++a)
            {
                auto* action = dynamic_cast<ActionTextMessage*>(trigger->GetAction(a));
                if (!action || !seen.insert(action->GetMessage()).second)
                    continue;
                const std::string message = action->GetMessage();
                SCOPED_TRACE(message);
                // As its trigger shows it, typed out.
                action->Do();
                ASSERT_STREQ(strip->GetText(), message.c_str());
                strip->SetReveal(1.0f);
                const HudMask letters = Mask([&](const HudItem& item) {
                    return item.kind == HudItem::TEXT && !item.layer && item.text == message;
                });
                ASSERT_STREQ(strip->GetShownText(), message.c_str());
                const HudMask ends = Mask(
                    [](const HudItem& item) {
                        return item.kind == HudItem::QUAD &&
                               (item.materialName.rfind("gui_hud_message_left", 0) == 0 ||
                                item.materialName.rfind("gui_hud_message_right", 0) == 0);
                    },
                    Bright);
                Band band;
                ASSERT_TRUE(FindBand(ends, band)) << "both ends on the screen: " << ends;
                ASSERT_FALSE(letters.Empty()) << "the message is drawn";
                EXPECT_TRUE(letters.x0 > band.left && letters.x1 < band.right && letters.y0 >= band.top &&
                            letters.y1 <= band.bottom)
                    << "the letters " << letters << " leave the strip's inside " << band;
                // On one line, not wrapped and cut to the strip's height.
                const float width = HudPaint::TextWidth({"Arial", 20, 9, 0, false, message.c_str(), Vec4(),
                                                         TA_CENTER, true, Color()});
                EXPECT_GE(float(letters.x1 - letters.x0), width - 6.0f)
                    << "the letters " << letters << " of a line " << width << " pixels long";
            }
        }
        EXPECT_FALSE(seen.empty()) << "the logic's messages are read";
        EndMission();
    }
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

INSTANTIATE_TEST_SUITE_P(Screens, HudStripTest,
                         testing::Values(HudScreen{1024, 768, "en"}, HudScreen{1280, 960, "en"},
                                         HudScreen{1280, 720, "en"}, HudScreen{1600, 900, "en"},
                                         HudScreen{1920, 1080, "en"}),
                         [](const testing::TestParamInfo<HudScreen>& info) { return Tag(info.param); });
