// The widgets with the game's movies on two screens, at 1280 x 960 and 1920 x 1080. Each screen
// is kept beside the test program as "widgets_<screen>_<width>x<height>.bmp" to be looked at.
#include "WidgetFixture.h"

#include "game/profiles/UserProfile.h"
#include "layers/widgets/GuiButtons.h"
#include "layers/widgets/GuiColumns.h"
#include "layers/widgets/GuiCorners.h"
#include "layers/widgets/GuiPersonalInfo.h"
#include "layers/widgets/GuiStockItems.h"
#include "layers/widgets/GuiTeamPirate.h"
#include "layers/widgets/GuiTextBlock.h"
#include "layers/widgets/GuiTitle.h"

#include <functional>

namespace {

struct Pixels
{
    int width = 0, height = 0;
    std::vector<uint32_t> rgb;

    // Pixels of the design rectangle (scaled, and shifted by the alignment) that pass the test.
    int Count(float x, float y, float w, float h, int align, const std::function<bool(int, int, int)>& test) const
    {
        return CountOnScreen(Gui::ScreenPos(Vec2(x, y), align), Gui::ScreenSize(Vec2(w, h)), test);
    }

    int CountOnScreen(const Vec2& from, const Vec2& size, const std::function<bool(int, int, int)>& test) const
    {
        int count = 0;
        for (int py = std::max(0, int(from.y)); py < std::min(height, int(from.y + size.y)); ++py)
        {
            for (int px = std::max(0, int(from.x)); px < std::min(width, int(from.x + size.x)); ++px)
            {
                const uint32_t c = rgb[size_t(py) * width + px];
                count += test(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF);
            }
        }
        return count;
    }
};

bool White(int r, int g, int b) { return r > 200 && g > 200 && b > 200; }
bool Orange(int r, int g, int b) { return r > 180 && g > 90 && g < 190 && b < 100; }
bool Red(int r, int g, int b) { return r > 150 && g < 100 && b < 100; }
bool Cyan(int r, int g, int b) { return r < 80 && g > 180 && b > 180; }
bool Black(int r, int g, int b) { return r + g + b == 0; }
bool Any(int, int, int) { return true; }
bool Lit(int r, int g, int b) { return r + g + b > 150; }

} // namespace

class WidgetScreenTest : public WidgetTest, public ::testing::WithParamInterface<std::pair<int, int>>
{
protected:
    void SetUp() override
    {
        _windowWidth = GetParam().first;
        _windowHeight = GetParam().second;
        WidgetTest::SetUp();
        if (IsSkipped())
            return;
        UseGameMovies();
        _texts->LoadTextsFromFile("en", "ui_team_gathering.txt");
        LayerManager::SetDrawTarget(nullptr);
        _pilot = _profiles->CreateProfile("Vera");
        _pilot->SetCash(4200);
        _pilot->SetScore(1375);
        _face = _system->GetMaterialMgr()->CreateMaterialFromFile("faces//player.mat");
    }

    // Frames for the movies to draw themselves and finish their fades, then a screenshot of one
    // more, with `draw` called before each; kept as "widgets_<screen>_<w>x<h>.bmp".
    Pixels Shoot(const char* screen, const std::function<void()>& draw)
    {
        for (int frame = 0; frame < 14; ++frame)
        {
            Elapse(0.05);
            _system->ClearTarget(gfx::ClearTarget | gfx::ClearDepth, 0xFF000000u, 1.0f);
            LayerManager::Update(0.05f);
            draw();
            if (frame == 13)
                _system->TakeScreenShot();
            _system->Present(nullptr);
        }
        const std::filesystem::path shot = _scratch / "screenshots" / ("screen000" + std::to_string(_shots++) + ".bmp");
        const std::string size = std::to_string(_windowWidth) + "x" + std::to_string(_windowHeight);
        std::filesystem::copy_file(shot, _previous / ("widgets_" + std::string(screen) + "_" + size + ".bmp"),
                                   std::filesystem::copy_options::overwrite_existing);
        Pixels pixels;
        EXPECT_TRUE(ReadBmp(shot, pixels.width, pixels.height, pixels.rgb));
        EXPECT_EQ(pixels.width, _windowWidth);
        return pixels;
    }

    UserProfile* _pilot = nullptr;
    Material* _face = nullptr;
    int _shots = 0;
};

