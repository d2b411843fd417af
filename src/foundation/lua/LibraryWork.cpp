#include "foundation/lua/LibraryWork.h"

#include <climits>

#include <lua.hpp>

void ChargeSteps(lua_State* L, double steps)
{
    auto charge = *static_cast<ChargeWork*>(lua_touserdata(L, lua_upvalueindex(1)));
    charge(L, steps < double(LONG_MAX) ? long(steps) : LONG_MAX);
}

void BoundLibraryWork(lua_State* L, ChargeWork charge)
{
    *static_cast<ChargeWork*>(lua_newuserdata(L, sizeof(ChargeWork))) = charge;
    BoundTableWork(L);
    BoundStringWork(L);
    BoundStringFormat(L);
    BoundBaseWork(L);
    lua_pop(L, 1);
}

void ReplaceCharged(lua_State* L, const char* library, const char* name, int (*function)(lua_State*), bool keepsOwn)
{
    if (library)
        lua_getglobal(L, library);
    else
        lua_pushvalue(L, LUA_GLOBALSINDEX);
    if (!lua_istable(L, -1))
    {
        lua_pop(L, 1);
        return;
    }
    lua_getfield(L, -1, name);
    if (!lua_isfunction(L, -1))
    {
        lua_pop(L, 2);
        return;
    }
    if (keepsOwn)
    {
        lua_pushvalue(L, -3); // the charge, below the library
        lua_insert(L, -2);
    }
    else
    {
        lua_pop(L, 1);
        lua_pushvalue(L, -2);
    }
    lua_pushcclosure(L, function, keepsOwn ? 2 : 1);
    lua_setfield(L, -2, name);
    lua_pop(L, 1);
}
