#include "ResourceSystem/ILuaScriptMgr.h"

#include <memory>
#include <vector>

#include "foundation/base/Dumper.h"
#include "foundation/lua/Table.h"
#include "foundation/lua/VirtualMachine.h"

ILuaScriptMgr::ILuaScriptMgr(Name table) : _tableName(table) {}

ILuaScriptMgr::~ILuaScriptMgr() = default;

void* ILuaScriptMgr::OnQueryHeader(unsigned long& headerSize, const char*)
{
    headerSize = 0;
    return nullptr;
}

IResource* ILuaScriptMgr::OnCreateProxyResource(const ResourceInfo&) { return INVALID_RES_HANDLE; }

IResource* ILuaScriptMgr::OnCreateResource(const ResourceInfo& info, unsigned long dataSize)
{
    IResource* resource = OnCreateResource(info);
    if (!_vm || dataSize == 0)
        return resource;
    std::vector<char> script(dataSize);
    unsigned long got = ReadNextChunk(0, script.data(), dataSize);
    bool ran = _vm->ExecBuffer(script.data(), got) == 0;
    // The interpreter's message has no file name: a buffer has none.
    if (!ran)
        Dumper::Instance().Print(DUMP_ERROR, "Script \"%s\" does not run; it is not used\n", info.name);
    Table table = _vm->GetGlobalTable(_tableName);
    if (table.IsValid())
    {
        if (ran)
            OnParseEntryTable(table);
        // A script that failed after assigning the table must not hand it to the next one.
        table.RemGlobalName(_tableName);
    }
    return resource;
}

void ILuaScriptMgr::CreateLuaVM()
{
    _ownedVM.reset();
    _ownedVM = std::make_unique<VirtualMachine>();
    _vm = _ownedVM.get();
}

void ILuaScriptMgr::SetLuaVM(VirtualMachine* machine)
{
    _ownedVM.reset();
    _vm = machine;
}
