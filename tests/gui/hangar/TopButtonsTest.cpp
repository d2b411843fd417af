// The fitting panel: the ship-set menu it opens on, categories and slots, the device carousel
// that fits every device it steps to, undoing a try, the box on Escape, and the parameter bars.
#include "HangarFixture.h"

#include "foundation/base/Timer.h"
#include "gui/hangar/GuiDeviceParams.h"
#include "gui/hangar/GuiTopButtons.h"
#include "gui/hangar/GuiTopButtonsConfirm.h"
#include "gui/hangar/GuiTopButtonsSet.h"
#include "layers/widgets/GuiWidget.h"

#include <algorithm>

using Strings = std::vector<std::string>;

namespace {

class TopButtonsTest : public HangarTest
{
protected:
    void SetUp() override
    {
        HangarTest::SetUp();
        if (IsSkipped())
            return;
        _clock.Start(30.0f);
        game.SetTimer(&_clock);
        GuiTopButtons::ResetState();
        _buttons = std::make_unique<GuiTopButtons>(&_angar);
        _buttons->Load();
        GuiSubDevice* guns = _buttons->GetSubDeviceType(0, "Guns");
        for (const char* name : {"gunA", "gunB"})
            _buttons->AddDevice(guns, new GuiDevice(Device(name, 0, 1)));
        GuiSubDevice* hulls = _buttons->GetSubDeviceType(1, "Hulls");
        for (const char* name : {"hullA", "hullB", "hullC", "hullD"})
            _buttons->AddDevice(hulls, new GuiDevice(Device(name, 1, 0)));
        GuiSubDevice* engines = _buttons->GetSubDeviceType(2, "Engines");
        for (const char* name : {"e0", "e1", "e2", "e3", "e4"})
        {
            DeviceType* engine = Device(name, 2, 2);
            Gui::CopyText(engine->guiMaterial, sizeof(engine->guiMaterial), "devices/power.mat");
            _buttons->AddDevice(engines, new GuiDevice(engine));
        }
        _buttons->InitDefaultValues();
        _angar.Calls();
        Calls();
    }
    void TearDown() override
    {
        _buttons.reset();
        game.SetTimer(nullptr);
        GuiTopButtons::ResetState();
        HangarTest::TearDown();
    }
    void Proceed(int frames = 1)
    {
        for (int i = 0; i < frames; ++i)
        {
            ++_ticks;
            _clock.Tick();
            _buttons->Proceed();
        }
    }
    // From the ship-set menu, "back to fitting", and the panel faded in.
    void ToFitting()
    {
        _buttons->EventDown();
        _buttons->EventDown();
        _buttons->EventEnter();
        Proceed(10);
        ASSERT_EQ(GuiTopButtons::GetState(), GuiTopButtons::STATE_FITTING);
        ASSERT_FLOAT_EQ(GuiTopButtons::GetStateAnim(), 0.0f);
        _angar.Calls();
        Calls();
    }
    std::string Fitted(int type, int subType) const
    {
        const DeviceType* device = _angar.GetCurrentDevice(type, subType);
        return device ? device->name : "";
    }

    int64_t _ticks = 0;
    Timer _clock{0.75f, [this] { return _ticks; }, 30};
    std::unique_ptr<GuiTopButtons> _buttons;
};

} // namespace

TEST_F(TopButtonsTest, FirstVisitOpensOnTheShipSetMenuAndLaterOnesWhereTheLastEnded)
{
    EXPECT_EQ(GuiTopButtons::GetState(), GuiTopButtons::STATE_SHIP_SET);
    Proceed();
    EXPECT_FALSE(_buttons->GetActiveButton()->GetVisible()) << "the fitting panel stays hidden under the menu";
    EXPECT_TRUE(_angar.Calls().empty());
    ToFitting();
    // The first frame of fitting fits the open slot's device and enters its slot.
    Proceed();
    _buttons.reset();
    _buttons = std::make_unique<GuiTopButtons>(&_angar);
    _buttons->Load();
    EXPECT_EQ(GuiTopButtons::GetState(), GuiTopButtons::STATE_FITTING);
}

