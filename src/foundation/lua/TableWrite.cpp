// Table: setters, globals, metatables and calls.
#include <cstring>

#include "foundation/base/Dumper.h"
#include "foundation/lua/LuaStack.h"
#include "foundation/lua/StackGuard.h"
#include "foundation/lua/Table.h"
#include "foundation/lua/VirtualMachine.h"

template <typename Key, typename PushValue>
void Table::Store(Key key, PushValue pushValue) const
{
    if (!_vm)
        return;
    StackGuard guard(_vm);
    if (!Push())
        return;
    lua_State* L = _vm->GetState();
    PushKey(key);
    pushValue(L);
    lua_rawset(L, -3);
}

namespace {
auto Number(double value)
{
    return [value](lua_State* L) { lua_pushnumber(L, value); };
}
} // namespace

void Table::SetNumber(const char* key, double value) { Store(key, Number(value)); }
void Table::SetNumber(const char* key, float value) { Store(key, Number(value)); }
void Table::SetNumber(const char* key, int value) { Store(key, Number(value)); }
void Table::SetNumber(const char* key, unsigned int value) { Store(key, Number(value)); }
void Table::SetNumber(const char* key, unsigned short value) { Store(key, Number(value)); }
void Table::SetNumber(const char* key, unsigned char value) { Store(key, Number(value)); }
void Table::SetNumber(int index, double value) { Store(index, Number(value)); }
void Table::SetNumber(int index, float value) { Store(index, Number(value)); }
void Table::SetNumber(int index, int value) { Store(index, Number(value)); }
void Table::SetNumber(int index, unsigned int value) { Store(index, Number(value)); }
void Table::SetNumber(int index, unsigned short value) { Store(index, Number(value)); }
void Table::SetNumber(int index, unsigned char value) { Store(index, Number(value)); }

void Table::SetBool(const char* key, bool value)
{
    Store(key, [value](lua_State* L) { lua_pushboolean(L, value); });
}
void Table::SetBool(int index, bool value)
{
    Store(index, [value](lua_State* L) { lua_pushboolean(L, value); });
}

void Table::SetString(const char* key, const char* text)
{
    Store(key, [text](lua_State* L) { lua_pushstring(L, text); });
}
void Table::SetString(const char* key, const char* data, size_t length)
{
    Store(key, [data, length](lua_State* L) { lua_pushlstring(L, data, length); });
}
void Table::SetString(int index, const char* text)
{
    Store(index, [text](lua_State* L) { lua_pushstring(L, text); });
}
void Table::SetString(int index, const char* data, size_t length)
{
    Store(index, [data, length](lua_State* L) { lua_pushlstring(L, data, length); });
}

namespace {
auto TableValue(const Table& table)
{
    return [&table](lua_State* L) {
        // Another machine's table, or the globals handle, cannot be stored: store nil.
        if (table.GetRef() >= 0)
            lua_rawgeti(L, LUA_REGISTRYINDEX, table.GetRef());
        else
            lua_pushnil(L);
    };
}
} // namespace

void Table::SetTable(const char* key, const Table& table)
{
    if (table.GetVM() == _vm)
        Store(key, TableValue(table));
}
void Table::SetTable(int index, const Table& table)
{
    if (table.GetVM() == _vm)
        Store(index, TableValue(table));
}

void Table::SetLightUserData(const char* key, void* pointer)
{
    Store(key, [pointer](lua_State* L) { lua_pushlightuserdata(L, pointer); });
}
void Table::SetLightUserData(int index, void* pointer)
{
    Store(index, [pointer](lua_State* L) { lua_pushlightuserdata(L, pointer); });
}

namespace {
auto UserDataBlock(size_t size, const void* pointer)
{
    return [size, pointer](lua_State* L) {
        void* block = lua_newuserdata(L, size);
        if (pointer && size > 0)
            std::memcpy(block, pointer, size);
    };
}
} // namespace

void Table::SetFullUserData(const char* key, size_t size, const void* pointer)
{
    Store(key, UserDataBlock(size, pointer));
}
void Table::SetFullUserData(int index, size_t size, const void* pointer) { Store(index, UserDataBlock(size, pointer)); }

