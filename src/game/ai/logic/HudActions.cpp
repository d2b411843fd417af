#include "game/ai/logic/HudActions.h"

#include <cstdio>
#include <cstring>

#include "game/ai/LevelLogic.h"
#include "game/ai/logic/LogicServices.h"
#include "game/core/FixedText.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/Actor.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudStats.h"
#include "game/hud/GuiShipHudTextMessage.h"

ActionTextMessage::ActionTextMessage()
{
    SetName("ActionTextMessage");
    CopyFixedText(_message, "(empty)");
}

void ActionTextMessage::Initialize(const char* message, float timeout, bool blue, int parts)
{
    CopyFixedText(_message, message);
    _timeout = timeout;
    _blue = blue;
    _parts = parts;
    SetInitialized();
}

void ActionTextMessage::DoAction()
{
    const GuiShipHud* hud = Logic::GetHud();
    if (GuiShipHudTextMessage* strip = hud ? hud->GetTextMsg() : nullptr)
        strip->Show(_message, _timeout, _blue, _parts);
}

ActionShowDestroyTask::ActionShowDestroyTask() { SetName("ActionShowDestroyTask"); }

void ActionShowDestroyTask::Initialize(int index, const char* name, const char* shortname, const char* icon, int size,
                                       const char* classname, float nearest, float big, float arrow)
{
    _index = index;
    CopyFixedText(_taskName, name);
    CopyFixedText(_shortname, shortname);
    CopyFixedText(_icon, icon);
    _size = size;
    CopyFixedText(_classname, classname);
    _nearest = nearest > 0;
    _big = big > 0;
    _arrow = arrow > 0;
    SetInitialized();
}

void ActionShowDestroyTask::DoAction()
{
    SingleLevel* level = Logic::GetLevel();
    LevelLogic* logic = level ? level->GetLogic() : nullptr;
    if (!logic)
        return;
    const unsigned count = level->GetActorCountByClassname(_classname);
    const GuiShipHud* hud = Logic::GetHud();
    GuiShipHudStats* stats = hud ? hud->GetStatsHud() : nullptr;
    if (_index >= 0 && stats)
    {
        char id[16];
        std::snprintf(id, sizeof id, "%d", _index);
        // The row cuts the name and the race tag to its own fields.
        stats->SetEntry(id, _taskName, _shortname, _icon, _size, count);
    }

    Actor* nearest = nullptr;
    float nearestDistance = 1e9f;
    for (unsigned i = 0; i < count; ++i)
    {
        Actor* actor = level->GetActorByClassname(_classname, i);
        if (!actor)
            continue;
        if (_nearest)
        {
            const float distance = actor->DistanceToCamera();
            if (distance < nearestDistance)
            {
                nearestDistance = distance;
                nearest = actor;
            }
            continue;
        }
        GlobalLevelTarget* target = logic->AddGlobalTarget();
        target->position = actor->GetPosition();
        target->big = _big;
        target->actor = actor;
    }
    if (!nearest)
        return;
    GlobalLevelTarget* target = logic->AddGlobalTarget();
    target->position = nearest->GetPosition();
    target->big = _big;
    target->arrow = _arrow;
    target->actor = nearest;
    if (std::strcmp(_classname, "YtgPortal03") == 0)
        target->color = Color(0, 1, 0, 1);
}
