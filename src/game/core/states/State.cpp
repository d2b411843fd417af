#include "game/core/states/State.h"

#include "game/core/FixedText.h"

State::State() { SetDescription("(unknown_state)"); }

void State::SetDescription(const char* text) { CopyFixedText(_description, text); }
