#pragma once

#include <cstddef>
#include <memory>

#include "foundation/base/Name.h"
#include "foundation/lua/LuaTypes.h"

class Table;

// One interpreter state for data files: no library opened, no engine function registered.
// Offers the stack operations of the interpreter under the engine's names; stack indices are
// positive from the bottom, negative from the top, plus the two pseudo-indices of LuaTypes.h.
// It owns its state, so it can be neither copied nor moved; Tables of a machine must be
// released before it. Every run of script code (a chunk, a call) has an instruction budget and
// the state a memory bound: a script that runs away, or that would take more memory, is stopped
// with a script error, as a broken file fails, and what it took is given back.
class VirtualMachine
{
public:
    // Instructions one run may take: far above what the game's data files need (each runs in
    // well under a thousand), and a fraction of a second for a script that runs away.
    static constexpr long InstructionBudget = 10000000;
    // Bytes the state may hold while script code runs: the shipped data files take well under a
    // megabyte at most. Outside runs the engine's own small pushes are not refused.
    static constexpr size_t MemoryLimit = 64u << 20;

    VirtualMachine();
    ~VirtualMachine();
    VirtualMachine(const VirtualMachine&) = delete;
    VirtualMachine& operator=(const VirtualMachine&) = delete;

    lua_State* GetState() const { return _state; }

    // Run a chunk of the data language; 0 on success, else an eLuaStatus. The error text goes
    // to standard error and the log, and is not left on the stack.
    int ExecFile(const char* path);
    int ExecBuffer(const char* data, size_t size);
    int ExecString(const char* text);

    // Stack.
    int GetTop() const;
    void SetTop(int index);
    void Pop(int count = 1);
    void PushValue(int index);
    void Remove(int index);
    void Insert(int index);
    void Replace(int index);

    // Pushing.
    void PushNil();
    void PushBool(bool value);
    void PushNumber(double value);
    void PushString(const char* text);
    void PushString(const char* data, size_t length);
    void PushLightUserData(void* pointer);
    // A new user-data block of `size` bytes, filled from `pointer` when it is not null.
    void PushFullUserData(size_t size, const void* pointer);
    void PushCFunction(LuaCFunction function, int upvalues = 0);
    // The registry entry `ref` when it is 0 or more; nothing otherwise.
    void PushTable(int ref);

    // Tests and conversions.
    bool IsNil(int index) const;
    bool IsBool(int index) const;
    bool IsNumber(int index) const;
    bool IsString(int index) const;
    bool IsTable(int index) const;
    bool IsFunction(int index) const;
    bool IsCFunction(int index) const;
    bool IsLightUserData(int index) const;
    bool IsFullUserData(int index) const;
    bool IsEqual(int index1, int index2) const;
    bool IsLess(int index1, int index2) const;
    int GetType(int index) const;
    static const char* GetTypeName(int type);
    size_t GetStringLength(int index) const;
    // The element count: a numeric field "n" when there is one, else the number of
    // consecutive integer keys from 1; -1 when the value is not a table.
    int GetTableSize(int index) const;
    double ToNumber(int index) const;
    bool ToBool(int index) const;
    const char* ToString(int index) const;
    void* ToUserData(int index) const;
    LuaCFunction ToCFunction(int index) const;

    // Tables.
    void NewTable();
    void GetTable(int index);
    void SetTable(int index);
    void GetTableRaw(int index);
    void SetTableRaw(int index);
    void GetTableRawi(int index, int n);
    void SetTableRawi(int index, int n);
    void GetGlobal(const char* name);
    void SetGlobal(const char* name);
    // Pushes the metatable and returns true, or pushes nothing and returns false.
    bool GetMematable(int index);
    bool SetMetatable(int index);

    // References into the registry. DoRef(false) raises the script error
    // "unlocked references are obsolete", so it may only run inside a protected call.
    int DoRef(bool lock);
    void DoUnref(int ref);
    // Pushes the referenced value, or the table of globals for LUA_GLOBALS_PSEUDO.
    void GetRef(int ref);
    // A new reference to (a copy of) the value at `index`.
    int ToTable(int index);

    // Calls the function below its `arguments` on the stack; both return the status. Call logs
    // a failure and leaves `results` nils in place of the results; ProtectedCall leaves the
    // error object on the stack, as the interpreter does.
    int Call(int arguments, int results);
    int ProtectedCall(int arguments, int results);

    // Collector (kilobytes) and errors.
    int GetGCCount() const;
    int GetGCThreshold() const;
    void SetGCThreshold(int kilobytes);
    LuaCFunction SetPanicFunction(LuaCFunction function);

    // Handles; all four leave the stack as they found it.
    Table GetRegistry(); // the table of globals, despite the name
    Table GetGlobalTable(Name name);
    Table CreateNewTable();
    Table GetIndexTable(int index);

private:
    int Exec(const char* data, size_t size, const char* chunkName);
    // Logs a failure and takes its message off the stack.
    int Report(int status);
    // After a run: one stopped at the memory bound gives its memory back at once, and its error
    // (which has no place of its own) names `where`, when given, and the bound.
    void AfterRun(int status, const char* where = nullptr);

    struct Budget;
    class Run;

    std::unique_ptr<Budget> _budget; // the state's allocator data
    lua_State* _state = nullptr;
    size_t _gcThreshold = 0; // bytes; 0 lets the collector choose
};
