#include "foundation/lua/TableIterator.h"

#include "foundation/lua/LuaStack.h"
#include "foundation/lua/VirtualMachine.h"

TableIterator::TableIterator(const Table& table) : _ref(table.GetRef()), _vm(table.GetVM()) {}

void TableIterator::Begin()
{
    _index = 0;
    _result = 0;
    if (!_vm || (_ref < 0 && _ref != LUA_GLOBALS_PSEUDO))
        return;
    lua_State* L = _vm->GetState();
    lua_checkstack(L, 4);
    _vm->GetRef(_ref);
    if (!lua_istable(L, -1))
    {
        lua_pop(L, 1);
        return;
    }
    _index = lua_gettop(L);
    lua_pushnil(L);
    Step();
}

void TableIterator::Step() { _result = lua_next(_vm->GetState(), _index); }

bool TableIterator::End()
{
    if (_result)
        return true;
    if (_index)
    {
        // The walk is over: only the table is left.
        lua_settop(_vm->GetState(), _index - 1);
        _index = 0;
    }
    return false;
}

void TableIterator::Next()
{
    if (!_result)
        return;
    lua_State* L = _vm->GetState();
    lua_settop(L, _index + 1); // keep the key
    Step();
}

const char* TableIterator::GetVarName() const
{
    if (!_result)
        return nullptr;
    lua_State* L = _vm->GetState();
    return lua_type(L, _index + 1) == LUA_TSTRING ? lua_tostring(L, _index + 1) : nullptr;
}

int TableIterator::GetVarIndex() const
{
    if (!_result)
        return 0;
    lua_State* L = _vm->GetState();
    if (lua_type(L, _index + 1) != LUA_TNUMBER)
        return 0;
    return static_cast<int>(TruncateNumber(lua_tonumber(L, _index + 1)));
}

int TableIterator::GetKeyType() const { return _result ? lua_type(_vm->GetState(), _index + 1) : LUA_TYPE_NONE; }

double TableIterator::GetKeyNumber() const
{
    return GetKeyType() == LUA_TYPE_NUMBER ? lua_tonumber(_vm->GetState(), _index + 1) : 0.0;
}

bool TableIterator::GetKeyBool() const
{
    return GetKeyType() == LUA_TYPE_BOOLEAN && lua_toboolean(_vm->GetState(), _index + 1);
}

int TableIterator::GetVarType() const { return _result ? EngineType(_vm->GetState(), _index + 2) : LUA_TYPE_NONE; }

double TableIterator::ToNumber() const { return _result ? lua_tonumber(_vm->GetState(), _index + 2) : 0.0; }

bool TableIterator::ToBool() const { return _result && lua_toboolean(_vm->GetState(), _index + 2); }

const char* TableIterator::ToString() const
{
    if (!_result)
        return nullptr;
    lua_State* L = _vm->GetState();
    return lua_tostring(L, _index + 2);
}

Table TableIterator::ToTable() const
{
    if (!_result)
        return Table();
    lua_State* L = _vm->GetState();
    lua_checkstack(L, 1);
    lua_pushvalue(L, _index + 2);
    return Table(_vm, luaL_ref(L, LUA_REGISTRYINDEX));
}
