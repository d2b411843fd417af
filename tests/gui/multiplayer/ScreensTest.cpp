// Every multiplayer screen in each of its states, drawn on the game's data: nothing missing,
// nothing failing, and what the player should see is on the screen.
#include "MultiplayerFixture.h"

#include "game/core/frames/GameFrameManager.h"
#include "gui/multiplayer/GuiMultiplayerCreateGame.h"
#include "gui/multiplayer/GuiMultiplayerMenu.h"
#include "gui/multiplayer/GuiMultiplayerTable.h"
#include "services/network/NetworkEngine.h"

namespace {

bool Lit(uint32_t rgb) { return (rgb >> 16 & 0xFF) + (rgb >> 8 & 0xFF) + (rgb & 0xFF) > 3 * 0xA0; }

} // namespace

TEST_F(MultiplayerTest, EveryScreenDrawsFromTheGamesData)
{
    ASSERT_TRUE(Open("multiplayer_menu"));
    auto* menu = Frame<GuiMultiplayerMenu>("multiplayer_menu");
    Frames(10);
    Shoot("multiplayer_user");
    menu->EventSelectRight();
    menu->GetTable()->AddMission("Orbit", "Asteroids", "Deathmatch", "2", "8");
    Frames(10);
    // 1024 x 768 (scale 0.8): the table's first row at y 130 of the table's 270.
    const Picture join = Shoot("multiplayer_join");
    EXPECT_GT(join.Count(100, 320, 200, 20, Lit), 20);
    menu->EventSelectRight();
    Frames(10);
    Shoot("multiplayer_create");

    ASSERT_TRUE(Open("create_game"));
    auto* create = Frame<GuiMultiplayerCreateGame>("create_game");
    Frames(10);
    Shoot("create_game_maps");
    create->EventSelectApply();
    Type("Nebula");
    Frames(10);
    Shoot("create_game_settings");
    for (int i = 0; i < 4; ++i)
        create->EventSelectDown();
    create->EventSelectApply();
    Frames(10);
    // The create button, right-aligned at (782, 549) in design units.
    const Picture ready = Shoot("create_game_ready");
    EXPECT_GT(ready.Count(660, 460, 200, 60, Lit), 500);
    create->EventSelectApply();
    ASSERT_TRUE(Settle());
    Type("hello");
    Frames(10);
    Shoot("multiplayer_lobby");
    EXPECT_STREQ(Current(), "multiplayer_team");
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
    EXPECT_EQ(_log.Count("cannot be read"), 0);
}
