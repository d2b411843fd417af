#include "platform/movie/MovieScript.h"

#include "foundation/base/Path.h"
#include "foundation/lua/DataParser.h"
#include "foundation/lua/LibraryWork.h"
#include "foundation/lua/PatternLimit.h"
#include "platform/movie/Canvas.h"
#include "platform/movie/MovieContext.h"
#include "platform/movie/MovieGroup.h"
#include "platform/movie/MovieLibrary.h"
#include "platform/movie/Paint.h"
#include "platform/movie/ScriptBudget.h"

#include <lua.hpp>

#include <fstream>
#include <iterator>

namespace movie {

namespace {

// Globals of the basic library a movie has no use for: files, chunks from text, modules,
// environments, coroutines and the collector.
const char* const kRemovedGlobals[] = {"dofile",    "loadfile",       "load",    "loadstring", "require",
                                       "module",    "getfenv",        "setfenv", "gcinfo",     "newproxy",
                                       "coroutine", "collectgarbage", "package", "print"};

struct SetupData
{
    MovieContext* context;
    Canvas* canvas;
    int* canvasRef;
};

int OpenLibraries(lua_State* L)
{
    const lua_CFunction openers[] = {luaopen_base, luaopen_table, luaopen_string, luaopen_math};
    for (lua_CFunction open : openers)
    {
        lua_pushcfunction(L, open);
        lua_call(L, 0, 0);
    }
    for (const char* name : kRemovedGlobals)
    {
        lua_pushnil(L);
        lua_setglobal(L, name);
    }
    BoundStringPatterns(L, ScriptBudget::Charge);
    BoundLibraryWork(L, ScriptBudget::Charge);
    ScriptBudget::GuardCatches(L);
    auto* setup = static_cast<SetupData*>(lua_touserdata(L, 1));
    RegisterMovieLibrary(L, *setup->context);
    RegisterPaint(L);
    Canvas::Register(L);
    setup->canvas->Push(L);
    *setup->canvasRef = luaL_ref(L, LUA_REGISTRYINDEX);
    return 0;
}

struct ChunkData
{
    const std::string* source;
    const std::string* name;
};

// Compiles translated source and runs it with the generic-for adjustment as its argument.
int ChunkTrampoline(lua_State* L)
{
    auto* data = static_cast<ChunkData*>(lua_touserdata(L, 1));
    if (luaL_loadbuffer(L, data->source->data(), data->source->size(), data->name->c_str()) != 0)
        return lua_error(L);
    lua_pushcfunction(L, DataForIn);
    lua_call(L, 1, 0);
    return 0;
}

void PushValue(lua_State* L, const Value& value)
{
    switch (value.type)
    {
    case Value::Boolean: lua_pushboolean(L, value.boolean); break;
    case Value::Number: lua_pushnumber(L, value.number); break;
    case Value::String: lua_pushlstring(L, value.text.data(), value.text.size()); break;
    default: lua_pushnil(L); break;
    }
}

bool ReadFile(const std::string& path, std::string& text, std::string& error)
{
    std::ifstream file(ResolvePath(path), std::ios::binary);
    if (!file)
    {
        error = "cannot be read";
        return false;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0 || size_t(size) > MovieScript::MaxScriptBytes)
    {
        error = "is larger than a movie may be";
        return false;
    }
    file.seekg(0);
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

struct CallData
{
    const std::string* name;
    const std::vector<Value>* args;
    Value* result;
    bool missing;
};

int CallTrampoline(lua_State* L)
{
    auto* data = static_cast<CallData*>(lua_touserdata(L, 1));
    lua_getglobal(L, data->name->c_str());
    if (!lua_isfunction(L, -1))
    {
        data->missing = true;
        return 0;
    }
    luaL_checkstack(L, int(data->args->size()) + 1, "too many arguments");
    for (const Value& value : *data->args)
        PushValue(L, value);
    lua_call(L, int(data->args->size()), 1);
    switch (lua_type(L, -1))
    {
    case LUA_TBOOLEAN: *data->result = Value::FromBool(lua_toboolean(L, -1)); break;
    case LUA_TNUMBER: *data->result = Value::FromNumber(lua_tonumber(L, -1)); break;
    case LUA_TSTRING:
    {
        size_t length = 0;
        const char* text = lua_tolstring(L, -1, &length);
        *data->result = Value::FromString(std::string(text, length));
        break;
    }
    default: *data->result = Value(); break;
    }
    return 0;
}

struct HandleData
{
    const char* name;
    std::initializer_list<double> args;
    int canvasRef; // the canvas instead of numbers, when 0 or more
};

int HandleTrampoline(lua_State* L)
{
    auto* data = static_cast<HandleData*>(lua_touserdata(L, 1));
    lua_getglobal(L, data->name);
    if (!lua_isfunction(L, -1))
        return 0;
    if (data->canvasRef >= 0)
    {
        lua_rawgeti(L, LUA_REGISTRYINDEX, data->canvasRef);
        lua_call(L, 1, 0);
        return 0;
    }
    for (double arg : data->args)
        lua_pushnumber(L, arg);
    lua_call(L, int(data->args.size()), 0);
    return 0;
}

struct FrameData
{
    double dt;
    int frame;
    double time;
};

int FrameTrampoline(lua_State* L)
{
    auto* data = static_cast<FrameData*>(lua_touserdata(L, 1));
    lua_getglobal(L, "movie");
    if (lua_istable(L, -1))
    {
        lua_pushnumber(L, data->frame);
        lua_setfield(L, -2, "frame");
        lua_pushnumber(L, data->time);
        lua_setfield(L, -2, "time");
    }
    lua_pop(L, 1);
    for (const char* name : {"__frame", "Update"})
    {
        lua_getglobal(L, name);
        if (lua_isfunction(L, -1))
        {
            lua_pushnumber(L, data->dt);
            lua_call(L, 1, 0);
        }
        else
        {
            lua_pop(L, 1);
        }
    }
    return 0;
}

int LengthTrampoline(lua_State* L)
{
    auto* length = static_cast<int*>(lua_touserdata(L, 1));
    lua_getglobal(L, "movie");
    if (lua_istable(L, -1))
    {
        lua_getfield(L, -1, "length");
        const double frames = lua_tonumber(L, -1);
        *length = frames >= 1.0 && frames < 1e9 ? int(frames) : 0;
    }
    return 0;
}

int LoopTrampoline(lua_State* L)
{
    const bool loop = *static_cast<bool*>(lua_touserdata(L, 1));
    lua_getglobal(L, "movie");
    if (lua_istable(L, -1))
    {
        lua_pushboolean(L, loop);
        lua_setfield(L, -2, "loop");
    }
    return 0;
}

} // namespace

std::unique_ptr<MovieScript> MovieScript::Load(MovieContext& context, Canvas& canvas, const std::string& path)
{
    const FrameShare::Figures share = context.group ? context.group->GetBounds().movie : MovieGroup::Bounds().movie;
    auto budget = std::make_unique<ScriptBudget>(share, context.group.get());
    lua_State* L = lua_newstate(ScriptBudget::Allocate, budget.get());
    if (!L)
    {
        context.Report("no memory for the script");
        return nullptr;
    }
    std::unique_ptr<MovieScript> script(new MovieScript(context, canvas, std::move(budget), L));
    if (!script->Setup(path))
        return nullptr;
    return script;
}

MovieScript::MovieScript(MovieContext& context, Canvas& canvas, std::unique_ptr<ScriptBudget> budget, lua_State* L)
    : _context(context), _canvas(canvas), _group(context.group), _budget(std::move(budget)), _L(L)
{
    _budget->Watch(_L);
    if (_group)
        _group->Join(*this);
}

MovieScript::~MovieScript()
{
    if (_group)
        _group->Leave(*this);
    if (_L)
    {
        _budget->Unwatch();
        lua_close(_L);
    }
}

// A script stopped for its budget (work, time, memory or its share of the frames) would run away
// again on every later call: from then on it is not entered at all. A call made while another
// runs (through the host) keeps the outer budget, and its time is the outer call's.
bool MovieScript::Protected(lua_CFunction function, void* data)
{
    if (_budget->IsSpent())
        return false;
    if (_running == 0)
    {
        const uint64_t frame = HostFrame();
        _budget->Refill(frame);
        if (_group)
            _group->Enter(frame);
    }
    if (_budget->IsSpent()) // past its share, or the group's, before this entry began
    {
        const double taken = _budget->Rest();
        if (_group)
            _group->Take(*this, taken);
        Tell(_budget->StopReason());
        CloseStopped();
        return false;
    }
    ++_running;
    const int status = lua_cpcall(_L, function, data);
    if (--_running == 0)
    {
        const double taken = _budget->Rest();
        if (_group)
            _group->Take(*this, taken);
    }
    if (status != 0)
    {
        size_t length = 0;
        const char* message = lua_tolstring(_L, -1, &length);
        Tell(message ? MovieContext::Excerpt(std::string_view(message, length)) : "an error without a message");
        lua_pop(_L, 1);
    }
    CloseStopped();
    return status == 0;
}

// A stop is told once, by the call nested deepest (through the host) where it happened.
void MovieScript::Tell(std::string report)
{
    if (_budget->IsSpent())
        report += "; the movie is stopped and draws nothing from now on";
    if (!_stopReported)
        _context.Report(report);
    _stopReported = _budget->IsSpent();
}

// The host's frame; without a host every entry is a frame of its own.
uint64_t MovieScript::HostFrame() { return _context.host ? _context.host->GetFrame() : ++_entries; }

bool MovieScript::IsStopped() const { return _budget->IsSpent(); }

void MovieScript::StopOverShare()
{
    _budget->StopOverShare();
    if (_running > 0)
        return;
    Tell(_budget->StopReason());
    CloseStopped();
}

void MovieScript::CollectGarbage()
{
    if (!_L)
        return;
    if (_running > 0)
        _budget->WantCollection();
    else
        _budget->CollectNow();
}

void MovieScript::CloseStopped()
{
    if (!_L || _running > 0 || !_budget->IsSpent())
        return;
    _budget->Unwatch();
    lua_close(_L);
    _L = nullptr;
}

// The libraries, the helpers, then the movie itself. Chunks are in the data language and are
// translated first; a generic "for" over a table needs the adjustment every chunk gets.
bool MovieScript::Setup(const std::string& path)
{
    SetupData setup{&_context, &_canvas, &_canvasRef};
    if (!Protected(OpenLibraries, &setup))
        return false;

    std::string source, error;
    if (!ReadFile(path, source, error))
    {
        _context.Report("the script \"" + path + "\" " + error);
        return false;
    }
    const std::pair<const char*, const std::string*> chunks[] = {{"=movie helpers", &MoviePrelude()},
                                                                 {nullptr, &source}};
    for (const auto& [chunk, text] : chunks)
    {
        const std::string chunkName = chunk ? chunk : "@" + _context.name;
        std::string translated;
        if (!DataParser::Translate(text->data(), text->size(), chunkName, translated, error))
        {
            _context.Report(error);
            return false;
        }
        ChunkData data{&translated, &chunkName};
        if (!Protected(ChunkTrampoline, &data))
            return false;
    }
    return true;
}

bool MovieScript::Call(const std::string& name, const std::vector<Value>& args, Value& result, bool& missing)
{
    CallData data{&name, &args, &result, false};
    const bool ok = Protected(CallTrampoline, &data);
    missing = data.missing;
    return ok && !missing;
}

void MovieScript::Handle(const char* name, std::initializer_list<double> args)
{
    HandleData data{name, args, -1};
    Protected(HandleTrampoline, &data);
}

bool MovieScript::Draw()
{
    HandleData data{"Draw", {}, _canvasRef};
    return Protected(HandleTrampoline, &data);
}

void MovieScript::Frame(double dt, int frame, double time)
{
    FrameData data{dt, frame, time};
    Protected(FrameTrampoline, &data);
}

int MovieScript::GetLength()
{
    int length = 0;
    Protected(LengthTrampoline, &length);
    return length;
}

void MovieScript::SetLoop(bool loop) { Protected(LoopTrampoline, &loop); }

} // namespace movie
