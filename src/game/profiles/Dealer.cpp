#include "game/profiles/Dealer.h"

#include "game/core/FixedText.h"

Dealer::Dealer(const char* name, const char* icon, const char* race, float perc, float cash) : _perc(perc), _cash(cash)
{
    CopyFixedText(_name, name);
    CopyFixedText(_icon, icon);
    CopyFixedText(_race, race);
}
