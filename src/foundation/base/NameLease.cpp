#include "foundation/base/NameLease.h"

Name NameLease::Take(const char* text)
{
    const int index = Name::Lease(text, Reserve);
    if (index != -1)
        _held.push_back(index);
    return Name(index);
}

void NameLease::GiveBack()
{
    for (const int index : _held)
        Name::Release(index);
    _held.clear();
}