TEST_P(WidgetScreenTest, AMenuScreenOfButtonsPilotRowsAndATextBlock)
{
    GuiTitle title;
    GuiTipsPanel tips;
    title.Load()->SetTitle("Main menu");
    tips.Load();
    GuiBigButton big[3];
    const char* const bigTexts[] = {"Play", "Hangar", "Glossary"};
    for (int i = 0; i < 3; ++i)
    {
        big[i].Load(Vec2(380, 219 + 105.0f * i), GA_CENTER)->SetText(bigTexts[i]);
        big[i].SetState(i == 0 ? 2 : 1);
    }
    big[2].Reset();
    GuiSmallButton small[3];
    const char* const smallTexts[] = {"Use", "New pilot", "Delete"};
    for (int i = 0; i < 3; ++i)
    {
        small[i].Load(Vec2(63, 219 + 90.0f * i), GA_LEFT)->SetText(smallTexts[i]);
        small[i].SetState(2 - i);
    }
    GuiMiddleButton middle[2] = {{Vec2(917, 324), GA_RIGHT}, {Vec2(917, 444), GA_RIGHT}};
    middle[0].SetText("Deathmatch");
    middle[0].SetState(2);
    middle[1].SetText("Capture the flag");
    middle[1].Disable();
    middle[1].SetState(1);
    GuiCorners corners;
    corners.Load(nullptr);
    const Vec2 cornerPos[] = {{386, 243}, {806, 243}, {386, 283}, {806, 283}};
    for (int i = 0; i < GuiCorners::Corners; ++i)
        corners.SetCornerPos(i, Gui::ScreenPos(cornerPos[i], GA_CENTER));
    corners.SetSelected(true);
    GuiTeamPirate rows[2];
    const char* const names[] = {"Kell Darrow", "Ash"};
    for (int i = 0; i < 2; ++i)
    {
        rows[i].Load(nullptr)->SetPos(Gui::ScreenPos(Vec2(63, 560 + 100.0f * i), GA_LEFT));
        rows[i].SetName(names[i]);
        rows[i].SetCash(i == 0 ? "1500" : "700");
        rows[i].SetScore(i == 0 ? "12.500" : "4.250");
        rows[i].SetEff(i == 0 ? "81" : "45");
        rows[i].SetLevel(0, i == 0 ? 1.0f : 0.35f);
        rows[i].SetLevel(1, i == 0 ? 0.81f : 0.45f);
        rows[i].SetFace(_face);
        rows[i].SetState(i == 0 ? 1 : 0);
    }
    GuiStockItemSelected offer;
    offer.Load()->SetPos(Gui::ScreenPos(Vec2(387, 690), GA_CENTER));
    offer.SetName("Ore run");
    offer.SetRace("BLG");
    offer.SetMoney("1200");
    offer.SetStars(4);
    offer.SetState(0);
    offer.SetFace(_face);
    GuiCorners unavailable;
    unavailable.Load(nullptr);
    const Vec2 offerCorners[] = {{413, 702}, {784, 702}, {413, 793}, {785, 793}};
    for (int i = 0; i < GuiCorners::Corners; ++i)
        unavailable.SetCornerPos(i, Gui::ScreenPos(offerCorners[i], GA_CENTER));
    unavailable.SetSelected(false);
    GuiTextBlock block;
    block.SetCaption("Mission objectives");
    block.SetText("3 of 5");
    const Vec2 blockPos = Gui::ScreenPos(Vec2(385, 560), GA_CENTER);

    const Pixels shot = Shoot("menu", [&] { block.Draw(blockPos); });
    EXPECT_GT(shot.Count(340, 13, 600, 69, GA_CENTER, White), 300) << "the title";
    EXPECT_GT(shot.Count(392, 249, 488, 92, GA_CENTER, Orange), 5000) << "the selected big button";
    EXPECT_EQ(shot.Count(392, 459, 488, 92, GA_CENTER, Orange), 0) << "the disabled one";
    EXPECT_GT(shot.Count(386, 243, 40, 30, GA_CENTER, Orange), 100) << "a corner around the selected button";
    EXPECT_GT(shot.Count(927, 354, 330, 92, GA_RIGHT, Orange), 3000) << "the selected middle button, right-aligned";
    EXPECT_EQ(shot.Count(927, 474, 330, 92, GA_RIGHT, Orange), 0) << "a disabled middle button shows state 0";
    EXPECT_GT(shot.Count(63, 560, 260, 90, GA_LEFT, Orange), 200) << "the selected pilot row";
    EXPECT_GT(shot.Count(387, 690, 512, 180, GA_CENTER, Red), 300) << "an offer that cannot be taken";
    EXPECT_GT(shot.Count(413, 702, 40, 30, GA_CENTER, Lit), 100) << "its corner";
    EXPECT_EQ(shot.Count(413, 702, 40, 30, GA_CENTER, Orange), 0) << "in grey";
    // The text block's boxes lie in pixels from its position.
    EXPECT_GT(shot.CountOnScreen(blockPos + Vec2(119, 36), Vec2(272, 54), Cyan), 100) << "the text block's caption";
    EXPECT_GT(shot.CountOnScreen(blockPos + Vec2(222, 88), Vec2(80, 23), Cyan), 20) << "its value";
    EXPECT_EQ(shot.CountOnScreen(blockPos + Vec2(119, 0), Vec2(272, 34), Cyan), 0) << "nothing above the caption";
    if (_windowWidth > 1280)
    {
        EXPECT_EQ(shot.Count(-200, 13, 150, 69, GA_CENTER, Black), shot.Count(-200, 13, 150, 69, GA_CENTER, Any))
            << "nothing left of the centred design frame";
    }
    for (const std::string& line : LogLines())
    {
        EXPECT_EQ(line.find("Movie \""), std::string::npos) << line;
        EXPECT_EQ(line.find("Failed to load"), std::string::npos) << line;
    }
}

