#include "game/core/frames/GameFrame.h"

#include "foundation/base/Dumper.h"
#include "game/core/frames/GameFrameManager.h"

#include <cstring>

GameFrame::GameFrame(GameFrameManager* manager, const char* name) : _manager(manager)
{
    if (!name)
        return;
    const size_t length = std::strlen(name);
    if (length >= NameSize)
        Dumper::Instance().Print(DUMP_WARNING, "GameFrame: the name \"%s\" is cut to %zu characters\n", name,
                                 NameSize - 1);
    std::memcpy(_name, name, length < NameSize ? length : NameSize - 1);
}

GameEngine* GameFrame::GetEngine() const { return _manager ? _manager->GetEngine() : nullptr; }
