// The stock exchange: stars of an offer, the kind buttons, the list of cards following the
// selection, opening and taking an offer, and the escape box.
#include "MissionFixture.h"

#include "game/core/catalogue/LevelsList.h"
#include "game/profiles/ProfileManager.h"
#include "game/profiles/UserProfile.h"
#include "game/hud/GuiShipHudTextMessage.h"
#include "gui/mission/GuiStockEx.h"
#include "layers/FlashLayer.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiStockItems.h"

namespace {

class StockExTest : public MissionScreenTest
{
protected:
    GuiStockEx* Stock() const { return Frame<GuiStockEx>("stock_ex"); }
    // Five more free offers, seven in all.
    void MoreOffers()
    {
        for (int i = 0; i < 5; ++i)
            _pilot->GetLevelsList()->AddLevel("Ore run", "lvl00.lvl", "lvl00_desc.lvl", "lvl00_logic.lvl",
                                              "levels//lvl_00.mat", 0, 0, "BLG", "Escort the ore.", "", "Done.", true,
                                              "Skarrow", "Arrdra", 0);
    }
    void Settle() { Step(10); }
};

class RecordedStockExTest : public StockExTest
{
protected:
    RecordedStockExTest() { RecordMovies({"pirates_column"}); }
};

} // namespace

TEST(StockExStars, FreeOneStarPaidThreeOrFour)
{
    struct Case
    {
        int price;
        bool available;
        int stars;
    };
    for (const Case& test :
         {Case{0, true, 1}, Case{0, false, 1}, Case{-5, true, 0}, Case{500, true, 3}, Case{500, false, 4}})
    {
        LevelDesc offer;
        offer.SetPrice(test.price);
        offer.SetAvaliable(test.available);
        EXPECT_EQ(GuiStockEx::CalcStarsCount(&offer), test.stars) << test.price << " " << test.available;
    }
}

TEST_F(StockExTest, TheKindButtonsAlternateBetweenFreeAndPaid)
{
    ASSERT_TRUE(Enter("stock_ex"));
    GuiStockEx* stock = Stock();
    const int expected[] = {1, 0, 1};
    for (int cursor : expected)
    {
        _frames->funcSelectDown();
        EXPECT_EQ(stock->GetKindCursor(), cursor);
    }
    _frames->funcSelectUp();
    EXPECT_EQ(stock->GetKindCursor(), 0);
    _frames->funcSelectUp();
    EXPECT_EQ(stock->GetKindCursor(), 1);
    Step();
    EXPECT_TRUE(stock->GetKindButton(2).IsEnabled());

    // The paid offers: none, so Apply there does nothing.
    _frames->funcSelectApply();
    EXPECT_EQ(stock->GetMode(), GuiStockEx::MODE_OFFERS);
    EXPECT_EQ(stock->GetKind(), 1);
    Step();
    EXPECT_EQ(stock->GetLevelsCount(), 0);
    _frames->funcSelectApply();
    _frames->funcSelectDown();
    EXPECT_FALSE(stock->IsOpened());
    EXPECT_EQ(stock->GetSelected(), 0);
    _frames->funcSelectDecline();
    EXPECT_EQ(stock->GetMode(), GuiStockEx::MODE_KINDS);
}

TEST_F(StockExTest, AnOpenCardLeavesRoomForFourRowsAndAMoveWaitsForItToClose)
{
    MoreOffers();
    ASSERT_TRUE(Enter("stock_ex"));
    GuiStockEx* stock = Stock();
    _frames->funcSelectApply(); // free offers
    Step();
    for (int i = 0; i < 4; ++i)
    {
        _frames->funcSelectDown();
        Settle();
    }
    ASSERT_EQ(stock->GetSelected(), 4);
    EXPECT_EQ(stock->GetTop(), 0) << "the fifth row is on screen";
    _frames->funcSelectApply();
    EXPECT_TRUE(stock->IsOpened());
    Step();
    EXPECT_EQ(stock->GetTop(), 1) << "the open card takes two rows";
    Settle();

    // Down closes the card and moves once the closing slide is mostly done.
    _frames->funcSelectDown();
    EXPECT_FALSE(stock->IsOpened());
    EXPECT_EQ(stock->GetSelected(), 4);
    Step(1, 0.1f);
    EXPECT_EQ(stock->GetSelected(), 4) << "the card is still closing";
    Step(1, 0.1f);
    EXPECT_EQ(stock->GetSelected(), 5);
    Settle();
    for (int i = 0; i < 3; ++i)
    {
        _frames->funcSelectDown();
        Settle();
    }
    EXPECT_EQ(stock->GetSelected(), 6) << "the last offer";
}

