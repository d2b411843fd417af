#include "game/ai/LevelLogic.h"

#include "foundation/base/Dumper.h"
#include "foundation/lua/Table.h"
#include "foundation/lua/VirtualMachine.h"
#include "game/core/game/Game.h"

void LevelLogic::Initialize(const char* file)
{
    VirtualMachine* vm = game.GetVirtualMachine();
    if (!vm || !file)
        return;
    Table logic = vm->CreateNewTable();
    logic.SetGlobalName(Name("LevelLogic"));
    if (vm->ExecFile(file) != 0)
        Dumper::Instance().Print(DUMP_ERROR, "LevelLogic: unable to run \"%s\"\n", file);
}

GlobalLevelTarget* LevelLogic::AddGlobalTarget()
{
    _targets.push_back(std::make_unique<GlobalLevelTarget>());
    return _targets.back().get();
}

GlobalLevelTarget* LevelLogic::GetGlobalTarget(unsigned index) const
{
    return index < _targets.size() ? _targets[index].get() : nullptr;
}
