#include "scene/nodes/OmniList.h"

#include "foundation/base/Dumper.h"

void OmniList::Add(Omni* light)
{
    if (_count < MaxLights)
    {
        _lights[_count++] = light;
        return;
    }
    if (!_overflowLogged)
    {
        Dumper::Instance().Print(DUMP_WARNING, "More than %u omni lights in view: the others are not drawn\n",
                                 MaxLights);
        _overflowLogged = true;
    }
}