TEST_F(StockExTest, TakingAnOfferPreparesTheWholeCashAndAClosedOfferIsRefused)
{
    _pilot->SetCash(4200);
    _pilot->SetTmpCash(17);
    _pilot->SetTmpCredit(900);
    Offer(1)->SetPrice(3000);
    ASSERT_TRUE(Enter("stock_ex"));
    GuiStockEx* stock = Stock();
    _frames->funcSelectApply();
    Step();
    _frames->funcSelectDown();
    Settle();
    _frames->funcSelectApply();
    Step();
    ASSERT_TRUE(stock->IsOpened());

    // Taken by someone else while open: refused until the next key.
    Offer(1)->SetAvaliable(false);
    _frames->funcSelectApply();
    EXPECT_TRUE(stock->GetMessage()->IsActive());
    EXPECT_STREQ(stock->GetMessage()->GetText(), "Mission is not accessible");
    EXPECT_STREQ(Next(), "");
    _frames->funcSelectLeft();
    EXPECT_FALSE(stock->GetMessage()->IsActive());
    EXPECT_TRUE(stock->IsOpened());

    Offer(1)->SetAvaliable(true);
    _frames->funcSelectApply();
    EXPECT_STREQ(Next(), "mission_desc");
    EXPECT_EQ(_pilot->GetCurrentLevel(), Offer(1));
    EXPECT_EQ(_pilot->GetTmpCash(), 4200);
    EXPECT_EQ(_pilot->GetTmpCredit(), 0);
    EXPECT_EQ(_pilot->GetCash(), 4200) << "nothing is charged here";
}

TEST_F(StockExTest, AClosedOfferDoesNotOpen)
{
    Offer(0)->SetAvaliable(false);
    ASSERT_TRUE(Enter("stock_ex"));
    _frames->funcSelectApply();
    Step();
    _frames->funcSelectApply();
    EXPECT_FALSE(Stock()->IsOpened());
}

TEST_F(StockExTest, EscapeAsksAndYesLeavesForTheMainMenu)
{
    ASSERT_TRUE(Enter("stock_ex"));
    GuiStockEx* stock = Stock();
    _frames->funcSelectDecline();
    ASSERT_TRUE(stock->GetEscMenu()->IsActive());
    _frames->funcSelectDown();
    EXPECT_EQ(stock->GetKindCursor(), 0) << "the box takes the keys";
    _frames->funcSelectApply(); // no
    EXPECT_FALSE(stock->GetEscMenu()->IsActive());
    EXPECT_STREQ(Next(), "");

    _frames->funcSelectDecline();
    _frames->funcSelectRight();
    _frames->funcSelectApply(); // yes
    EXPECT_FALSE(stock->GetEscMenu()->IsActive());
    EXPECT_EQ(stock->GetEscMenu()->GetResult(), GuiConfirmBox::RESULT_YES);
    EXPECT_STREQ(Next(), "main_menu");
}

// A pilot made without game data knows no pirates and no dealers.
TEST_F(RecordedStockExTest, WithFewPiratesTheEmptyRowsSayNoneAndWithoutADealerTheCardsHaveNoFace)
{
    ProfileManager bare(game.GetGameTextsSystem(), nullptr, "en", _data.GetPath());
    bare.CreateProfile("Bare");
    game.SetProfileManager(&bare);
    ASSERT_TRUE(Enter("stock_ex"));
    const std::vector<std::string> calls = Calls();
    for (int row = 0; row < 5; ++row)
    {
        EXPECT_EQ(Count(calls, "pirates_column: SetName(" + std::to_string(row) + ",'(none)')"), 1) << row;
        EXPECT_EQ(Count(calls, "pirates_column: SetScoreText(" + std::to_string(row) + ",'0')"), 1) << row;
    }
    EXPECT_EQ(Count(calls, "pirates_column: SetName(5,'Bare')"), 1);
    EXPECT_EQ(Count(calls, "pirates_column: SetScoreText(5,'10')"), 1) << "the pilot's own score";
    EXPECT_EQ(Count(calls, "pirates_column: SetEffText(5,'67')"), 1);

    GuiStockEx* stock = Stock();
    _frames->funcSelectApply(); // free offers
    Step();
    _frames->funcSelectApply(); // the first opens
    ASSERT_TRUE(stock->IsOpened());
    RunGame(10);
    EXPECT_EQ(stock->GetFullCard()->GetFace()->GetMaterial(), nullptr);
    EXPECT_TRUE(stock->GetFullCard()->GetCard()->GetVisible());
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
    ASSERT_TRUE(Enter("empty"));
    game.SetProfileManager(nullptr);
}
