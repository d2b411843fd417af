#pragma once

// The interpreter types the binding's interface names, without the interpreter's headers.
struct lua_State;
using LuaCFunction = int (*)(lua_State*);

// Pseudo-indices of the interface: the registry and the table of globals.
constexpr int LUA_REGISTRY_PSEUDO = -10000;
constexpr int LUA_GLOBALS_PSEUDO = -10001;

// Type codes as GetType returns them; 9 is a table with elements (a list).
enum eLuaType
{
    LUA_TYPE_NONE = -1,
    LUA_TYPE_NIL = 0,
    LUA_TYPE_BOOLEAN = 1,
    LUA_TYPE_LIGHTUSERDATA = 2,
    LUA_TYPE_NUMBER = 3,
    LUA_TYPE_STRING = 4,
    LUA_TYPE_TABLE = 5,
    LUA_TYPE_FUNCTION = 6,
    LUA_TYPE_USERDATA = 7,
    LUA_TYPE_THREAD = 8,
    LUA_TYPE_ARRAY = 9,
};

// Status codes of the Exec operations (0 is success).
enum eLuaStatus
{
    LUA_STATUS_OK = 0,
    LUA_STATUS_RUNTIME = 1,
    LUA_STATUS_FILE = 2,
    LUA_STATUS_SYNTAX = 3,
    LUA_STATUS_MEMORY = 4,
    LUA_STATUS_HANDLER = 5,
};
