#pragma once

#include <cstddef>

#include "foundation/base/Name.h"
#include "foundation/lua/LuaTypes.h"

class VirtualMachine;

// A counted handle to one table of a VirtualMachine: each valid handle holds its own registry
// reference (the handle on the table of globals, reference LUA_GLOBALS_PSEUDO, holds none).
// Members are read and written raw, by string key or by integer index, and every operation
// leaves the stack as it found it. Getters fill their output only when the member has the
// right type.
class Table
{
public:
    Table() = default;
    Table(const Table& other);
    Table& operator=(const Table& other);
    virtual ~Table();

    void Invalidate();
    bool IsValid() const;
    int GetRef() const { return _ref; }
    VirtualMachine* GetVM() const { return _vm; }

    bool HasMember(const char* key) const;
    bool HasMember(int index) const;

    // Numbers convert with truncation toward zero for the integer types.
    bool GetNumber(const char* key, double& out) const;
    bool GetNumber(const char* key, float& out) const;
    bool GetNumber(const char* key, int& out) const;
    bool GetNumber(const char* key, unsigned int& out) const;
    bool GetNumber(const char* key, unsigned short& out) const;
    bool GetNumber(const char* key, unsigned char& out) const;
    bool GetNumber(int index, double& out) const;
    bool GetNumber(int index, float& out) const;
    bool GetNumber(int index, int& out) const;
    bool GetNumber(int index, unsigned int& out) const;
    bool GetNumber(int index, unsigned short& out) const;
    bool GetNumber(int index, unsigned char& out) const;
    bool GetBool(const char* key, bool& out) const;
    bool GetBool(int index, bool& out) const;
    // Copies the string into `buffer` of `size` bytes, always terminated; a longer string is
    // cut to fit and a warning is logged. A number is not a string.
    bool GetString(const char* key, char* buffer, size_t size) const;
    bool GetString(int index, char* buffer, size_t size) const;
    bool GetTable(const char* key, Table& out) const;
    bool GetTable(int index, Table& out) const;
    bool GetCFunction(const char* key, LuaCFunction& out) const;
    bool GetCFunction(int index, LuaCFunction& out) const;
    // True for light and full user data.
    bool GetUserData(const char* key, void*& out) const;
    bool GetUserData(int index, void*& out) const;

    void SetNumber(const char* key, double value);
    void SetNumber(const char* key, float value);
    void SetNumber(const char* key, int value);
    void SetNumber(const char* key, unsigned int value);
    void SetNumber(const char* key, unsigned short value);
    void SetNumber(const char* key, unsigned char value);
    void SetNumber(int index, double value);
    void SetNumber(int index, float value);
    void SetNumber(int index, int value);
    void SetNumber(int index, unsigned int value);
    void SetNumber(int index, unsigned short value);
    void SetNumber(int index, unsigned char value);
    void SetBool(const char* key, bool value);
    void SetBool(int index, bool value);
    void SetString(const char* key, const char* text);
    void SetString(const char* key, const char* data, size_t length);
    void SetString(int index, const char* text);
    void SetString(int index, const char* data, size_t length);
    void SetTable(const char* key, const Table& table);
    void SetTable(int index, const Table& table);
    void SetLightUserData(const char* key, void* pointer);
    void SetLightUserData(int index, void* pointer);
    // Stores a new block of `size` bytes, filled from `pointer` when it is not null.
    void SetFullUserData(const char* key, size_t size, const void* pointer);
    void SetFullUserData(int index, size_t size, const void* pointer);
    // Assigns with metamethods.
    void SetCFunction(const char* key, LuaCFunction function);
    void SetCFunction(int index, LuaCFunction function);
    void Remove(const char* key);
    void Remove(int index);

    // A type code of LuaTypes.h (9 for a member table with elements).
    int GetMemberType(const char* key) const;
    int GetMemberType(int index) const;
    // The element count, or -1 when the handle does not refer to a table.
    int GetArraySize() const;

    void SetGlobalName(Name name) const;
    void RemGlobalName(Name name) const;
    void SetMetatable(const Table& metatable);
    bool GetMetatable(Table& out) const;

    // Pushes the function member and its self table (this handle's when `selfRef` is negative)
    // and returns true; false, with the stack unchanged, when the member is not a function.
    bool BeginCallFunction(const char* name, int selfRef = -1) const;
    bool BeginCallFunction(const char* name, const Table& self) const;
    // Calls with `arguments` + 1 values. Both forms run protected: the protected form returns
    // the status and leaves the error text on the stack; the other one logs the error, leaves
    // `results` nils in place of the results and returns the status.
    int EndCallFunction(int arguments, int results, bool protectedCall) const;
    // Calls a function member with no arguments and no results; true when it was a function and
    // was called (an error it raised is logged).
    bool CallProcedure(const char* name, int selfRef = -1) const;
    bool CallProcedure(const char* name, const Table& self) const;

private:
    friend class VirtualMachine;
    friend class TableIterator;

    // Adopts a registry reference of `vm`.
    Table(VirtualMachine* vm, int ref) : _vm(vm), _ref(ref) {}

    // Pushes the table and returns true, or pushes nothing and returns false.
    bool Push() const;
    // Pushes the member raw and returns true (the table stays below it), or pushes nothing.
    bool PushMember(const char* key) const;
    bool PushMember(int index) const;
    void PushKey(const char* key) const;
    void PushKey(int index) const;
    // Stores the value that `pushValue(lua_State*)` pushes under the key.
    template <typename Key, typename PushValue>
    void Store(Key key, PushValue pushValue) const;
    int TakeRef() const;

    VirtualMachine* _vm = nullptr;
    int _ref = -1;
};
