#include "foundation/lua/VirtualMachine.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "foundation/base/Assert.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Path.h"
#include "foundation/lua/DataParser.h"
#include "foundation/lua/LuaStack.h"
#include "foundation/lua/Table.h"

namespace {
// Reads a whole file of at most `limit` bytes; Windows text mode turned its line ends into "\n",
// so this does too. False when it cannot be read or, with `tooLarge`, is larger.
bool ReadTextFile(const std::string& path, size_t limit, std::string& out, bool& tooLarge)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    tooLarge = false;
    if (!file)
        return false;
    char block[65536];
    size_t count;
    while (out.size() <= limit && (count = std::fread(block, 1, sizeof block, file)) > 0)
        out.append(block, count);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return false;
    tooLarge = out.size() > limit;
    if (tooLarge)
        return false;
    size_t write = 0;
    for (size_t read = 0; read < out.size(); ++read)
    {
        if (out[read] == '\r' && read + 1 < out.size() && out[read + 1] == '\n')
            continue;
        out[write++] = out[read];
    }
    out.resize(write);
    return true;
}

// A limit of Lua 5.1 that the checker leaves to it ("function or expression too complex") is
// reported in the data language's form: the token quoted as `x' and named as written.
void QuoteAsDataLanguage(lua_State* L)
{
    size_t length = 0;
    const char* text = lua_tolstring(L, -1, &length);
    if (!text)
        return;
    std::string_view message(text, length);
    size_t near = message.rfind(" near '");
    if (near == std::string_view::npos || !message.ends_with('\''))
        return;
    std::string_view token = message.substr(near + 7, message.size() - near - 8);
    if (token == "~=")
        token = "!=";
    else if (token == "nil")
        token = "NULL";
    else if (token == "__nil")
        token = "nil";
    std::string quoted(message.substr(0, near));
    quoted.append(" near `").append(token).append("'");
    lua_pop(L, 1);
    lua_pushlstring(L, quoted.data(), quoted.size());
}

// Instructions between two looks at the budget.
constexpr int BudgetStep = 1000;
// A collection that gives back less than this is the last one after a run hit the memory bound.
constexpr size_t LeastGivenBack = 64u << 10;

int Panic(lua_State* L)
{
    const char* message = lua_tostring(L, -1);
    std::fprintf(stderr, "PANIC: unprotected error in call to Lua API (%s)\n", message ? message : "?");
    return 0;
}
} // namespace

// What the current run of script code may still take, and the memory the state holds; the
// state's allocator data.
struct VirtualMachine::Budget
{
    long left = 0;
    int runs = 0;    // nested runs share the outermost one's budget
    size_t used = 0; // bytes

    // The interpreter's allocator. While script code runs, a block that would take the state past
    // its bound is refused, which fails the run with the interpreter's memory error.
    static void* Allocate(void* data, void* block, size_t oldSize, size_t size)
    {
        auto* budget = static_cast<Budget*>(data);
        if (size == 0)
        {
            std::free(block);
            budget->used -= oldSize;
            return nullptr;
        }
        if (size > oldSize && budget->runs > 0 && budget->used - oldSize + size > MemoryLimit)
            return nullptr;
        void* moved = std::realloc(block, size);
        if (moved)
            budget->used = budget->used - oldSize + size;
        return moved;
    }
};

// One run of script code: the budget is counted from its start, and a run that spends it stops
// with a script error at the next instruction count.
class VirtualMachine::Run
{
public:
    explicit Run(VirtualMachine& vm) : _state(vm._state), _budget(*vm._budget)
    {
        if (_budget.runs++ > 0)
            return;
        _budget.left = InstructionBudget;
        lua_sethook(_state, Count, LUA_MASKCOUNT, BudgetStep);
    }
    ~Run()
    {
        if (--_budget.runs == 0)
            lua_sethook(_state, nullptr, 0, 0);
    }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

private:
    static void Count(lua_State* L, lua_Debug*)
    {
        void* data = nullptr;
        lua_getallocf(L, &data);
        auto* budget = static_cast<Budget*>(data);
        budget->left -= BudgetStep;
        if (budget->left >= 0)
            return;
        luaL_where(L, 0); // the script that runs, where the hook stopped it
        lua_pushliteral(L, "the script ran too long and was stopped");
        lua_concat(L, 2);
        lua_error(L);
    }

    lua_State* _state;
    Budget& _budget;
};

