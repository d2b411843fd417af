// The level-logic file's reader: triggers, and the conditions and actions of each by its "type".
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/base/Dumper.h"
#include "foundation/lua/LuaTypes.h"
#include "foundation/lua/Table.h"
#include "foundation/lua/TableIterator.h"
#include "foundation/lua/VirtualMachine.h"
#include "game/ai/logic/HudActions.h"
#include "game/ai/logic/MissionActions.h"
#include "game/ai/logic/NaturalOrder.h"
#include "game/ai/logic/ShipActions.h"
#include "game/ai/logic/SoundActions.h"
#include "game/ai/logic/TriggerSystem.h"
#include "game/core/game/Game.h"

namespace {

constexpr size_t TypeSize = 256;
constexpr size_t NameSize = 256;
constexpr size_t TextSize = 1024;

bool StartsWith(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

// The keys of the members that are tables, in natural order.
std::vector<std::string> TableMembers(const Table& table)
{
    std::vector<std::string> keys;
    TableIterator it(table);
    for (it.Begin(); it.End(); it.Next())
    {
        const char* key = it.GetVarName();
        const int type = it.GetVarType();
        if (key && (type == LUA_TYPE_TABLE || type == LUA_TYPE_ARRAY))
            keys.emplace_back(key);
    }
    std::sort(keys.begin(), keys.end(),
              [](const std::string& a, const std::string& b) { return NaturalLess(a.c_str(), b.c_str()); });
    return keys;
}

// Reads the keys of one condition or action table; a key that is needed and missing is logged
// with the file and the member's place, and its default is used.
class EntryReader
{
public:
    EntryReader(const Table& table, std::string place) : _table(table), _place(std::move(place)) {}

    const Table& GetTable() const { return _table; }
    bool Has(const char* key) const { return _table.HasMember(key); }

    // Missing: empty.
    void String(const char* key, char* out, size_t size, bool needed = true) const
    {
        out[0] = '\0';
        if (!_table.GetString(key, out, size) && needed)
            Missing(key);
    }
    float Number(const char* key, float fallback, bool needed = true) const
    {
        float value = fallback;
        if (!_table.GetNumber(key, value) && needed)
            Missing(key);
        return value;
    }
    int Integer(const char* key, int fallback, bool needed = true) const
    {
        int value = fallback;
        if (!_table.GetNumber(key, value) && needed)
            Missing(key);
        return value;
    }
    Vec3 Point(const char* x, const char* y, const char* z, bool needed) const
    {
        return Vec3(Number(x, 0, needed), Number(y, 0, needed), Number(z, 0, needed));
    }
    void Warn(const char* format, ...) const __attribute__((format(printf, 2, 3)))
    {
        char text[512];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        Dumper::Instance().Print(DUMP_WARNING, "LevelLogic: %s: %s\n", _place.c_str(), text);
    }

private:
    void Missing(const char* key) const { Warn("no \"%s\"; its default is used", key); }

    const Table& _table;
    std::string _place;
};

using ConditionBuilder = std::unique_ptr<Condition> (*)(const EntryReader&);
using ActionBuilder = std::unique_ptr<Action> (*)(const EntryReader&);

std::unique_ptr<Condition> BuildTimer(const EntryReader& in)
{
    auto condition = std::make_unique<ConditionTimer>();
    condition->Initialize(in.Number("timer", 0));
    return condition;
}

std::unique_ptr<Condition> BuildTriggerNotCompleted(const EntryReader& in)
{
    char name[NameSize];
    in.String("triggerName", name, sizeof name);
    auto condition = std::make_unique<ConditionTriggerNotCompleted>();
    condition->Initialize(name);
    return condition;
}

std::unique_ptr<Condition> BuildShipCount(const EntryReader& in)
{
    char classname[ConditionShipCount::ClassnameSize];
    in.String("shipClassname", classname, sizeof classname);
    auto condition = std::make_unique<ConditionShipCount>();
    if (in.Has("countEqual"))
        condition->SetCountEqual(in.Integer("countEqual", -1));
    if (in.Has("countNotEqual"))
        condition->SetCountNotEqual(in.Integer("countNotEqual", -1));
    if (condition->GetCountEqual() < 0 && condition->GetCountNotEqual() < 0)
        in.Warn("neither \"countEqual\" nor \"countNotEqual\": the condition never holds");
    condition->Initialize(classname);
    return condition;
}

std::unique_ptr<Condition> BuildShipDestroyed(const EntryReader& in)
{
    char ship[NameSize];
    in.String("shipName", ship, sizeof ship);
    auto condition = std::make_unique<ConditionShipDestroyed>();
    condition->Initialize(ship);
    return condition;
}

std::unique_ptr<Condition> BuildShipInArea(const EntryReader& in)
{
    char ship[NameSize], area[TypeSize];
    in.String("shipName", ship, sizeof ship);
    in.String("areaType", area, sizeof area);
    auto condition = std::make_unique<ConditionShipInArea>();
    const bool box = std::strcmp(area, "area") == 0;
    if (!box && std::strcmp(area, "sphere") != 0)
    {
        in.Warn("unknown \"areaType\" \"%s\": the condition never holds", area);
        return condition;
    }
    if (box)
        condition->InitializeArea(ship, in.Point("minX", "minY", "minZ", false),
                                  in.Point("maxX", "maxY", "maxZ", false));
    else
        condition->InitializeSphere(ship, in.Point("x", "y", "z", false), in.Number("radius", 0, false));
    if (!condition->GetShip())
        in.Warn("no ship \"%s\": the condition never holds", ship);
    return condition;
}

std::unique_ptr<Action> BuildTextMessage(const EntryReader& in)
{
    char message[ActionTextMessage::MessageSize];
    in.String("message", message, sizeof message);
    auto action = std::make_unique<ActionTextMessage>();
    action->Initialize(message, in.Number("timeout", 0), in.Number("isBlue", 1) > 0, in.Integer("parts", 0));
    return action;
}

std::unique_ptr<Action> BuildPlayMusic(const EntryReader& in)
{
    char normal[TextSize], hard[TextSize], insane[TextSize];
    in.String("filename", normal, sizeof normal);
    in.String("filenameHard", hard, sizeof hard, false);
    in.String("filenameInsane", insane, sizeof insane, false);
    auto action = std::make_unique<ActionPlayMusic>();
    action->Initialize(normal, hard, insane);
    return action;
}

std::unique_ptr<Action> BuildEnableDisableShip(const EntryReader& in)
{
    char ship[ActionEnableDisableShip::ShipNameSize];
    in.String("shipName", ship, sizeof ship);
    auto action = std::make_unique<ActionEnableDisableShip>();
    action->Initialize(ship);
    return action;
}

std::unique_ptr<Action> BuildLoadSubLevel(const EntryReader& in)
{
    char level[ActionLoadSubLevel::LevelNameSize];
    in.String("levelName", level, sizeof level);
    auto action = std::make_unique<ActionLoadSubLevel>();
    action->Initialize(level, in.Number("delay", 0, false));
    return action;
}

std::unique_ptr<Action> BuildPlaySound2D(const EntryReader& in)
{
    auto action = std::make_unique<ActionPlaySound2D>();
    for (int n = 0; n < ActionPlaySound2D::MaxFiles; ++n)
    {
        char key[16], file[ActionPlaySound2D::FileSize];
        std::snprintf(key, sizeof key, "filename%.2d", n);
        if (in.GetTable().GetString(key, file, sizeof file))
            action->Initialize(file);
    }
    if (action->GetFileCount() == 0)
        in.Warn("no \"filename00\" to \"filename15\": the action never plays");
    action->SetCheckPriority(in.Number("checkPriority", 0, false) > 0);
    return action;
}

std::unique_ptr<Action> BuildMissionWin(const EntryReader&) { return std::make_unique<ActionMissionWin>(); }

std::unique_ptr<Action> BuildMissionLose(const EntryReader&) { return std::make_unique<ActionMissionLose>(); }

std::unique_ptr<Action> BuildShowDestroyTask(const EntryReader& in)
{
    char name[ActionShowDestroyTask::TextSize], shortname[ActionShowDestroyTask::TextSize];
    char icon[ActionShowDestroyTask::TextSize], classname[ActionShowDestroyTask::TextSize];
    const int index = in.Integer("index", -1);
    in.String("name", name, sizeof name, index >= 0);
    in.String("shortname", shortname, sizeof shortname, index >= 0);
    in.String("icon", icon, sizeof icon, index >= 0);
    in.String("classname", classname, sizeof classname);
    auto action = std::make_unique<ActionShowDestroyTask>();
    action->Initialize(index, name, shortname, icon, in.Integer("size", 0, index >= 0), classname,
                       in.Number("nearest", 1, false), in.Number("big", 1, false), in.Number("arrow", 0, false));
    return action;
}

std::unique_ptr<Action> BuildShipChangeTask(const EntryReader& in)
{
    char ship[ActionShipChangeTask::NameSize], task[TypeSize], target[ActionShipChangeTask::NameSize];
    in.String("shipName", ship, sizeof ship);
    in.String("taskType", task, sizeof task);
    const auto is = [&](const char* name) { return std::strcmp(task, name) == 0; };
    const bool named = is("attack_the_target") || is("follow_the_leader") || is("stay_on_track") ||
                       is("patrol_the_track") || is("escort_the_target");
    in.String("target", target, sizeof target, named);
    auto action = std::make_unique<ActionShipChangeTask>();
    if (is("idle"))
        action->Initialize_Idle(ship);
    else if (is("attack_the_target"))
        action->Initialize_AttackTheTarget(ship, target);
    else if (is("follow_the_leader"))
        action->Initialize_FollowTheLeader(ship, target);
    else if (is("reach_the_point"))
        action->Initialize_ReachThePoint(ship, in.Point("x", "z", "y", true));
    else if (is("patrol_the_area"))
        action->Initialize_PatrolTheArea(ship, in.Point("xmin", "zmin", "ymin", true),
                                         in.Point("xmax", "zmax", "ymax", true));
    else if (is("stay_on_track"))
        action->Initialize_StayOnTrack(ship, target, in.Number("radius", 0, false), in.Number("looped", 0, false) >= 1);
    else if (is("patrol_the_track"))
        action->Initialize_PatrolTheTrack(ship, target, in.Number("radius", 0, false),
                                          in.Number("disengage_distance", 0, false));
    else if (is("escort_the_target"))
        action->Initialize_EscortTheTarget(ship, target, in.Number("radius", 0, false));
    else
        in.Warn("unknown \"taskType\" \"%s\": the action never runs", task);
    if (action->IsInitialized() && !action->GetShip())
        in.Warn("no ship \"%s\": the action does nothing", ship);
    return action;
}

struct ConditionType
{
    const char* type;
    ConditionBuilder build;
};
constexpr ConditionType ConditionTypes[] = {
    {"conditionTimer", BuildTimer},
    {"conditionTriggerNotCompleted", BuildTriggerNotCompleted},
    {"conditionShipDestroyed", BuildShipDestroyed},
    {"conditionShipCount", BuildShipCount},
    {"conditionShipInArea", BuildShipInArea},
};

struct ActionType
{
    const char* type;
    ActionBuilder build;
};
constexpr ActionType ActionTypes[] = {
    {"actionTextMessage", BuildTextMessage},
    {"actionPlayMusic", BuildPlayMusic},
    {"actionEnableDisableShip", BuildEnableDisableShip},
    {"actionLoadSubLevel", BuildLoadSubLevel},
    {"actionPlaySound2D", BuildPlaySound2D},
    {"actionMissionWin", BuildMissionWin},
    {"actionMissionLose", BuildMissionLose},
    {"actionShowDestroyTask", BuildShowDestroyTask},
    {"actionShipChangeTask", BuildShipChangeTask},
};

// The builder of the table's "type" (compared exactly), or null, logged.
template <class Kind, size_t N>
const Kind* FindType(const Kind (&kinds)[N], const EntryReader& in)
{
    char type[TypeSize];
    in.String("type", type, sizeof type, false);
    for (const Kind& kind : kinds)
    {
        if (std::strcmp(kind.type, type) == 0)
            return &kind;
    }
    if (type[0])
        in.Warn("unknown type \"%s\": left out", type);
    else
        in.Warn("no \"type\": left out");
    return nullptr;
}

} // namespace

bool TriggerSystem::Load(const char* file)
{
    VirtualMachine* vm = game.GetVirtualMachine();
    if (!vm || !file)
        return true; // nothing to read
    Table logic = vm->CreateNewTable();
    logic.SetGlobalName(Name("LevelLogic"));
    if (vm->ExecFile(file) != 0)
    {
        Dumper::Instance().Print(DUMP_ERROR, "LevelLogic: unable to run \"%s\"; the level has no triggers\n", file);
        return false;
    }
    for (const std::string& key : TableMembers(logic))
    {
        Table trigger;
        if (StartsWith(key.c_str(), "Trigger") && logic.GetTable(key.c_str(), trigger))
            LoadTrigger(trigger, key.c_str(), file);
    }
    return true;
}

void TriggerSystem::LoadTrigger(const Table& table, const char* key, const char* file)
{
    char name[Trigger::NameSize] = "trigger";
    if (!table.GetString("name", name, sizeof name))
        Dumper::Instance().Print(DUMP_WARNING, "LevelLogic: %s: %s has no \"name\"\n", file, key);
    float once = 1, enabled = 0;
    table.GetNumber("isOnce", once);
    table.GetNumber("isEnable", enabled);
    Trigger* trigger = AddTrigger(name);
    if (once > 0)
        trigger->SetOnce();
    else
        trigger->SetForever();
    if (enabled > 0)
        trigger->Enable();
    else
        trigger->Disable();

    for (const std::string& member : TableMembers(table))
    {
        const bool isCondition = StartsWith(member.c_str(), "Condition");
        if (!isCondition && !StartsWith(member.c_str(), "Action"))
            continue;
        Table entry;
        table.GetTable(member.c_str(), entry);
        const EntryReader in(entry, std::string(file) + ": " + key + "." + member);
        if (isCondition)
        {
            const ConditionType* type = FindType(ConditionTypes, in);
            if (!type)
                continue;
            std::unique_ptr<Condition> condition = type->build(in);
            if (in.Number("isEnable", 1, false) <= 0)
                condition->Disable();
            trigger->AddCondition(std::move(condition));
            continue;
        }
        const ActionType* type = FindType(ActionTypes, in);
        if (!type)
            continue;
        std::unique_ptr<Action> action = type->build(in);
        if (in.Number("isEnable", 1) <= 0)
            action->Disable();
        trigger->AddAction(std::move(action));
    }
}
