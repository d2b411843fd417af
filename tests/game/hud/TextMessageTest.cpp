// The message strip: typing, showing and fading, its frame pieces, the pieces it takes for a long
// text, and texts that do not fit.
#include "HudTestSupport.h"

#include "game/hud/GuiShipHudTextMessage.h"
#include "game/hud/HudServices.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <string>

namespace {

class TextMessageTest : public HudTest
{
protected:
    void SetUp() override
    {
        HudTest::SetUp();
        _strip.Load();
    }
    // Runs frames of `step` seconds for `seconds`; how many frames drew the strip.
    int Run(float seconds, float step)
    {
        int drawn = 0;
        for (float t = 0.0f; t < seconds - 1e-4f; t += step)
        {
            Tick(step);
            _painted.Clear();
            _strip.Proceed();
            drawn += !_painted.texts.empty();
        }
        return drawn;
    }

    GuiShipHudTextMessage _strip;
};

} // namespace

TEST_F(TextMessageTest, TypesForTwoSecondsThenShowsItsTimeFadingInTheLastSecond)
{
    _strip.Show("Energy shield is lost! ", 3.0f, false, 2);
    EXPECT_TRUE(_strip.IsActive());
    // Typing: the time does not run, the text grows.
    EXPECT_EQ(Run(1.0f, 0.25f), 4);
    EXPECT_FLOAT_EQ(_strip.GetReveal(), 0.5f);
    EXPECT_FLOAT_EQ(_strip.GetTimeLeft(), 3.0f);
    EXPECT_EQ(_painted.texts.back().text, "Energy shie") << "23 characters, half typed";
    EXPECT_STREQ(_strip.GetShownText(), "Energy shie");
    // The frame that finishes the typing starts the time.
    EXPECT_EQ(Run(1.0f, 0.25f), 4);
    EXPECT_FLOAT_EQ(_strip.GetReveal(), 1.0f);
    EXPECT_FLOAT_EQ(_strip.GetTimeLeft(), 2.75f);
    EXPECT_EQ(_painted.texts.back().text, "Energy shield is lost! ");
    // Shown opaque until the last second, then fading.
    EXPECT_EQ(Run(1.75f, 0.25f), 7);
    EXPECT_FLOAT_EQ(_strip.GetTimeLeft(), 1.0f);
    EXPECT_FALSE(_strip.IsActive());
    EXPECT_FLOAT_EQ(_painted.texts.back().color.a, 1.0f);
    EXPECT_EQ(Run(0.5f, 0.25f), 2);
    EXPECT_FLOAT_EQ(_painted.texts.back().color.a, 0.75f);
    EXPECT_FLOAT_EQ(_painted.quads.front().color.a, 0.75f) << "the frame fades with the text";
    EXPECT_EQ(Run(1.0f, 0.25f), 2) << "gone about five seconds after it came";
    EXPECT_LE(_strip.GetTimeLeft(), 0.0f);
    EXPECT_STREQ(_strip.GetShownText(), "");
}

TEST_F(TextMessageTest, FrameEndsStandThirtyUnitsOutPerCentrePieceInBlueOrRed)
{
    const float s = Hud::Scale(), shift = LayerManager::GetCAShift(true);
    Material* left[2] = {GuiGame::LoadMaterial("gui_hud_message_left_r.mat"),
                         GuiGame::LoadMaterial("gui_hud_message_left_b.mat")};
    Material* centre[2] = {GuiGame::LoadMaterial("gui_hud_message_center_r.mat"),
                           GuiGame::LoadMaterial("gui_hud_message_center_b.mat")};
    Material* right[2] = {GuiGame::LoadMaterial("gui_hud_message_right_r.mat"),
                          GuiGame::LoadMaterial("gui_hud_message_right_b.mat")};
    for (int blue = 0; blue < 2; ++blue)
    {
        for (int pieces : {0, 3})
        {
            _strip.Show("Go!", 3.0f, blue == 1, pieces);
            _painted.Clear();
            _strip.Proceed();
            ASSERT_EQ(_painted.quads.size(), size_t(pieces + 2));
            const PaintRecorder::QuadRecord& l = _painted.quads.front();
            const PaintRecorder::QuadRecord& r = _painted.quads.back();
            EXPECT_EQ(l.material, left[blue]);
            EXPECT_EQ(r.material, right[blue]);
            EXPECT_NEAR(l.pos.x, (510.0f - 30.0f * pieces) * s + shift, 1e-3f);
            EXPECT_NEAR(r.pos.x, (640.0f + 30.0f * pieces) * s + shift, 1e-3f);
            EXPECT_NEAR(l.pos.y, 629.0f * s, 1e-3f);
            EXPECT_NEAR(l.size.x, 256.0f * s, 1e-3f);
            for (int i = 0; i < pieces; ++i)
            {
                const PaintRecorder::QuadRecord& c = _painted.quads[1 + i];
                EXPECT_EQ(c.material, centre[blue]);
                EXPECT_NEAR(c.pos.x, (640.0f - 30.0f * pieces + 60.0f * i) * s + shift, 1e-3f);
                EXPECT_NEAR(c.size.x, 128.0f * s, 1e-3f);
            }
            const PaintRecorder::TextRecord& text = _painted.texts.back();
            EXPECT_EQ(text.face, "Arial");
            EXPECT_EQ(text.height, 20u);
            EXPECT_EQ(text.align, TA_CENTER);
            // Between the ends' bars, centred on the band; at least a whole line of the font,
            // which keeps its pixel height on every screen.
            EXPECT_NEAR(text.rect.x, l.pos.x + 42.5f * s, 1e-3f);
            EXPECT_NEAR(text.rect.z, r.pos.x + 87.5f * s, 1e-3f);
            const float half = std::max(10.0f * s, 10.0f);
            EXPECT_NEAR(text.rect.y, 680.0f * s - half, 1e-3f);
            EXPECT_NEAR(text.rect.w, 680.0f * s + half, 1e-3f);
            if (blue)
                EXPECT_NEAR(text.color.b, 0.98f, 1e-4f);
            else
                EXPECT_EQ(text.color.r, 1.0f);
        }
    }
}