TEST_F(TopButtonsTest, FittingStartsFromTheHighlightedSlotOnce)
{
    _buttons->EventDown();
    _buttons->EventDown();
    _buttons->EventEnter();
    Proceed(); // the menu closes; the panel fades in from the next frame
    EXPECT_TRUE(_angar.Calls().empty());
    Proceed();
    EXPECT_EQ(_angar.Calls(), (Strings{"switch gunA 0 1", "enter 0 1"}));
    Proceed(3);
    EXPECT_TRUE(_angar.Calls().empty());
    EXPECT_TRUE(_buttons->GetActiveButton()->GetVisible());
}

TEST_F(TopButtonsTest, TryingDevicesAndEscapeLeavesTheDeviceFittedBefore)
{
    ToFitting();
    _buttons->EventRight(); // armour
    ASSERT_EQ(_buttons->GetCategory(), 1);
    Proceed();
    EXPECT_EQ(_angar.Calls(), (Strings{"switch hullA 1 0", "leave 0 1", "enter 1 0"}));
    _buttons->EventEnter();
    ASSERT_TRUE(_buttons->IsSlotOpen());
    for (int i = 0; i < 4; ++i) // the fourth finds no fifth hull
        _buttons->EventRight();
    EXPECT_EQ(_buttons->GetDeviceChoice(), 3);
    EXPECT_EQ(Fitted(1, 0), "hullD");
    _buttons->EventEsc();
    EXPECT_FALSE(_buttons->IsSlotOpen());
    EXPECT_EQ(Fitted(1, 0), "hullA");
    EXPECT_EQ(_angar.Calls(),
              (Strings{"switch hullB 1 0", "switch hullC 1 0", "switch hullD 1 0", "switch hullA 1 0"}));
    Proceed();
    EXPECT_TRUE(_angar.Calls().empty()) << "the device of the slot is fitted already";
}

TEST_F(TopButtonsTest, EnterKeepsTheTriedDeviceAndLeftStopsAtTheFirst)
{
    ToFitting();
    _buttons->EventRight();
    Proceed();
    _buttons->EventEnter();
    _buttons->EventLeft();
    EXPECT_EQ(_buttons->GetDeviceChoice(), 0) << "no device before the first";
    _buttons->EventRight();
    _buttons->EventEnter();
    EXPECT_FALSE(_buttons->IsSlotOpen());
    EXPECT_EQ(Fitted(1, 0), "hullB");
    // Opening again and stepping up undoes only the new try.
    _buttons->EventEnter();
    _buttons->EventRight();
    _buttons->EventUp();
    EXPECT_FALSE(_buttons->IsSlotOpen());
    EXPECT_EQ(Fitted(1, 0), "hullB");
}

TEST_F(TopButtonsTest, CategoriesWrapAroundAndSkipThoseWithoutSlots)
{
    ToFitting();
    _buttons->EventLeft();
    EXPECT_EQ(_buttons->GetCategory(), 2) << "from weaponry back past the empty additional devices";
    EXPECT_EQ(Calls(), (Strings{"top_button_a.StartAnimation()", "top_button_a.ClearAllText()",
                                "top_button_a.AddText('Engines')"}));
    _buttons->EventRight();
    EXPECT_EQ(_buttons->GetCategory(), 0);
    _buttons->EventDown();
    EXPECT_EQ(_buttons->GetRow(), 0) << "weaponry has one slot";
}

TEST_F(TopButtonsTest, EscapeAtTheSlotListAsksAndTheThirdChoiceStays)
{
    ToFitting();
    _buttons->EventEsc();
    GuiTopButtonsConfirm* confirm = _buttons->GetConfirm();
    ASSERT_TRUE(confirm->IsShown());
    Proceed();
    EXPECT_TRUE(confirm->GetFlash()->GetVisible());
    _buttons->EventUp();
    _buttons->EventRight();
    _buttons->EventRight();
    EXPECT_EQ(confirm->GetChoice(), 2);
    _buttons->EventRight();
    EXPECT_EQ(confirm->GetChoice(), 0) << "the choice wraps";
    _buttons->EventLeft();
    _buttons->EventEnter();
    EXPECT_FALSE(confirm->IsShown());
    EXPECT_EQ(GuiTopButtons::GetState(), GuiTopButtons::STATE_FITTING);
    _angar.Calls();

    _buttons->EventEsc();
    _buttons->EventEnter(); // the first choice: the ship-set menu
    EXPECT_EQ(GuiTopButtons::GetState(), GuiTopButtons::STATE_SHIP_SET);
    EXPECT_FALSE(_buttons->GetShipSet()->Closed());
    EXPECT_EQ(_angar.Calls(), Strings{"enter 0 0"});
}

