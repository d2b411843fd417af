#include "foundation/lua/DataParser.h"

#include <lua.hpp>

int DataForIn(lua_State* L)
{
    lua_settop(L, 3);
    if (lua_istable(L, 1))
    {
        // The table becomes the state; the generator is whatever the globals call "next".
        lua_pushvalue(L, 1);
        lua_replace(L, 2);
        lua_pushliteral(L, "next");
        lua_rawget(L, LUA_GLOBALSINDEX);
        lua_replace(L, 1);
    }
    return 3;
}