// The inside of the strip (between the inner edges of its ends' bars, 42.5 and 87.5 units into the
// end pictures) holds the text and 10 units on each side: the strip takes the fewest centre
// pieces that do, at least the asked ones, and no more than keep its ends' arrows on the screen.
TEST_F(TextMessageTest, ALongTextGrowsTheStripUntilItFitsBetweenItsEnds)
{
    const float s = Hud::Scale();
    struct Case
    {
        const char* text;
        int asked;
        bool fits; // else as wide as the screen allows
    };
    const std::string endless(400, 'W');
    const char* const hint = "Turn to the red mark, press T and hold Ctrl: the rockets follow the fighter";
    const Case cases[] = {
        {hint, 8, true},
        {hint, 0, true},
        {"Short", 12, true},
        {endless.c_str(), 2, false},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.text);
        _strip.Show(test.text, 3.0f, true, test.asked);
        _strip.SetReveal(1.0f);
        _painted.Clear();
        _strip.Proceed();
        ASSERT_GE(_painted.quads.size(), size_t(test.asked + 2));
        const int pieces = int(_painted.quads.size()) - 2;
        const PaintRecorder::QuadRecord& l = _painted.quads.front();
        const PaintRecorder::QuadRecord& r = _painted.quads.back();
        const float inside = r.pos.x + 87.5f * s - (l.pos.x + 42.5f * s);
        EXPECT_NEAR(inside, (175.0f + 60.0f * float(pieces)) * s, 1e-2f);
        const PaintRecorder::TextRecord& text = _painted.texts.back();
        EXPECT_NEAR(text.rect.z - text.rect.x, inside, 1e-2f) << "the text's box is the inside";
        const float width = HudPaint::TextWidth({text.face.c_str(), text.height, text.width, text.weight, false,
                                                 test.text, text.rect, text.align, true, text.color});
        ASSERT_GT(width, 0.0f);
        // The arrows' tips, 32 units into the left end picture and 98 into the right one.
        const float leftTip = l.pos.x + 32.0f * s, rightTip = r.pos.x + 98.0f * s;
        EXPECT_GE(leftTip, 0.0f);
        EXPECT_LE(rightTip, Hud::ScreenWidth());
        if (test.fits)
        {
            EXPECT_GE(inside, width + 20.0f * s) << pieces << " pieces";
            if (pieces > test.asked)
            {
                EXPECT_LT(inside - 60.0f * s, width + 20.0f * s) << "the fewest pieces that hold it";
            }
        }
        else
        {
            EXPECT_LT(leftTip - 30.0f * s, 0.0f) << "one piece more would leave the screen";
        }
    }
}

TEST_F(TextMessageTest, TextsAreCutTo511BytesAndPieceCountsKeptOnTheScreen)
{
    const std::string fits(511, 'a');
    _strip.Show(fits.c_str(), 3.0f, true, 2);
    EXPECT_EQ(_strip.GetText(), fits);
    const std::string longer = std::string(1023, 'b');
    _strip.Show(longer.c_str(), 3.0f, true, 2);
    EXPECT_EQ(std::string(_strip.GetText()), std::string(511, 'b'));

    _strip.Show("x", 3.0f, true, 100000);
    EXPECT_EQ(_strip.GetPieces(), GuiShipHudTextMessage::MaxPieces);
    _strip.Show("x", 3.0f, true, -5);
    EXPECT_EQ(_strip.GetPieces(), 0);
    _strip.Show(nullptr, 3.0f, true, 1);
    EXPECT_STREQ(_strip.GetText(), "");
}

TEST_F(TextMessageTest, ClearEndsTheMessageAndDarkenCoversTheScreen)
{
    _strip.Show("Press any key", 3.0f, true, 2);
    _strip.SetDarken(true);
    _painted.Clear();
    _strip.Proceed();
    ASSERT_FALSE(_painted.quads.empty());
    const PaintRecorder::QuadRecord& cover = _painted.quads.front();
    EXPECT_EQ(cover.material, GuiGame::LoadMaterial("black.mat"));
    EXPECT_EQ(cover.pos.x, 0.0f);
    EXPECT_EQ(cover.size.x, Hud::ScreenWidth());
    EXPECT_EQ(cover.size.y, Hud::ScreenHeight());
    EXPECT_FLOAT_EQ(cover.color.a, 0.7f);

    _strip.Clear();
    EXPECT_FALSE(_strip.IsActive());
    _painted.Clear();
    _strip.Proceed();
    EXPECT_TRUE(_painted.quads.empty());
    EXPECT_TRUE(_painted.texts.empty());
}

TEST_F(TextMessageTest, TypingNeverEndsInsideACharacter)
{
    _strip.Show("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 3.0f, true, 0); // four two-byte letters
    for (int frame = 0; frame < 20; ++frame)
    {
        Tick(0.1f);
        _painted.Clear();
        _strip.Proceed();
        EXPECT_EQ(_painted.texts.back().text.size() % 2, 0u) << frame;
    }
}
