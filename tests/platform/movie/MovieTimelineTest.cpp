#include "MovieFixture.h"

TEST_F(MovieTest, TheTimelineRunsUpdateThirtyTimesASecondAndCatchesUpAFewFrames)
{
    auto m = Make(R"(
updates = 0
function Update(dt) updates = updates + 1 last = dt end
function Count() return updates end
function Frame() return movie.frame end
)");
    m->Advance(0.1 + 1e-9);
    EXPECT_EQ(m->Call("Count", {}).number, 3.0);
    m->Advance(0.02);
    EXPECT_EQ(m->Call("Count", {}).number, 3.0) << "less than a frame waits";
    m->Advance(0.02);
    EXPECT_EQ(m->Call("Count", {}).number, 4.0);
    m->Advance(10.0);
    EXPECT_EQ(m->Call("Count", {}).number, 4.0 + movie::Movie::MaxCatchUpFrames) << "a long pause is skipped";
    m->Stop();
    m->Advance(1.0);
    EXPECT_EQ(m->Call("Count", {}).number, 8.0);
    m->Play();
    m->Rewind();
    EXPECT_EQ(m->Call("Frame", {}).number, 8.0) << "the script sees the frame of its last update";
    m->Advance(1.0 / 30.0 + 1e-9);
    EXPECT_EQ(m->Call("Frame", {}).number, 1.0);
    m->Advance(-1.0);
    m->Advance(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(m->Call("Frame", {}).number, 1.0);
}

TEST_F(MovieTest, ATimelineWithALengthLoopsOrStopsAtItsEnd)
{
    const char* script = R"(
movie.length = 3
rewinds = 0
function OnRewind() rewinds = rewinds + 1 end
function State() return movie.frame * 10 + rewinds end
)";
    auto looping = Make(script);
    looping->Advance(4.0 / 30.0 + 1e-9);
    EXPECT_EQ(looping->GetFrame(), 1);
    EXPECT_EQ(looping->Call("State", {}).number, 11.0) << "after frame 3 the timeline started again";
    EXPECT_TRUE(looping->IsPlaying());

    auto once = Make(script);
    once->SetLoop(false);
    once->Advance(4.0 / 30.0 + 1e-9);
    EXPECT_EQ(once->GetFrame(), 3);
    EXPECT_FALSE(once->IsPlaying());
}

TEST_F(MovieTest, InvalidationsMapDesignUnitsToPixelsWithinTheMovie)
{
    auto m = Make(R"(
movie.design(32, 16)
function Touch(x, y, w, h) movie.invalidate(x, y, w, h) end
function All() movie.invalidate() end
)");
    struct Case
    {
        std::vector<movie::Value> rect;
        const char* expected;
    };
    auto v = [](double x) { return movie::Value::FromNumber(x); };
    const Case cases[] = {
        {{v(4), v(4), v(2), v(2)}, "7,7,13,13"},
        {{v(0.25), v(0), v(1), v(1)}, "0,0,4,3"},
        {{v(-10), v(-10), v(100), v(100)}, "0,0,64,32"},
        {{v(40), v(0), v(5), v(5)}, nullptr},
        {{v(1), v(1), v(0), v(5)}, nullptr},
    };
    for (const Case& c : cases)
    {
        _host.invalidations.clear();
        m->Call("Touch", c.rect);
        if (c.expected)
            EXPECT_EQ(_host.invalidations, std::vector<std::string>{c.expected});
        else
            EXPECT_TRUE(_host.invalidations.empty());
    }
    _host.invalidations.clear();
    m->Call("All", {});
    EXPECT_EQ(_host.invalidations, std::vector<std::string>{"all"});
}

TEST_F(MovieTest, InputReachesTheMovieInDesignUnits)
{
    auto m = Make(R"(
movie.design(32, 16)
events = ""
function OnMouseMove(x, y) events = events .. "move " .. x .. "," .. y .. ";" end
function OnMouseDown(x, y) events = events .. "down " .. x .. "," .. y .. ";" end
function OnMouseUp(x, y) events = events .. "up;" end
function OnKeyDown(k) events = events .. "key " .. k .. ";" end
function OnKeyUp(k) events = events .. "release " .. k .. ";" end
function OnChar(c) events = events .. "char " .. string.char(c) .. ";" end
function Events() return events end
)");
    m->MouseMove(10, 6);
    m->MouseDown(10, 6);
    m->MouseUp(10, 6);
    m->KeyDown(13);
    m->KeyUp(13);
    m->Char('a');
    EXPECT_EQ(m->Call("Events", {}).text, "move 5,3;down 5,3;up;key 13;release 13;char a;");
}

TEST_F(MovieTest, TweensAndButtonStatesAnimateByThemselves)
{
    auto m = Make(R"(
movie.design(64, 32)
fade = tween(0, 0, 0, 8, 8)
state = ui.state(1, 0.1)
function FadeIn() fade:to(1, 0.2) end
function Select() return state:set(2) end
function Fade() return fade.value end
function Running() return fade:running() end
function Draw(c)
    ui.button(c, 0, 0, 64, 32, "OK", state)
end
)");
    m->Call("FadeIn", {});
    EXPECT_EQ(_host.invalidations, std::vector<std::string>{"0,0,9,9"});
    m->Advance(0.1 + 1e-9);
    EXPECT_NEAR(m->Call("Fade", {}).number, 0.5, 1e-6);
    m->Advance(0.2);
    EXPECT_EQ(m->Call("Fade", {}).number, 1.0);
    EXPECT_FALSE(m->Call("Running", {}).boolean);

    ASSERT_TRUE(Render(*m));
    const uint32_t normal = Pixel(*m, 20, 24);
    EXPECT_TRUE(m->Call("Select", {}).boolean);
    EXPECT_FALSE(m->Call("Select", {}).boolean) << "no change, no fade";
    m->Advance(0.2);
    ASSERT_TRUE(Render(*m));
    const uint32_t selected = Pixel(*m, 20, 24);
    EXPECT_GT(int(selected >> 16 & 0xFF), int(normal >> 16 & 0xFF) + 100) << std::hex << normal << " " << selected;
}
