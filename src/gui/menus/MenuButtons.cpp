#include "gui/menus/MenuButtons.h"

namespace MenuButtons {

int Move(const GuiBigButton* buttons, int count, int selected, int step)
{
    bool any = false;
    for (int i = 0; i < count; ++i)
        any |= buttons[i].IsEnabled();
    if (!any)
        return selected;
    do
        selected = (selected + step + count) % count;
    while (!buttons[selected].IsEnabled());
    return selected;
}

void Update(GuiBigButton* buttons, int count, int selected)
{
    for (int i = 0; i < count; ++i)
    {
        if (buttons[i].IsEnabled())
            buttons[i].SetState(1);
    }
    if (selected >= 0 && selected < count)
        buttons[selected].SetState(2);
}

} // namespace MenuButtons
