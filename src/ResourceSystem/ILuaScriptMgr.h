#pragma once
#include <memory>

#include "ResourceSystem/IResourceMgr.h"
#include "foundation/base/Name.h"

class Table;
class VirtualMachine;

// Base of managers whose resources are data-language scripts assigning one global table:
// the script runs in the manager's machine and the table is handed to OnParseEntryTable.
class ILuaScriptMgr : public IResourceMgr
{
public:
    explicit ILuaScriptMgr(Name table);
    ~ILuaScriptMgr() override;

    // Scripts have no header and no proxy of their own.
    void* OnQueryHeader(unsigned long& headerSize, const char* extension) override;
    IResource* OnCreateProxyResource(const ResourceInfo& info) override;
    // Runs the whole file; the resource of OnCreateResource(info) is returned even when the
    // script fails or assigns no table.
    IResource* OnCreateResource(const ResourceInfo& info, unsigned long dataSize) override;

    // The empty resource object the script fills.
    virtual IResource* OnCreateResource(const ResourceInfo& info) = 0;
    virtual bool OnParseEntryTable(Table table) = 0;

    // A new machine owned by the manager (an owned one is freed first).
    void CreateLuaVM();
    // Uses the caller's machine without owning it (an owned one is freed first).
    void SetLuaVM(VirtualMachine* machine);
    VirtualMachine* GetLuaVM() const { return _vm; }

private:
    Name _tableName;
    VirtualMachine* _vm = nullptr;
    std::unique_ptr<VirtualMachine> _ownedVM;
};