VirtualMachine::VirtualMachine() : _budget(std::make_unique<Budget>())
{
    _state = lua_newstate(Budget::Allocate, _budget.get());
    if (!_state)
        ExecRuntimeAssert("_state", nullptr, __FILE__, __LINE__, "cannot create the script interpreter");
    lua_atpanic(_state, Panic);
}

VirtualMachine::~VirtualMachine()
{
    lua_settop(_state, 0);
    lua_close(_state);
    _state = nullptr;
}

int VirtualMachine::ExecFile(const char* path)
{
    std::string text;
    std::string chunkName = std::string("@") + path;
    bool tooLarge = false;
    if (!ReadTextFile(ResolvePath(path), MemoryLimit, text, tooLarge))
    {
        lua_pushfstring(_state, tooLarge ? "%s is larger than a data file may be" : "cannot read %s", path);
        return Report(LUA_ERRFILE);
    }
    return Exec(text.data(), text.size(), chunkName.c_str());
}

int VirtualMachine::ExecBuffer(const char* data, size_t size) { return Exec(data, size, ""); }

int VirtualMachine::ExecString(const char* text) { return Exec(text, std::strlen(text), text); }

// The translation and the compiled chunk are about as large as the text, so a text past the
// memory bound is refused before either is made; compiling counts against the bound as running does.
int VirtualMachine::Exec(const char* data, size_t size, const char* chunkName)
{
    const char* where = chunkName[0] == '@' ? chunkName + 1 : nullptr;
    if (size > MemoryLimit)
    {
        lua_pushfstring(_state, "%s is larger than a data file may be", where ? where : "the script");
        return Report(LUA_ERRFILE);
    }
    std::string source;
    std::string error;
    if (!DataParser::Translate(data, size, chunkName, source, error))
    {
        lua_pushlstring(_state, error.data(), error.size());
        return Report(LUA_ERRSYNTAX);
    }
    lua_checkstack(_state, 2);
    int status = 0;
    {
        Run run(*this);
        status = luaL_loadbuffer(_state, source.data(), source.size(), chunkName);
        if (status == LUA_ERRSYNTAX)
            QuoteAsDataLanguage(_state);
        else if (status == 0)
        {
            lua_pushcfunction(_state, DataForIn);
            status = lua_pcall(_state, 1, LUA_MULTRET, 0);
        }
    }
    AfterRun(status, where);
    return Report(status);
}

void VirtualMachine::AfterRun(int status, const char* where)
{
    if (status != LUA_ERRMEM)
        return;
    lua_pop(_state, 1);
    for (size_t before = SIZE_MAX; _budget->used + LeastGivenBack < before;)
    {
        before = _budget->used;
        lua_gc(_state, LUA_GCCOLLECT, 0);
    }
    lua_pushfstring(_state, "%s%sthe script took more than %d MB of memory and was stopped", where ? where : "",
                    where ? ": " : "", static_cast<int>(MemoryLimit >> 20));
}

int VirtualMachine::Report(int status)
{
    if (status != 0)
    {
        const char* message = lua_tostring(_state, -1);
        if (!message)
            message = "(error object is not a string)";
        std::fprintf(stderr, "%s\n", message);
        Dumper::Instance().Print(DUMP_ERROR, "%s\n", message);
        lua_pop(_state, 1);
    }
    return EngineStatus(status);
}

int VirtualMachine::GetTop() const { return lua_gettop(_state); }
void VirtualMachine::SetTop(int index) { lua_settop(_state, MapIndex(index)); }
void VirtualMachine::Pop(int count) { lua_pop(_state, count); }
void VirtualMachine::PushValue(int index)
{
    lua_checkstack(_state, 1);
    lua_pushvalue(_state, MapIndex(index));
}
void VirtualMachine::Remove(int index) { lua_remove(_state, MapIndex(index)); }
void VirtualMachine::Insert(int index) { lua_insert(_state, MapIndex(index)); }
void VirtualMachine::Replace(int index) { lua_replace(_state, MapIndex(index)); }

