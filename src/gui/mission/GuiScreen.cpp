#include "gui/mission/GuiScreen.h"

#include "foundation/base/Dumper.h"
#include "game/core/game/Game.h"
#include "layers/widgets/GuiGame.h"
#include "services/sound/SoundEngine.h"

namespace GuiScreen {

void PlaySound(const char* name)
{
    if (SoundEngine* sound = game.GetSoundEngine())
        sound->CreateSound2D(name, true, -1.0f);
}

MaterialSystem* Render() { return game.GetRender(); }

UserProfile* Pilot(const char* screen)
{
    UserProfile* pilot = GuiGame::CurrentProfile();
    if (!pilot)
        Dumper::Instance().Print(DUMP_ERROR, "%s: no pilot is chosen\n", screen);
    return pilot;
}

} // namespace GuiScreen
