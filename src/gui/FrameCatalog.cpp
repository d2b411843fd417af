#include "gui/FrameCatalog.h"

#include "game/core/game/Game.h"
#include "gui/hangar/ConstructionAngar.h"
#include "gui/hangar/GuiConfigurations.h"
#include "gui/menus/GuiLogo.h"
#include "gui/menus/GuiMainMenu.h"
#include "gui/menus/GuiVideoIntro.h"
#include "gui/mission/GuiBriefing.h"
#include "gui/mission/GuiMissionDesc.h"
#include "gui/mission/GuiMissionScore.h"
#include "gui/mission/GuiMissionSelect.h"
#include "gui/mission/GuiStockEx.h"
#include "gui/mission/GuiTeamGathering.h"
#include "gui/multiplayer/GuiMultiplayerCreateGame.h"
#include "gui/multiplayer/GuiMultiplayerMenu.h"
#include "gui/multiplayer/GuiMultiplayerTeam.h"

#include <cstring>

std::unique_ptr<GameFrame> CreateGameFrame(GameFrameManager* manager, const char* name)
{
    if (std::strcmp(name, "videoIntro") == 0)
        return std::make_unique<GuiVideoIntro>(manager, name);
    if (std::strcmp(name, "logo") == 0)
        return std::make_unique<GuiLogo>(manager, name);
    if (std::strcmp(name, "main_menu") == 0)
        return std::make_unique<GuiMainMenu>(manager, name);
    if (std::strcmp(name, "mission_desc") == 0)
        return std::make_unique<GuiMissionDesc>(manager, name);
    if (std::strcmp(name, "team_gathering") == 0)
        return std::make_unique<GuiTeamGathering>(manager, name);
    if (std::strcmp(name, "briefing") == 0)
        return std::make_unique<GuiBriefing>(manager, name);
    if (std::strcmp(name, "stock_ex") == 0)
        return std::make_unique<GuiStockEx>(manager, name);
    if (std::strcmp(name, "mission_select") == 0)
        return std::make_unique<GuiMissionSelect>(manager, name);
    if (std::strcmp(name, "mission_score") == 0)
        return std::make_unique<GuiMissionScore>(manager, name);
    if (std::strcmp(name, "angar") == 0)
    {
        auto angar = std::make_unique<ConstructionAngar>(manager, name);
        game.SetConstructionAngar(angar.get());
        return angar;
    }
    if (std::strcmp(name, "configurations") == 0)
        return std::make_unique<GuiConfigurations>(manager, name);
    if (std::strcmp(name, "multiplayer_menu") == 0)
        return std::make_unique<GuiMultiplayerMenu>(manager, name);
    if (std::strcmp(name, "create_game") == 0)
        return std::make_unique<GuiMultiplayerCreateGame>(manager, name);
    if (std::strcmp(name, "multiplayer_team") == 0)
        return std::make_unique<GuiMultiplayerTeam>(manager, name);
    return nullptr;
}

void InstallGameFrames() { game.SetFrameFactory(&CreateGameFrame); }