void VirtualMachine::PushNil()
{
    lua_checkstack(_state, 1);
    lua_pushnil(_state);
}
void VirtualMachine::PushBool(bool value)
{
    lua_checkstack(_state, 1);
    lua_pushboolean(_state, value);
}
void VirtualMachine::PushNumber(double value)
{
    lua_checkstack(_state, 1);
    lua_pushnumber(_state, value);
}
void VirtualMachine::PushString(const char* text)
{
    lua_checkstack(_state, 1);
    lua_pushstring(_state, text);
}
void VirtualMachine::PushString(const char* data, size_t length)
{
    lua_checkstack(_state, 1);
    lua_pushlstring(_state, data, length);
}
void VirtualMachine::PushLightUserData(void* pointer)
{
    lua_checkstack(_state, 1);
    lua_pushlightuserdata(_state, pointer);
}
void VirtualMachine::PushFullUserData(size_t size, const void* pointer)
{
    lua_checkstack(_state, 1);
    void* block = lua_newuserdata(_state, size);
    if (pointer && size > 0)
        std::memcpy(block, pointer, size);
}
void VirtualMachine::PushCFunction(LuaCFunction function, int upvalues)
{
    lua_checkstack(_state, 1);
    lua_pushcclosure(_state, function, upvalues);
}
void VirtualMachine::PushTable(int ref)
{
    if (ref >= 0)
    {
        lua_checkstack(_state, 1);
        lua_rawgeti(_state, LUA_REGISTRYINDEX, ref);
    }
}

bool VirtualMachine::IsNil(int index) const { return lua_isnil(_state, MapIndex(index)); }
bool VirtualMachine::IsBool(int index) const { return lua_isboolean(_state, MapIndex(index)); }
bool VirtualMachine::IsNumber(int index) const { return lua_isnumber(_state, MapIndex(index)); }
bool VirtualMachine::IsString(int index) const { return lua_isstring(_state, MapIndex(index)); }
bool VirtualMachine::IsTable(int index) const { return lua_istable(_state, MapIndex(index)); }
bool VirtualMachine::IsFunction(int index) const { return lua_isfunction(_state, MapIndex(index)); }
bool VirtualMachine::IsCFunction(int index) const { return lua_iscfunction(_state, MapIndex(index)); }
bool VirtualMachine::IsLightUserData(int index) const { return lua_islightuserdata(_state, MapIndex(index)); }
bool VirtualMachine::IsFullUserData(int index) const { return lua_type(_state, MapIndex(index)) == LUA_TUSERDATA; }
bool VirtualMachine::IsEqual(int index1, int index2) const
{
    return lua_equal(_state, MapIndex(index1), MapIndex(index2));
}
bool VirtualMachine::IsLess(int index1, int index2) const
{
    return lua_lessthan(_state, MapIndex(index1), MapIndex(index2));
}

int VirtualMachine::GetType(int index) const { return EngineType(_state, MapIndex(index)); }

const char* VirtualMachine::GetTypeName(int type)
{
    static const char* const names[] = {"nil",   "boolean",  "userdata", "number", "string",
                                        "table", "function", "userdata", "thread", "table"};
    if (type == LUA_TYPE_NONE)
        return "no value";
    if (type < 0 || type > LUA_TYPE_ARRAY)
        return "unknown";
    return names[type];
}

size_t VirtualMachine::GetStringLength(int index) const { return lua_objlen(_state, MapIndex(index)); }

int VirtualMachine::GetTableSize(int index) const
{
    int absolute = MapIndex(index);
    if (absolute < 0 && absolute > LUA_REGISTRYINDEX)
        absolute = lua_gettop(_state) + absolute + 1;
    if (!lua_istable(_state, absolute))
        return -1;
    lua_checkstack(_state, 2);
    return CountElements(_state, absolute);
}

double VirtualMachine::ToNumber(int index) const { return lua_tonumber(_state, MapIndex(index)); }
bool VirtualMachine::ToBool(int index) const { return lua_toboolean(_state, MapIndex(index)); }
const char* VirtualMachine::ToString(int index) const { return lua_tostring(_state, MapIndex(index)); }
void* VirtualMachine::ToUserData(int index) const { return lua_touserdata(_state, MapIndex(index)); }
LuaCFunction VirtualMachine::ToCFunction(int index) const { return lua_tocfunction(_state, MapIndex(index)); }

