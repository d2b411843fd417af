// The agent's briefing: typing the two pages, the photos following the order's text, and the
// way on to the ship configurations.
#include "MissionFixture.h"

#include "gui/mission/GuiBriefing.h"

TEST(BriefingTyping, WholeCharactersAreTypedInProportionToTheTime)
{
    const std::string text = "a\u2026b\u2013c"; // five characters, two of them three bytes long
    struct Case
    {
        float time;
        const char* shown;
    };
    for (const Case& test :
         {Case{0.0f, ""}, Case{1.0f, ""}, Case{2.0f, "a"}, Case{4.0f, "a\u2026"}, Case{7.9f, "a\u2026b"},
          Case{8.0f, "a\u2026b\u2013"}, Case{10.0f, "a\u2026b\u2013c"}, Case{99.0f, "a\u2026b\u2013c"}})
        EXPECT_EQ(GuiBriefing::TypedText(text, test.time, 10.0f), test.shown) << test.time;
}

TEST(BriefingTyping, APhotoForEachTenthOfTheText)
{
    struct Case
    {
        size_t typed, length;
        int photo;
    };
    for (const Case& test : {Case{0, 450, 0}, Case{44, 450, 0}, Case{45, 450, 1}, Case{404, 450, 8}, Case{405, 450, 9},
                             Case{450, 450, 9}, Case{459, 459, 9}, Case{5, 9, 0}})
        EXPECT_EQ(GuiBriefing::PhotoIndex(test.typed, test.length), test.photo) << test.typed << " of " << test.length;
}

// The 1280 x 960 page keeps its proportions and shows whole: a 4:3 or narrower screen scales it
// by its width (a 1024 one by 0.8), a wide one by its height with bands at the sides, where a
// page scaled by the width alone would leave its foot and prompt below the screen.
TEST(BriefingPage, TheWholePageShowsOnEveryScreen)
{
    struct Case
    {
        float width, height, scale, x;
    };
    for (const Case& test :
         {Case{1024, 768, 0.8f, 0}, Case{1280, 1024, 1, 0}, Case{1920, 1080, 1.125f, 240}, Case{1280, 720, 0.75f, 160}})
    {
        const GuiBriefing::Page page = GuiBriefing::PageOn(Vec2(test.width, test.height));
        EXPECT_FLOAT_EQ(page.scale, test.scale) << test.width << "x" << test.height;
        EXPECT_FLOAT_EQ(page.At(0, 0).x, test.x);
        const Vec2 end = page.At(1280, 960);
        EXPECT_LE(end.x, test.width);
        EXPECT_LE(end.y, test.height);
        // The prompt's row, in the page's foot.
        EXPECT_LE(page.Rect(0, 832, 1280, 896).w, test.height);
    }
}

TEST_F(MissionScreenTest, BriefingTypesTheNoteThenTheOrderWithItsPhotos)
{
    ASSERT_TRUE(Enter("briefing"));
    GuiBriefing* briefing = Frame<GuiBriefing>("briefing");
    EXPECT_EQ(briefing->GetPage(), 1);
    Step(20, 0.1f); // a few of the note's nine seconds
    const std::string& note = briefing->GetNoteText();
    EXPECT_GT(briefing->GetShownText().size(), 0u);
    EXPECT_LT(briefing->GetShownText().size(), note.size());
    EXPECT_EQ(note.compare(0, briefing->GetShownText().size(), briefing->GetShownText()), 0);

    // Apply skips to the order at once, typed from its first character with the first photo.
    _frames->funcSelectApply();
    EXPECT_EQ(briefing->GetPage(), 0);
    EXPECT_EQ(briefing->GetDuration(), GuiBriefing::DetailsSeconds);
    Step();
    EXPECT_EQ(briefing->GetPhoto(), 0);
    EXPECT_LE(briefing->GetShownText().size(), 3u);
    EXPECT_STREQ(Next(), "");

    Step(360, 0.1f);
    EXPECT_EQ(briefing->GetShownText(), briefing->GetDetailsText());
    EXPECT_EQ(briefing->GetPhoto(), 9);
    EXPECT_FLOAT_EQ(briefing->GetTime(), GuiBriefing::DetailsSeconds);

    // Decline goes on like Apply; a second visit finds the order typed.
    _frames->funcSelectDecline();
    EXPECT_STREQ(Next(), "configurations");
    ASSERT_TRUE(StepUntil("configurations"));
    ASSERT_TRUE(Enter("briefing"));
    Step();
    EXPECT_EQ(briefing->GetPage(), 0);
    EXPECT_EQ(briefing->GetShownText(), briefing->GetDetailsText());
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}