TEST_F(TopButtonsTest, OpenSlotShowsItsCardsAndTheCentreCardsCaption)
{
    ToFitting();
    _buttons->EventLeft(); // the engines
    Proceed();
    _buttons->EventEnter();
    Proceed();
    Strings calls = Calls();
    const std::string create =
        std::string("frame_b.Create('") + LayerManager::GetBaseDirectory() + "textures//devices/power.swf')";
    EXPECT_NE(std::find(calls.begin(), calls.end(), create), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "frame_b.SetCaption('e0')"), calls.end());
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& call) { return call.find(".Create('") != std::string::npos; }),
              3)
        << "the centre card and the two after it";
    for (int k = 0; k < GuiTopButtons::CardCount; ++k)
        EXPECT_EQ(_buttons->GetCard(k)->GetVisible(), k >= 3) << k;
    Proceed();
    EXPECT_TRUE(Calls().empty()) << "unchanged cards are not told again";
}

TEST_F(TopButtonsTest, PowerBarsAndASelectionBeyondTheFourthKeepsTheLastBars)
{
    ToFitting();
    _buttons->EventLeft(); // the engines
    Proceed();
    GuiDeviceParams* params = _buttons->GetDeviceParams();
    EXPECT_STREQ(params->GetName(0), "Power");
    EXPECT_FLOAT_EQ(params->GetLvl(0), 1.0f);
    EXPECT_FLOAT_EQ(params->GetLvl(3), 0.5f);
    EXPECT_FLOAT_EQ(params->GetLvl(1), 0.0f) << "no game data: no largest speed to compare with";
    params->SetName(0, "kept");
    _buttons->GetOpenSlot()->selected = 4;
    Proceed();
    EXPECT_STREQ(params->GetName(0), "kept");
}

TEST_F(TopButtonsTest, ASlotWithoutAChoiceFitsNothingAndItsUndoGoesBackToWhatTheShipCarried)
{
    ToFitting();
    Proceed();
    ASSERT_EQ(Fitted(0, 1), "gunA");
    GuiSubDevice* hulls = _buttons->GetLists().At(1, 0);
    struct Case
    {
        const char* carried; // on the ship before, outside the slot's list
        const char* keys;    // in the open slot: R tries the next card, E keeps the card shown
        int selected;
        const char* fitted;
    };
    for (const Case& test : {Case{"", "", -1, ""}, Case{"", "E", 0, "hullA"}, Case{"hullX", "RR", -1, "hullX"},
                             Case{"hullX", "RE", 1, "hullB"}})
    {
        SCOPED_TRACE(std::string(test.carried) + " " + test.keys);
        if (*test.carried)
            _angar.SwitchDevice(Device(test.carried, 1, 0), 1, 0);
        hulls->selected = -1;
        _angar.Calls();
        _buttons->EventRight(); // armour
        Proceed(3);
        EXPECT_TRUE(_angar.Calls().empty()) << "nothing to fit, no slot entered";
        _buttons->EventEnter();
        ASSERT_TRUE(_buttons->IsSlotOpen());
        Proceed(3);
        EXPECT_TRUE(_angar.Calls().empty());
        for (const char* key = test.keys; *key; ++key)
            *key == 'R' ? _buttons->EventRight() : _buttons->EventEnter();
        if (_buttons->IsSlotOpen())
            _buttons->EventEsc();
        Proceed();
        EXPECT_EQ(hulls->selected, test.selected);
        EXPECT_EQ(Fitted(1, 0), test.fitted);
        EXPECT_EQ(Fitted(0, 1), "gunA");
        _buttons->EventLeft(); // back to weaponry
        Proceed();
    }
}