void VirtualMachine::NewTable()
{
    lua_checkstack(_state, 1);
    lua_newtable(_state);
}
void VirtualMachine::GetTable(int index) { lua_gettable(_state, MapIndex(index)); }
void VirtualMachine::SetTable(int index) { lua_settable(_state, MapIndex(index)); }
void VirtualMachine::GetTableRaw(int index) { lua_rawget(_state, MapIndex(index)); }
void VirtualMachine::SetTableRaw(int index) { lua_rawset(_state, MapIndex(index)); }
void VirtualMachine::GetTableRawi(int index, int n)
{
    lua_checkstack(_state, 1);
    lua_rawgeti(_state, MapIndex(index), n);
}
void VirtualMachine::SetTableRawi(int index, int n) { lua_rawseti(_state, MapIndex(index), n); }
void VirtualMachine::GetGlobal(const char* name)
{
    lua_checkstack(_state, 1);
    lua_getglobal(_state, name);
}
void VirtualMachine::SetGlobal(const char* name) { lua_setglobal(_state, name); }
bool VirtualMachine::GetMematable(int index)
{
    lua_checkstack(_state, 1);
    return lua_getmetatable(_state, MapIndex(index)) != 0;
}
bool VirtualMachine::SetMetatable(int index) { return lua_setmetatable(_state, MapIndex(index)) != 0; }

int VirtualMachine::DoRef(bool lock)
{
    if (!lock)
    {
        lua_pushliteral(_state, "unlocked references are obsolete");
        lua_error(_state);
    }
    return luaL_ref(_state, LUA_REGISTRYINDEX);
}

void VirtualMachine::DoUnref(int ref) { luaL_unref(_state, LUA_REGISTRYINDEX, ref); }

void VirtualMachine::GetRef(int ref)
{
    lua_checkstack(_state, 1);
    if (ref == LUA_GLOBALS_PSEUDO)
        lua_pushvalue(_state, LUA_GLOBALSINDEX);
    else
        lua_rawgeti(_state, LUA_REGISTRYINDEX, ref);
}

int VirtualMachine::ToTable(int index)
{
    PushValue(index);
    return luaL_ref(_state, LUA_REGISTRYINDEX);
}

// An error thrown out of an unprotected call would end the process through the panic function,
// so the plain call is protected too; its failure is logged and the results stand in as nils.
int VirtualMachine::Call(int arguments, int results)
{
    int status = 0;
    {
        Run run(*this);
        status = lua_pcall(_state, arguments, results, 0);
    }
    AfterRun(status);
    if (status == 0)
        return LUA_STATUS_OK;
    const char* message = lua_tostring(_state, -1);
    Dumper::Instance().Print(DUMP_ERROR, "%s\n", message ? message : "script error");
    lua_pop(_state, 1);
    if (results > 0)
    {
        lua_checkstack(_state, results);
        for (int i = 0; i < results; ++i)
            lua_pushnil(_state);
    }
    return EngineStatus(status);
}

int VirtualMachine::ProtectedCall(int arguments, int results)
{
    int status = 0;
    {
        Run run(*this);
        status = lua_pcall(_state, arguments, results, 0);
    }
    AfterRun(status);
    return EngineStatus(status);
}

int VirtualMachine::GetGCCount() const { return lua_gc(_state, LUA_GCCOUNT, 0); }

int VirtualMachine::GetGCThreshold() const
{
    // The interpreter paces itself; without a threshold of ours report where it would collect.
    if (_gcThreshold == 0)
        return 2 * GetGCCount();
    return static_cast<int>(_gcThreshold / 1024);
}

void VirtualMachine::SetGCThreshold(int kilobytes)
{
    _gcThreshold = kilobytes > 0 ? static_cast<size_t>(kilobytes) * 1024 : 0;
    if (kilobytes <= GetGCCount())
        lua_gc(_state, LUA_GCCOLLECT, 0);
}

LuaCFunction VirtualMachine::SetPanicFunction(LuaCFunction function) { return lua_atpanic(_state, function); }

Table VirtualMachine::GetRegistry() { return Table(this, LUA_GLOBALS_PSEUDO); }

Table VirtualMachine::GetGlobalTable(Name name)
{
    lua_checkstack(_state, 1);
    lua_getglobal(_state, name.Str());
    if (!lua_istable(_state, -1))
    {
        lua_pop(_state, 1);
        return Table();
    }
    return Table(this, luaL_ref(_state, LUA_REGISTRYINDEX));
}

Table VirtualMachine::CreateNewTable()
{
    lua_checkstack(_state, 1);
    lua_newtable(_state);
    return Table(this, luaL_ref(_state, LUA_REGISTRYINDEX));
}

Table VirtualMachine::GetIndexTable(int index) { return Table(this, ToTable(index)); }
