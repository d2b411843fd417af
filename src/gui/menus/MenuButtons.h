#pragma once

#include "layers/widgets/GuiButtons.h"

// A column of big buttons of which one is selected, as the main menu and its play panel have
// them: the selection moves over the enabled buttons only, wrapping at both ends.
namespace MenuButtons {

// The next enabled index after `selected` going by `step` (+1 or -1) with wrap-around, or
// `selected` itself when no button is enabled.
int Move(const GuiBigButton* buttons, int count, int selected, int step);
// Every enabled button shows state 1, then the selected one state 2.
void Update(GuiBigButton* buttons, int count, int selected);

} // namespace MenuButtons
