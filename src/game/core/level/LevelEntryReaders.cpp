#include "game/core/level/LevelEntryReaders.h"

#include <cstdlib>
#include <cstring>

#include "foundation/lua/Table.h"
#include "foundation/lua/TableIterator.h"
#include "foundation/lua/VirtualMachine.h"
#include "game/world/environment/DebrisType.h"

using Pelloris::ShipTaskRecord;

bool RunDataFile(VirtualMachine* vm, const char* path, const char* global, Table& table)
{
    if (!vm)
        return false;
    table = vm->CreateNewTable();
    table.SetGlobalName(Name(global));
    return vm->ExecFile(path) == 0;
}

std::vector<std::string> MemberKeys(const Table& table)
{
    std::vector<std::string> keys;
    TableIterator it(table);
    for (it.Begin(); it.End(); it.Next())
    {
        const char* key = it.GetVarName();
        keys.emplace_back(key ? key : "");
    }
    return keys;
}

Vec3 ReadVector(const Table& table, const char* key, const Vec3& defaults)
{
    Vec3 v = defaults;
    Table member;
    if (table.GetTable(key, member))
    {
        member.GetNumber("x", v.x);
        member.GetNumber("y", v.y);
        member.GetNumber("z", v.z);
    }
    return v;
}

namespace {

float Number(const Table& table, const char* key)
{
    float value = 0;
    table.GetNumber(key, value);
    return value;
}

// A number written as text; 0 when absent.
float NumberText(const Table& table, const char* key)
{
    char text[64] = {};
    table.GetString(key, text, sizeof text);
    return static_cast<float>(std::atof(text));
}

struct TaskType
{
    const char* name;
    Pelloris::eTaskKind kind;
    void (*read)(const Table& task, ShipTaskRecord& out);
};

const TaskType TaskTypes[] = {
    {"reach_the_point", Pelloris::TASK_REACH_THE_POINT,
     [](const Table& t, ShipTaskRecord& out) { out.params = Vec3(Number(t, "x"), Number(t, "z"), Number(t, "y")); }},
    {"attack_the_target", Pelloris::TASK_ATTACK_THE_TARGET, nullptr},
    {"follow_the_leader", Pelloris::TASK_FOLLOW_THE_LEADER, nullptr},
    {"patrol_the_area", Pelloris::TASK_PATROL_THE_AREA,
     [](const Table& t, ShipTaskRecord& out) {
         out.area.SetDimensions(Number(t, "xmin"), Number(t, "zmin"), Number(t, "ymin"), Number(t, "xmax"),
                                Number(t, "zmax"), Number(t, "ymax"));
     }},
    {"stay_on_track", Pelloris::TASK_STAY_ON_TRACK,
     [](const Table& t, ShipTaskRecord& out) {
         const bool looped = static_cast<int>(NumberText(t, "looped")) != 0;
         out.params = Vec3(looped ? 1.0f : 0.0f, NumberText(t, "radius"), 0);
     }},
    {"patrol_the_track", Pelloris::TASK_PATROL_THE_TRACK,
     [](const Table& t, ShipTaskRecord& out) {
         out.params = Vec3(Number(t, "radius"), Number(t, "disengage_distance"), 0);
     }},
    {"escort_the_target", Pelloris::TASK_ESCORT_THE_TARGET,
     [](const Table& t, ShipTaskRecord& out) { out.params = Vec3(Number(t, "radius"), 0, 0); }},
};

} // namespace

ShipTaskRecord ReadTask(const Table& entry)
{
    ShipTaskRecord task;
    Table table;
    char type[64] = {};
    if (!entry.GetTable("task", table) || !table.GetString("type", type, sizeof type))
        return task;
    for (const TaskType& known : TaskTypes)
    {
        if (std::strcmp(known.name, type) != 0)
            continue;
        task.kind = known.kind;
        table.GetString("target", task.targetName, sizeof task.targetName);
        if (known.read)
            known.read(table, task);
    }
    return task;
}

namespace {
struct DebrisName
{
    const char* name;
    eDebrisType type;
};

template <size_t N>
int DebrisTypeOf(const char* name, const DebrisName (&names)[N])
{
    for (const DebrisName& known : names)
    {
        if (std::strcmp(known.name, name) == 0)
            return known.type;
    }
    return DEBRIS_ROCK;
}
} // namespace

int EntryDebrisType(const char* name)
{
    static const DebrisName names[] = {{"ytg", DEBRIS_YTG}, {"ice", DEBRIS_ICE}, {"lava", DEBRIS_LAVA}};
    return DebrisTypeOf(name, names);
}

int LevelDebrisType(const char* name)
{
    static const DebrisName names[] = {{"ice", DEBRIS_ICE}, {"lava", DEBRIS_LAVA}, {"crystal", DEBRIS_CRYSTAL}};
    return DebrisTypeOf(name, names);
}
