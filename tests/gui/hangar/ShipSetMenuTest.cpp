// The ship-set menu: its buttons, the pilot's ships in the carousel, cloning, renaming and
// deleting them, and the name typed for a clone or a rename.
#include "HangarFixture.h"

#include "game/profiles/ProfileManager.h"
#include "gui/hangar/GuiTopButtonsSet.h"
#include "gui/menus/GuiProfileFaces.h"

#include <algorithm>

using Strings = std::vector<std::string>;

namespace {

class ShipSetTest : public HangarTest
{
protected:
    void SetUp() override
    {
        HangarTest::SetUp();
        if (IsSkipped())
            return;
        _profile = _profiles->GetCurrent();
        ASSERT_NE(_profile, nullptr);
        _menu = std::make_unique<GuiTopButtonsSet>();
        _menu->Initialize();
        Calls();
    }
    void TearDown() override
    {
        _menu.reset();
        HangarTest::TearDown();
    }
    // Selects a button by steps down from the first.
    void Select(int button)
    {
        _menu->Reset();
        for (int i = 0; i < button; ++i)
            _menu->EventSelectDown();
        ASSERT_EQ(_menu->GetSelected(), button);
    }
    void Type(const std::string& text)
    {
        for (char c : text)
            _menu->AddChar(c);
    }
    std::vector<std::string> ShipNames() const
    {
        std::vector<std::string> names;
        for (int i = 0; i < _profile->GetShipCount(); ++i)
            names.push_back(_profile->GetShip(i)->GetName());
        return names;
    }

    UserProfile* _profile = nullptr;
    std::unique_ptr<GuiTopButtonsSet> _menu;
};

} // namespace

TEST_F(ShipSetTest, UpAndDownWrapAroundTheSixButtons)
{
    struct Case
    {
        int from;
        bool down;
        int to;
    };
    for (const Case& test : {Case{5, true, 0}, Case{0, false, 5}, Case{2, true, 3}, Case{3, false, 2}})
    {
        Select(test.from);
        Calls();
        if (test.down)
            _menu->EventSelectDown();
        else
            _menu->EventSelectUp();
        EXPECT_EQ(_menu->GetSelected(), test.to) << test.from;
        Strings calls = Calls();
        std::sort(calls.begin(), calls.end());
        EXPECT_EQ(calls, (Strings{"smallButton.SetState(1)", "smallButton.SetState(2)"}))
            << "only the two buttons that change are told";
    }
}

TEST_F(ShipSetTest, CloneTypesANameAndMakesTheLastShipCurrent)
{
    Select(3);
    _menu->EventSelectApply();
    EXPECT_EQ(_menu->GetNameEntry(), GuiTopButtonsSet::NE_CLONE);
    EXPECT_STREQ(_menu->GetTypedName(), "Default") << "the entry starts from the ship's name";
    for (int i = 0; i < 7; ++i)
        _menu->ProceedKey('\b');
    Type("Hawk");
    EXPECT_EQ(Calls().back(), "tape_field.SetName('Hawk')");

    _menu->Proceed(0.0f, 1.0f);
    EXPECT_TRUE(_menu->GetTapeField()->GetVisible());
    _menu->EventSelectApply();
    EXPECT_EQ(_menu->GetNameEntry(), GuiTopButtonsSet::NE_NONE);
    EXPECT_EQ(ShipNames(), (Strings{"Default", "Hawk"}));
    EXPECT_EQ(_profile->GetCurrentShipIndex(), 1);
    EXPECT_EQ(_menu->GetShipIndex(), 1);
    EXPECT_EQ(_menu->GetFaces()->GetCurSelected(), 1);
    EXPECT_FLOAT_EQ(_menu->GetFaces()->GetPosition(), 1.0f) << "the carousel jumps to the clone";
    _menu->Proceed(0.0f, 1.0f);
    EXPECT_FALSE(_menu->GetTapeField()->GetVisible());
    EXPECT_STREQ(_menu->GetFaces()->GetName(1), "Hawk");
}

TEST_F(ShipSetTest, DeleteIsRefusedForTheOnlyShip)
{
    Select(5);
    _menu->EventSelectApply();
    EXPECT_EQ(ShipNames(), Strings{"Default"});

    _profile->CloneShip("Second");
    _menu->Proceed(0.0f, 1.0f);
    ASSERT_EQ(_menu->GetShipIndex(), 1);
    _menu->EventSelectApply();
    EXPECT_EQ(ShipNames(), Strings{"Default"});
    EXPECT_EQ(_profile->GetCurrentShipIndex(), 0);
}

