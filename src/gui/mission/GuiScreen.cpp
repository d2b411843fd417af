#include "gui/mission/GuiScreen.h"

#include "foundation/base/Dumper.h"
#include "layers/widgets/GuiGame.h"

namespace GuiScreen {

UserProfile* Pilot(const char* screen)
{
    UserProfile* pilot = GuiGame::CurrentProfile();
    if (!pilot)
        Dumper::Instance().Print(DUMP_ERROR, "%s: no pilot is chosen\n", screen);
    return pilot;
}

} // namespace GuiScreen
