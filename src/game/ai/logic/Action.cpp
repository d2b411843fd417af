#include "game/ai/logic/Action.h"

#include "game/core/FixedText.h"

Action::Action() { SetName("action"); }

void Action::SetName(const char* name) { CopyFixedText(_name, name); }

void Action::Do()
{
    if (_enabled && _initialized)
        DoAction();
}
