#include "foundation/lua/Table.h"

#include <cstring>

#include "foundation/base/Dumper.h"
#include "foundation/lua/LuaStack.h"
#include "foundation/lua/StackGuard.h"
#include "foundation/lua/VirtualMachine.h"

namespace {
// Light or full user data on top (a light one may hold a null pointer).
bool IsUserData(lua_State* L)
{
    int type = lua_type(L, -1);
    return type == LUA_TLIGHTUSERDATA || type == LUA_TUSERDATA;
}

template <typename Key, typename Integer>
bool GetInteger(const Table& table, Key key, Integer& out)
{
    double value;
    if (!table.GetNumber(key, value))
        return false;
    out = static_cast<Integer>(TruncateNumber(value));
    return true;
}
} // namespace

Table::Table(const Table& other)
{
    if (other.IsValid())
    {
        _vm = other._vm;
        _ref = other.TakeRef();
    }
}

Table& Table::operator=(const Table& other)
{
    if (this == &other || !other.IsValid())
        return *this;
    int ref = other.TakeRef();
    Invalidate();
    _vm = other._vm;
    _ref = ref;
    return *this;
}

Table::~Table() { Invalidate(); }

void Table::Invalidate()
{
    if (_vm && _ref >= 0)
        _vm->DoUnref(_ref);
    _ref = -1;
}

bool Table::IsValid() const { return _vm && (_ref >= 0 || _ref == LUA_GLOBALS_PSEUDO); }

int Table::TakeRef() const
{
    if (_ref == LUA_GLOBALS_PSEUDO)
        return LUA_GLOBALS_PSEUDO;
    lua_State* L = _vm->GetState();
    lua_checkstack(L, 1);
    lua_rawgeti(L, LUA_REGISTRYINDEX, _ref);
    return luaL_ref(L, LUA_REGISTRYINDEX);
}

bool Table::Push() const
{
    if (!IsValid())
        return false;
    lua_State* L = _vm->GetState();
    lua_checkstack(L, 4);
    _vm->GetRef(_ref);
    if (lua_istable(L, -1))
        return true;
    lua_pop(L, 1);
    return false;
}

bool Table::PushMember(const char* key) const
{
    if (!Push())
        return false;
    lua_State* L = _vm->GetState();
    lua_pushstring(L, key);
    lua_rawget(L, -2);
    return true;
}

bool Table::PushMember(int index) const
{
    if (!Push())
        return false;
    lua_rawgeti(_vm->GetState(), -1, index);
    return true;
}

void Table::PushKey(const char* key) const { lua_pushstring(_vm->GetState(), key); }

void Table::PushKey(int index) const { lua_pushinteger(_vm->GetState(), index); }

// --- Getters ---------------------------------------------------------------------------------

bool Table::HasMember(const char* key) const
{
    if (!_vm)
        return false;
    StackGuard guard(_vm);
    return PushMember(key) && !lua_isnil(_vm->GetState(), -1);
}

bool Table::HasMember(int index) const
{
    if (!_vm)
        return false;
    StackGuard guard(_vm);
    return PushMember(index) && !lua_isnil(_vm->GetState(), -1);
}

bool Table::GetNumber(const char* key, double& out) const
{
    if (!_vm)
        return false;
    StackGuard guard(_vm);
    if (!PushMember(key) || lua_type(_vm->GetState(), -1) != LUA_TNUMBER)
        return false;
    out = lua_tonumber(_vm->GetState(), -1);
    return true;
}

bool Table::GetNumber(int index, double& out) const
{
    if (!_vm)
        return false;
    StackGuard guard(_vm);
    if (!PushMember(index) || lua_type(_vm->GetState(), -1) != LUA_TNUMBER)
        return false;
    out = lua_tonumber(_vm->GetState(), -1);
    return true;
}

bool Table::GetNumber(const char* key, float& out) const
{
    double value;
    if (!GetNumber(key, value))
        return false;
    out = static_cast<float>(value);
    return true;
}

bool Table::GetNumber(int index, float& out) const
{
    double value;
    if (!GetNumber(index, value))
        return false;
    out = static_cast<float>(value);
    return true;
}

bool Table::GetNumber(const char* key, int& out) const { return GetInteger(*this, key, out); }
bool Table::GetNumber(const char* key, unsigned int& out) const { return GetInteger(*this, key, out); }
bool Table::GetNumber(const char* key, unsigned short& out) const { return GetInteger(*this, key, out); }
bool Table::GetNumber(const char* key, unsigned char& out) const { return GetInteger(*this, key, out); }
bool Table::GetNumber(int index, int& out) const { return GetInteger(*this, index, out); }
bool Table::GetNumber(int index, unsigned int& out) const { return GetInteger(*this, index, out); }
bool Table::GetNumber(int index, unsigned short& out) const { return GetInteger(*this, index, out); }
bool Table::GetNumber(int index, unsigned char& out) const { return GetInteger(*this, index, out); }

