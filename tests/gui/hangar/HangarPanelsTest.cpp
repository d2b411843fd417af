// The balance bars, the parameter panel that sends only what changed, and the frame that leads
// to the hangar.
#include "HangarFixture.h"

#include "foundation/base/Dumper.h"
#include "game/core/frames/GameFrameManager.h"
#include "gui/hangar/GuiConfigurations.h"
#include "gui/hangar/GuiDeviceParams.h"
#include "gui/hangar/GuiDevicesBalance.h"
#include "game/core/frames/GuiEmpty.h"

using Strings = std::vector<std::string>;

TEST_F(HangarTest, BalanceIsCaptionedFromTheTextsAndStandsAtItsFrame)
{
    GuiDevicesBalance balance(Vec2(22.0f, 303.0f));
    balance.Load();
    ASSERT_NE(balance.GetFlash(), nullptr);
    EXPECT_FLOAT_EQ(balance.GetFlash()->GetPos().x, 1.0f);
    EXPECT_FLOAT_EQ(balance.GetFlash()->GetPos().y, 276.0f);
    EXPECT_EQ(Calls(), (Strings{"jetSystemBalance.SetTitle('Ship balance')", "jetSystemBalance.SetTxt0('Shield')",
                                "jetSystemBalance.SetTxt1('Armour')", "jetSystemBalance.SetTxt2('Hull')",
                                "jetSystemBalance.SetTxt3('Speed')", "jetSystemBalance.SetTxt4('Acceleration')",
                                "jetSystemBalance.SetTxt5('Manoeuvre')"}));
}

TEST_F(HangarTest, BalanceBarIsTheRatioToItsMaximumHeldTo0To1)
{
    GuiDevicesBalance balance(Vec2(22.0f, 303.0f));
    balance.Load();
    Calls();
    struct Case
    {
        int bar;
        float value, maximum, level;
        const char* call;
    };
    for (const Case& test : {Case{0, 1000, 4000, 0.25f, "jetSystemBalance.SetLevel(0,0.25)"},
                             Case{1, 0, 4000, 0.0f, "jetSystemBalance.SetLevel(1,0)"},
                             Case{2, -50, 4000, 0.0f, "jetSystemBalance.SetLevel(2,0)"},
                             Case{3, 6000, 4000, 1.0f, "jetSystemBalance.SetLevel(3,1)"},
                             Case{5, 1, 1, 1.0f, "jetSystemBalance.SetLevel(5,1)"}})
    {
        balance.SetLvl(test.bar, test.value, test.maximum);
        EXPECT_FLOAT_EQ(balance.GetLvl(test.bar), test.level) << test.value;
        EXPECT_EQ(Calls(), Strings{test.call});
    }
    balance.SetLvl(6, 1, 1);
    balance.SetLvl(-1, 1, 1);
    EXPECT_TRUE(Calls().empty()) << "bars outside the six are ignored";
}

TEST_F(HangarTest, ParametersReachTheMovieOnlyWhenTheyChange)
{
    GuiDeviceParams params;
    params.Load();
    ASSERT_NE(params.GetFlash(), nullptr);
    EXPECT_FALSE(params.GetFlash()->GetVisible());
    EXPECT_EQ(Calls(), Strings{"devicesParameters.SetTitle('Parameters')"});

    params.Proceed();
    EXPECT_EQ(Calls(), (Strings{"devicesParameters.SetLvl1(0.5)", "devicesParameters.SetTxt1('1')",
                                "devicesParameters.SetLvl2(0.5)", "devicesParameters.SetTxt2('2')",
                                "devicesParameters.SetLvl3(0.5)", "devicesParameters.SetTxt3('3')",
                                "devicesParameters.SetLvl4(0.5)", "devicesParameters.SetTxt4('4')"}));
    params.Proceed();
    EXPECT_TRUE(Calls().empty());

    // Values are held to 0..1; the same level or label again is not sent.
    params.SetLvl(1, 1.5f);
    params.SetLvl(2, -0.2f);
    params.SetLvl(3, 0.5f);
    params.SetName(0, "Damage");
    params.SetName(3, "4");
    EXPECT_FLOAT_EQ(params.GetLvl(1), 1.0f);
    EXPECT_FLOAT_EQ(params.GetLvl(2), 0.0f);
    params.Proceed();
    EXPECT_EQ(Calls(), (Strings{"devicesParameters.SetTxt1('Damage')", "devicesParameters.SetLvl2(1)",
                                "devicesParameters.SetLvl3(0)"}));

    // A reload sends everything again.
    params.Load();
    Calls();
    params.Proceed();
    EXPECT_EQ(Calls().size(), 8u);
}

TEST_F(HangarTest, ParameterBarsOutsideTheFourAreIgnored)
{
    GuiDeviceParams params;
    params.Load();
    params.Proceed();
    Calls();
    params.SetLvl(4, 0.25f);
    params.SetLvl(-1, 0.25f);
    params.SetName(4, "x");
    params.Proceed();
    EXPECT_TRUE(Calls().empty());
}

TEST(Configurations, ApplyOpensTheHangarAndDeclineDoesNothing)
{
    LayerManager::Create(&Dumper::Instance(), nullptr);
    {
        GameFrameManager manager(nullptr, nullptr);
        manager.Initialize();
        GuiConfigurations configurations(&manager, "configurations");
        GuiEmpty angar(&manager, "angar");
        manager.AddFrame(&configurations);
        manager.AddFrame(&angar);
        manager.SetActive("configurations");
        for (int i = 0; i < 20; ++i)
            manager.Proceed(0.1f);
        ASSERT_EQ(manager.GetCurrent(), &configurations);

        configurations.EventSelectDecline();
        EXPECT_EQ(manager.GetNext(), nullptr);
        configurations.EventSelectApply();
        EXPECT_EQ(manager.GetNext(), &angar);
        manager.ShutDown();
    }
    LayerManager::Release();
}