TEST_P(WidgetScreenTest, AStockExchangeOfCardsColumnsAndThePilotHeader)
{
    GuiTitle title;
    GuiTipsPanel tips;
    GuiPersonalInfo info;
    title.Load()->SetTitle("Stock exchange");
    tips.Load();
    info.Load();
    GuiTitleButton headers[3];
    headers[0].Load(Vec2(30, 183), GA_LEFT)->SetCaption("Races");
    headers[0].SetCaption2("7");
    headers[1].Load(Vec2(480, 183), GA_CENTER)->SetCaption("Free offers");
    headers[1].SetCaption2("3");
    headers[2].Load(Vec2(930, 183), GA_RIGHT)->SetCaption("Pirates");
    headers[2].SetCaption2("6");
    for (int i = 0; i < 3; ++i)
        headers[i].SetState(i == 1 ? 1 : 0);

    GuiRacesColumn races;
    races.Load(Vec2(-3, 271));
    const RaceRating* rating = _pilot->GetRaceRating();
    for (int i = 0; i < GuiRacesColumn::Rows && i < rating->GetRaceCount(); ++i)
    {
        const Race* race = rating->GetRace(i);
        races.SetName(i, race->GetName());
        races.SetNameSmall(i, race->GetCode());
        races.SetRate(i, race->GetRating() * 0.01f);
        races.SetIcon(i, _system->GetMaterialMgr()->CreateMaterialFromFile(race->GetIcon()));
    }
    GuiPiratesColumn pirates;
    pirates.Load(Vec2(878, 261))->Initialize(5);
    const char* const names[] = {"Kell Darrow", "Ash", "Bran", "Dace", "Eno", "Vera"};
    for (int i = 0; i < GuiPiratesColumn::Rows; ++i)
    {
        pirates.SetName(i, names[i]);
        pirates.SetScoreText(i, std::to_string(1400 - 200 * i).c_str());
        pirates.SetEffText(i, std::to_string(90 - 9 * i).c_str());
        pirates.SetScore(i, (1400 - 200 * i) / 1400.0f);
        pirates.SetEff(i, (90 - 9 * i) * 0.01f);
        pirates.SetFace(i, _face);
    }

    // The list with the offer of its second row opened: passive cards above and below.
    GuiStockItemPassive passive[3];
    const float passiveRows[] = {0, 360, 480};
    const char* const offers[] = {"Convoy escort", "Salvage", "Beacon repair"};
    for (int i = 0; i < 3; ++i)
    {
        passive[i].Load()->SetPos(Gui::ScreenPos(Vec2(434, passiveRows[i] + 274), GA_CENTER));
        passive[i].SetName(offers[i]);
        passive[i].SetRace("YTG");
        passive[i].SetMoney(std::to_string(500 * i).c_str());
        passive[i].SetStars(i == 0 ? 1 : 3);
        passive[i].SetState(i == 2 ? 0 : 1);
        passive[i].SetFace(_face);
    }
    GuiStockItemFull full;
    full.Load()->SetPos(Gui::ScreenPos(Vec2(386, 387), GA_CENTER));
    full.SetName("Silent hunt");
    full.SetFrom("Dealer Orm");
    full.SetLocation("Arrdra belt");
    full.SetDesc("Find the raiders' carrier in the belt and destroy it before it jumps out. Keep your wingmen alive.");
    full.SetRace("TLD");
    full.SetMoney("2500");
    full.SetStars(3);
    full.SetFace(_face);
    GuiCorners corners;
    corners.Load(nullptr);
    const Vec2 cornerPos[] = {{401, 404}, {796, 404}, {401, 598}, {797, 598}};
    for (int i = 0; i < GuiCorners::Corners; ++i)
        corners.SetCornerPos(i, Gui::ScreenPos(cornerPos[i], GA_CENTER));
    corners.SetSelected(true);
    corners.SetVisible(true);

    const Pixels shot = Shoot("stock", [] {});
    EXPECT_GT(shot.Count(340, 13, 600, 69, GA_CENTER, White), 300) << "the title";
    EXPECT_GT(shot.Count(46, 91, 100, 100, GA_CENTER, [](int r, int g, int b) { return r > 90 && g > 100 && b > 110; }),
              500)
        << "the pilot's portrait through the header's hole";
    EXPECT_GT(shot.Count(69, 343, 51, 51, GA_LEFT, Lit), 1000) << "the first race's emblem";
    EXPECT_GT(shot.Count(774, 472, 51, 51, GA_CENTER, Lit), 1000) << "the open card's emblem of the race TLD";
    EXPECT_GT(shot.Count(401, 404, 40, 30, GA_CENTER, Orange), 100) << "a corner of the open card";
    EXPECT_GT(shot.Count(930, 183, 320, 140, GA_RIGHT, White), 100) << "the right header";
    for (const std::string& line : LogLines())
    {
        EXPECT_EQ(line.find("Movie \""), std::string::npos) << line;
        EXPECT_EQ(line.find("Failed to load"), std::string::npos) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, WidgetScreenTest,
                         ::testing::Values(std::make_pair(1280, 960), std::make_pair(1920, 1080)),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" + std::to_string(info.param.second);
                         });