bool Table::GetBool(const char* key, bool& out) const
{
    if (!_vm)
        return false;
    StackGuard guard(_vm);
    if (!PushMember(key) || !lua_isboolean(_vm->GetState(), -1))
        return false;
    out = lua_toboolean(_vm->GetState(), -1);
    return true;
}

bool Table::GetBool(int index, bool& out) const
{
    if (!_vm)
        return false;
    StackGuard guard(_vm);
    if (!PushMember(index) || !lua_isboolean(_vm->GetState(), -1))
        return false;
    out = lua_toboolean(_vm->GetState(), -1);
    return true;
}

namespace {
bool CopyString(lua_State* L, char* buffer, size_t size, const char* key, int index)
{
    if (lua_type(L, -1) != LUA_TSTRING || !buffer || size == 0)
        return false;
    size_t length = 0;
    const char* text = lua_tolstring(L, -1, &length);
    if (length >= size)
    {
        if (key)
            Dumper::Instance().Print(DUMP_WARNING, "Script string \"%s\" cut to %zu characters\n", key, size - 1);
        else
            Dumper::Instance().Print(DUMP_WARNING, "Script string [%d] cut to %zu characters\n", index, size - 1);
        length = size - 1;
    }
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return true;
}
} // namespace

bool Table::GetString(const char* key, char* buffer, size_t size) const
{
    if (!_vm)
        return false;
    StackGuard guard(_vm);
    return PushMember(key) && CopyString(_vm->GetState(), buffer, size, key, 0);
}

bool Table::GetString(int index, char* buffer, size_t size) const
{
    if (!_vm)
        return false;
    StackGuard guard(_vm);
    return PushMember(index) && CopyString(_vm->GetState(), buffer, size, nullptr, index);
}

bool Table::GetTable(const char* key, Table& out) const
{
    if (!_vm)
        return false;
    StackGuard guard(_vm);
    if (!PushMember(key) || !lua_istable(_vm->GetState(), -1))
        return false;
    out.Invalidate();
    out._ref = luaL_ref(_vm->GetState(), LUA_REGISTRYINDEX);
    out._vm = _vm;
    return true;
}

bool Table::GetTable(int index, Table& out) const
{
    if (!_vm)
        return false;
    StackGuard guard(_vm);
    if (!PushMember(index) || !lua_istable(_vm->GetState(), -1))
        return false;
    out.Invalidate();
    out._ref = luaL_ref(_vm->GetState(), LUA_REGISTRYINDEX);
    out._vm = _vm;
    return true;
}

bool Table::GetCFunction(const char* key, LuaCFunction& out) const
{
    if (!_vm)
        return false;
    StackGuard guard(_vm);
    if (!PushMember(key) || !lua_iscfunction(_vm->GetState(), -1))
        return false;
    out = lua_tocfunction(_vm->GetState(), -1);
    return true;
}

bool Table::GetCFunction(int index, LuaCFunction& out) const
{
    if (!_vm)
        return false;
    StackGuard guard(_vm);
    if (!PushMember(index) || !lua_iscfunction(_vm->GetState(), -1))
        return false;
    out = lua_tocfunction(_vm->GetState(), -1);
    return true;
}

bool Table::GetUserData(const char* key, void*& out) const
{
    if (!_vm)
        return false;
    StackGuard guard(_vm);
    if (!PushMember(key) || !IsUserData(_vm->GetState()))
        return false;
    out = lua_touserdata(_vm->GetState(), -1);
    return true;
}

bool Table::GetUserData(int index, void*& out) const
{
    if (!_vm)
        return false;
    StackGuard guard(_vm);
    if (!PushMember(index) || !IsUserData(_vm->GetState()))
        return false;
    out = lua_touserdata(_vm->GetState(), -1);
    return true;
}

int Table::GetMemberType(const char* key) const
{
    if (!_vm)
        return LUA_TYPE_NONE;
    StackGuard guard(_vm);
    if (!PushMember(key))
        return LUA_TYPE_NONE;
    return EngineType(_vm->GetState(), -1);
}

int Table::GetMemberType(int index) const
{
    if (!_vm)
        return LUA_TYPE_NONE;
    StackGuard guard(_vm);
    if (!PushMember(index))
        return LUA_TYPE_NONE;
    return EngineType(_vm->GetState(), -1);
}

int Table::GetArraySize() const
{
    if (!_vm)
        return -1;
    StackGuard guard(_vm);
    if (!Push())
        return -1;
    lua_State* L = _vm->GetState();
    return CountElements(L, lua_gettop(L));
}
