#include "WidgetFixture.h"

#include "layers/FlashLayer.h"
#include "layers/widgets/GuiButtons.h"

#include <functional>

using Strings = std::vector<std::string>;

TEST_F(WidgetTest, ButtonStatesReachTheMovieAsEachButtonCachesThem)
{
    GuiSmallButton small;
    GuiMiddleButton middle;
    GuiBigButton big;
    GuiTitleButton title;
    small.Load(Vec2(0, 0), GA_LEFT);
    middle.Load(Vec2(0, 0), GA_LEFT);
    big.Load(Vec2(0, 0), GA_LEFT);
    title.Load(Vec2(0, 0), GA_LEFT);
    EXPECT_TRUE(small.IsEnabled() && middle.IsEnabled() && big.IsEnabled()) << "enabled after Load";
    EXPECT_EQ(Calls(), Strings()) << "Load sends nothing";

    struct Case
    {
        const char* what;
        std::function<void()> act;
        Strings calls;
    };
    const Case cases[] = {
        {"the first state always goes", [&] { small.SetState(-5); }, {"smallButton.SetState(-5)"}},
        {"an unchanged state does not", [&] { small.SetState(-5); }, {}},
        {"a disabled small button still sends",
         [&] {
             small.Disable();
             small.SetState(2);
         },
         {"smallButton.SetState(2)"}},
        {"middle: the first state", [&] { middle.SetState(2); }, {"middleButton.SetState(2)"}},
        {"middle: disabled shows 0, once",
         [&] {
             middle.Disable();
             middle.SetState(3);
             middle.SetState(1);
         },
         {"middleButton.SetState(0)"}},
        {"middle: enabled again",
         [&] {
             middle.Enable();
             middle.SetState(1);
         },
         {"middleButton.SetState(1)"}},
        {"big: every state goes",
         [&] {
             big.SetState(1);
             big.SetState(1);
         },
         {"bigButton2.SetState(1)", "bigButton2.SetState(1)"}},
        {"big: Reset shows 0", [&] { big.Reset(); }, {"bigButton2.SetState(0)"}},
        {"title: the first state, once",
         [&] {
             title.SetState(0);
             title.SetState(0);
         },
         {"buttonTitle.SetState(0)"}},
        {"texts go every time",
         [&] {
             small.SetText("Use");
             small.SetText("Use");
             big.SetText("Play");
         },
         {"smallButton.SetText('Use')", "smallButton.SetText('Use')", "bigButton2.SetText('Play')"}},
        {"an empty caption right after Load is not sent",
         [&] {
             title.SetCaption("");
             title.SetCaption2("");
         },
         {}},
        {"the captions have caches of their own",
         [&] {
             title.SetCaption("Team");
             title.SetCaption2("Team");
             title.SetCaption("Team");
         },
         {"buttonTitle.SetCaption('Team')", "buttonTitle.SetCaption2('Team')"}},
    };
    for (const Case& c : cases)
    {
        c.act();
        EXPECT_EQ(Calls(), c.calls) << c.what;
    }
    EXPECT_FALSE(big.IsEnabled()) << "Reset disables";
    EXPECT_TRUE(middle.IsVisible()) << "what screens read as visible is the enabled flag";

    // A second Load starts the caches again.
    small.Load(Vec2(0, 0), GA_LEFT);
    small.SetState(2);
    EXPECT_EQ(Calls(), Strings({"smallButton.SetState(2)"}));
}

TEST_F(WidgetTest, ALongCaptionIsCutAtACharacterAndNotSentAgain)
{
    GuiTitleButton title;
    title.Load(Vec2(0, 0), GA_LEFT);
    Calls();
    const std::string lengthy(300, 'a');
    title.SetCaption(lengthy.c_str());
    title.SetCaption(lengthy.c_str());
    EXPECT_EQ(Calls(), Strings({"buttonTitle.SetCaption('" + std::string(255, 'a') + "')"}));

    // 254 bytes and a two-byte letter: the letter does not fit whole and goes.
    const std::string accented = std::string(254, 'b') + "\xC3\xA9";
    title.SetCaption2(accented.c_str());
    EXPECT_EQ(Calls(), Strings({"buttonTitle.SetCaption2('" + std::string(254, 'b') + "')"}));
}

// A design position is scaled, and shifted to centre or right-align the design frame.
TEST_F(WidgetTest, ButtonsArePlacedByTheirAlignmentOnAWideScreen)
{
    Screen(1920, 1080); // scale 1.125; centre shift 240, right shift 480
    GuiSmallButton small;
    GuiMiddleButton middle(Vec2(100, 200), GA_RIGHT);
    GuiBigButton big;
    GuiTitleButton title;
    struct Case
    {
        FlashLayer* layer;
        Vec2 pos, size;
    };
    const Case cases[] = {
        {small.Load(Vec2(100, 200), GA_LEFT)->GetLayer(), {112.5f, 225}, {288, 118.125f}},
        {middle.GetLayer(), {592.5f, 225}, {393.75f, 202.5f}},
        {big.Load(Vec2(100, 200), GA_CENTER)->GetLayer(), {352.5f, 225}, {576, 202.5f}},
        {title.Load(Vec2(100, 200), 7)->GetLayer(), {112.5f, 225}, {360, 157.5f}},
    };
    for (const Case& c : cases)
    {
        ASSERT_NE(c.layer, nullptr);
        EXPECT_EQ(c.layer->GetPos().x, c.pos.x) << c.layer->GetName();
        EXPECT_EQ(c.layer->GetPos().y, c.pos.y) << c.layer->GetName();
        EXPECT_EQ(c.layer->GetSize().x, c.size.x) << c.layer->GetName();
        EXPECT_EQ(c.layer->GetSize().y, c.size.y) << c.layer->GetName();
    }
    EXPECT_STREQ(small.GetLayer()->GetName(), "smallButton");
    EXPECT_STREQ(middle.GetLayer()->GetName(), "bigButton");
    EXPECT_STREQ(title.GetLayer()->GetName(), "buttonTitle");
}

TEST_F(WidgetTest, ButtonsFadeHideAndLeaveTheTree)
{
    Layer* root = LayerManager::GetRoot();
    {
        GuiSmallButton small;
        GuiBigButton big;
        small.Load(Vec2(0, 0), GA_LEFT)->SetAlpha(0.25f);
        big.Load(Vec2(0, 0), GA_LEFT)->SetVisible(false);
        EXPECT_EQ(small.GetLayer()->GetColor().a, 0.25f);
        EXPECT_FALSE(big.GetLayer()->GetVisible());
        EXPECT_EQ(root->GetChildsCount(), 2);
        small.Unload();
        EXPECT_EQ(root->GetChildsCount(), 1);
        EXPECT_EQ(small.GetLayer(), nullptr);
        small.SetState(1); // unloaded: nothing to call
        small.Unload();
    }
    EXPECT_EQ(root->GetChildsCount(), 0) << "a destroyed button takes its layer with it";
}