namespace {
// Assignment with metamethods runs protected: a metamethod's error is logged, not fatal.
int SetWithMetamethods(lua_State* L)
{
    lua_settable(L, 1);
    return 0;
}
} // namespace

void Table::SetCFunction(const char* key, LuaCFunction function)
{
    if (!_vm)
        return;
    StackGuard guard(_vm);
    lua_State* L = _vm->GetState();
    lua_checkstack(L, 4);
    lua_pushcfunction(L, SetWithMetamethods);
    if (!Push())
        return;
    lua_pushstring(L, key);
    lua_pushcfunction(L, function);
    if (lua_pcall(L, 3, 0, 0) != 0)
        Dumper::Instance().Print(DUMP_ERROR, "%s\n", lua_tostring(L, -1));
}

void Table::SetCFunction(int index, LuaCFunction function)
{
    if (!_vm)
        return;
    StackGuard guard(_vm);
    lua_State* L = _vm->GetState();
    lua_checkstack(L, 4);
    lua_pushcfunction(L, SetWithMetamethods);
    if (!Push())
        return;
    lua_pushinteger(L, index);
    lua_pushcfunction(L, function);
    if (lua_pcall(L, 3, 0, 0) != 0)
        Dumper::Instance().Print(DUMP_ERROR, "%s\n", lua_tostring(L, -1));
}

void Table::Remove(const char* key)
{
    Store(key, [](lua_State* L) { lua_pushnil(L); });
}
void Table::Remove(int index)
{
    Store(index, [](lua_State* L) { lua_pushnil(L); });
}

// --- Globals and metatables ------------------------------------------------------------------

void Table::SetGlobalName(Name name) const
{
    if (!_vm)
        return;
    StackGuard guard(_vm);
    if (!Push())
        return;
    lua_setglobal(_vm->GetState(), name.Str());
}

void Table::RemGlobalName(Name name) const
{
    if (!_vm)
        return;
    lua_State* L = _vm->GetState();
    lua_checkstack(L, 1);
    lua_pushnil(L);
    lua_setglobal(L, name.Str());
}

void Table::SetMetatable(const Table& metatable)
{
    if (!_vm || metatable.GetVM() != _vm)
        return;
    StackGuard guard(_vm);
    if (!Push() || !metatable.Push())
        return;
    lua_setmetatable(_vm->GetState(), -2);
}

bool Table::GetMetatable(Table& out) const
{
    if (!_vm)
        return false;
    StackGuard guard(_vm);
    lua_State* L = _vm->GetState();
    if (!Push() || !lua_getmetatable(L, -1))
        return false;
    out.Invalidate();
    out._ref = luaL_ref(L, LUA_REGISTRYINDEX);
    out._vm = _vm;
    return true;
}

// --- Calls -----------------------------------------------------------------------------------

bool Table::BeginCallFunction(const char* name, int selfRef) const
{
    if (!_vm)
        return false;
    lua_State* L = _vm->GetState();
    int top = lua_gettop(L);
    if (!PushMember(name))
        return false;
    lua_remove(L, -2); // the table
    if (!lua_isfunction(L, -1))
    {
        lua_settop(L, top);
        return false;
    }
    _vm->GetRef(selfRef < 0 ? _ref : selfRef);
    return true;
}

bool Table::BeginCallFunction(const char* name, const Table& self) const
{
    return BeginCallFunction(name, self.GetRef());
}

int Table::EndCallFunction(int arguments, int results, bool protectedCall) const
{
    if (!_vm)
        return LUA_STATUS_RUNTIME;
    if (protectedCall)
        return _vm->ProtectedCall(arguments + 1, results);
    return _vm->Call(arguments + 1, results);
}

bool Table::CallProcedure(const char* name, int selfRef) const
{
    if (!BeginCallFunction(name, selfRef))
        return false;
    EndCallFunction(0, 0, false); // a failure is logged there
    return true;
}

bool Table::CallProcedure(const char* name, const Table& self) const { return CallProcedure(name, self.GetRef()); }
