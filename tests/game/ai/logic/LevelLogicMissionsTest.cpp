// The level logics of single missions: what each does beyond the general one.
#include "LogicMission.h"

#include "game/ai/logic/LevelLogicMissions.h"
#include "game/core/game/Game.h"
#include "game/world/player/Player.h"
#include "game/world/ships/Ship.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudTextMessage.h"
#include "services/sound/SoundEngine.h"

namespace {

Matrix At(const Vec3& position)
{
    Matrix pose = Matrix::Ident();
    pose.Translate(position);
    return pose;
}

TEST_F(LogicMission, TheFirstMissionsLogicKeepsItsTargetsAtShutDownAndTheEighthPlaysItsMusic)
{
    StartLogic("", "");
    LevelLogic00 first;
    first.AddGlobalTarget();
    first.ShutDown();
    EXPECT_EQ(first.GetGlobalTargetCount(), 1u);

    SoundEngine& sound = *game.GetSoundEngine();
    sound.CloseAllSounds();
    LevelLogic08 eighth;
    eighth.Initialize("levels\\test_logic.lua");
    EXPECT_EQ(sound.GetMusicCount(), 1u);
    EXPECT_EQ(log.Count("Music \""), 0) << log.All();
}

TEST_F(LogicMission, TheRaidsAlarmGoesOffWhenALivingBlgFighterNearsTheYtgPortal)
{
    StartLogic(ShipEntry("ytg_sush_02_00", "ytg_sush_02", "ytg", Vec3(0, 0, 9000)) +
                   ShipEntry("ytg_sush_02_01", "ytg_sush_02", "ytg", Vec3(300, 0, 9000)) +
                   ShipEntry("blg_fighter_00", "blg_fighter_00", "blg", Vec3(0, 0, 0)) +
                   ShipEntry("blg_fighter_03", "blg_fighter_00", "blg", Vec3(100, 0, 0)) +
                   ObjectEntry("YtgPortal", "ytg_portal_03", Vec3(0, 0, 20000)),
               "");
    LevelLogic13 raid;
    raid.Initialize("levels\\test_logic.lua");
    EXPECT_FLOAT_EQ(ShipNamed("ytg_sush_02_01")->GetSpeedKoef(), LevelLogic13::HeavyCargoSpeed);
    EXPECT_FLOAT_EQ(ShipNamed("ytg_sush_02_00")->GetSpeedKoef(), LevelLogic13::ConvoySpeed);
    EXPECT_STREQ(level.GetPlayer()->GetHUD()->GetTextMsg()->GetText(), "Fly with your gang to YTG Transport!");
    raid.Proceed();
    EXPECT_FALSE(raid.IsAlarm());

    Ship* dead = ShipNamed("blg_fighter_00");
    dead->Explode();
    dead->SetPose(At(Vec3(0, 0, 16000)));
    raid.Proceed();
    EXPECT_FALSE(raid.IsAlarm()) << "a dead fighter raises no alarm";

    ShipNamed("blg_fighter_03")->SetPose(At(Vec3(0, 0, 15001)));
    raid.Proceed();
    EXPECT_TRUE(raid.IsAlarm());
    EXPECT_FLOAT_EQ(ShipNamed("ytg_sush_02_01")->GetSpeedKoef(), 1);
    EXPECT_FLOAT_EQ(ShipNamed("ytg_sush_02_00")->GetSpeedKoef(), 1);
}

} // namespace
