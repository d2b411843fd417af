#include "gui/mission/GuiScreen.h"

#include "foundation/base/Dumper.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/MenuGame.h"
#include "gui/menus/GuiMainMenu.h"
#include "layers/widgets/GuiGame.h"

namespace GuiScreen {

UserProfile* Pilot(const char* screen)
{
    UserProfile* pilot = MenuGame::CurrentProfile();
    if (!pilot)
        Dumper::Instance().Print(DUMP_ERROR, "%s: no pilot is chosen\n", screen);
    return pilot;
}

void LeaveForPilots(GameFrameManager* frames)
{
    GuiMainMenu::_state = GuiMainMenu::STATE_PROFILES;
    if (frames)
        frames->SetActive("main_menu");
}

} // namespace GuiScreen
