#include "gui/hangar/GuiConfigurations.h"

#include "game/core/frames/GameFrameManager.h"

void GuiConfigurations::EventSelectApply()
{
    if (GetManager())
        GetManager()->SetActive("angar");
}