TEST_F(ShipSetTest, EscapeDuringNameEntryDiscardsTheNameAndKeepsTheMenu)
{
    Select(4);
    _menu->EventSelectApply();
    ASSERT_EQ(_menu->GetNameEntry(), GuiTopButtonsSet::NE_RENAME);
    Type("X");
    _menu->EventSelectDecline();
    EXPECT_EQ(_menu->GetNameEntry(), GuiTopButtonsSet::NE_NONE);
    EXPECT_STREQ(_menu->GetTypedName(), "");
    EXPECT_EQ(ShipNames(), Strings{"Default"});
    EXPECT_FALSE(_menu->Closed());

    // A rename that is applied renames the ship at the carousel's centre.
    _menu->EventSelectApply();
    Type("-2");
    _menu->EventSelectApply();
    EXPECT_EQ(ShipNames(), Strings{"Default-2"});
}

TEST_F(ShipSetTest, TypedNamesKeepSixteenCharactersWithoutControlKeys)
{
    Select(3);
    _menu->EventSelectApply();
    for (int i = 0; i < 7; ++i)
        _menu->ProceedKey('\b');
    Type(std::string("a`b\tc\rd") + char(27) + char(8) + "efghijklmnopqrstuv");
    EXPECT_STREQ(_menu->GetTypedName(), "abcdefghijklmnop");
    // Backspace takes back a whole character, and nothing on an empty name.
    for (int i = 0; i < 16; ++i)
        _menu->ProceedKey('\b');
    Type("\xC3\xA9");
    _menu->ProceedKey('\b');
    EXPECT_STREQ(_menu->GetTypedName(), "");
    _menu->ProceedKey('\b');
    EXPECT_STREQ(_menu->GetTypedName(), "");
}

TEST_F(ShipSetTest, LeftAndRightStopAtTheEndsOfTheShipList)
{
    _profile->CloneShip("Second");
    _profile->SelectShip(0);
    _menu->Proceed(0.0f, 1.0f);
    _menu->EventSelectLeft();
    EXPECT_EQ(_profile->GetCurrentShipIndex(), 0);
    _menu->EventSelectRight();
    EXPECT_EQ(_profile->GetCurrentShipIndex(), 1);
    _menu->EventSelectRight();
    EXPECT_EQ(_profile->GetCurrentShipIndex(), 1);
    _menu->EventSelectLeft();
    EXPECT_EQ(_profile->GetCurrentShipIndex(), 0);
}

TEST_F(ShipSetTest, BackToFittingClosesTheMenu)
{
    Select(1);
    _menu->EventSelectApply();
    EXPECT_FALSE(_menu->Closed()) << "the ships button does nothing";
    Select(2);
    _menu->EventSelectApply();
    EXPECT_TRUE(_menu->Closed());
    _menu->SetState(0);
    EXPECT_FALSE(_menu->Closed());
    EXPECT_EQ(_menu->GetSelected(), 0);
}

TEST_F(ShipSetTest, ShuttingDownTakesEveryLayerOfTheMenuAway)
{
    const int before = LayerManager::GetRoot()->GetChildsCount();
    auto second = std::make_unique<GuiTopButtonsSet>();
    second->Initialize();
    EXPECT_GT(LayerManager::GetRoot()->GetChildsCount(), before);
    second.reset();
    EXPECT_EQ(LayerManager::GetRoot()->GetChildsCount(), before);
}

TEST_F(ShipSetTest, CarouselSlidesToTheChosenShipAndDrawsItsName)
{
    _profile->CloneShip("Second");
    _profile->SelectShip(0);
    _menu->Proceed(0.0f, 1.0f);
    _menu->EventSelectRight();
    GuiProfileFaces* faces = _menu->GetFaces();
    _menu->Proceed(0.125f, 1.0f);
    EXPECT_FLOAT_EQ(faces->GetPosition(), 0.5f);
    EXPECT_FALSE(faces->CanScroll());
    _menu->Proceed(0.2f, 1.0f);
    EXPECT_FLOAT_EQ(faces->GetPosition(), 1.0f) << "never past the chosen ship";
    EXPECT_TRUE(faces->CanScroll());
    EXPECT_EQ(faces->GetCount(), 2);
}
