#pragma once

#include "layers/widgets/GuiGame.h"

// The widgets' view of the global `game`: its texts and the chosen pilot.
GuiGame::Source MakeWidgetSource();
