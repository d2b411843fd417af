// The binding: typed getters, type codes, handles, iteration, references and running chunks.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include <lua.hpp>

#include "foundation/lua/StackGuard.h"
#include "foundation/lua/Table.h"
#include "foundation/lua/TableIterator.h"
#include "foundation/lua/VirtualMachine.h"

namespace {
class Binding : public testing::Test
{
protected:
    Table Load(const char* source)
    {
        EXPECT_EQ(0, _vm.ExecString(source)) << source;
        return _vm.GetGlobalTable(Name("T"));
    }
    VirtualMachine _vm;
};

int Fails(lua_State*) { return 0; }

std::string ManyArguments(int count)
{
    std::string args = "1";
    for (int i = 1; i < count; ++i)
        args += ", 1";
    return args;
}
} // namespace

TEST_F(Binding, NumbersConvertByTruncationTowardZero)
{
    Table t = Load("T = { pos = 2.9, neg = -2.9, big = 300, minus = -1, text = \"5\", flag = true }");
    int i = 0;
    float f = 0;
    unsigned char c = 0;
    unsigned int u = 0;
    double d = 0;
    EXPECT_TRUE(t.GetNumber("pos", i));
    EXPECT_EQ(2, i);
    EXPECT_TRUE(t.GetNumber("pos", f));
    EXPECT_FLOAT_EQ(2.9f, f);
    EXPECT_TRUE(t.GetNumber("neg", i));
    EXPECT_EQ(-2, i);
    EXPECT_TRUE(t.GetNumber("big", c));
    EXPECT_EQ(44, c); // the low byte, as a store of the integer would keep
    EXPECT_TRUE(t.GetNumber("minus", u));
    EXPECT_EQ(0xFFFFFFFFu, u);

    // Mistyped or missing members leave the output untouched.
    d = 7;
    EXPECT_FALSE(t.GetNumber("text", d));
    EXPECT_FALSE(t.GetNumber("flag", d));
    EXPECT_FALSE(t.GetNumber("missing", d));
    EXPECT_EQ(7, d);
    bool b = false;
    EXPECT_FALSE(t.GetBool("pos", b));
    EXPECT_TRUE(t.GetBool("flag", b));
    EXPECT_TRUE(b);
}

TEST_F(Binding, StringsAreBoundedAndNumbersAreNotStrings)
{
    Table t = Load("T = { lang = \"english\", long = \"0123456789abcdef\", num = 5, [2] = \"two\" }");
    char buffer[8] = "keep";
    EXPECT_FALSE(t.GetString("num", buffer, sizeof buffer));
    EXPECT_STREQ("keep", buffer);
    EXPECT_TRUE(t.GetString("lang", buffer, sizeof buffer));
    EXPECT_STREQ("english", buffer);
    EXPECT_TRUE(t.GetString("long", buffer, sizeof buffer));
    EXPECT_STREQ("0123456", buffer);
    EXPECT_TRUE(t.GetString(2, buffer, sizeof buffer));
    EXPECT_STREQ("two", buffer);
    EXPECT_FALSE(t.GetString("lang", buffer, 0));
}

TEST_F(Binding, MemberTypesTellListsFromRecords)
{
    Table t = Load("T = { list = {1, 2}, rec = {a = 1}, empty = {}, counted = {n = 3}, negative = {n = -1, 5},"
                   " s = \"x\", f = function() end }");
    EXPECT_EQ(LUA_TYPE_ARRAY, t.GetMemberType("list"));
    EXPECT_EQ(LUA_TYPE_TABLE, t.GetMemberType("rec"));
    EXPECT_EQ(LUA_TYPE_TABLE, t.GetMemberType("empty"));
    EXPECT_EQ(LUA_TYPE_ARRAY, t.GetMemberType("counted"));
    EXPECT_EQ(LUA_TYPE_STRING, t.GetMemberType("s"));
    EXPECT_EQ(LUA_TYPE_FUNCTION, t.GetMemberType("f"));
    EXPECT_EQ(LUA_TYPE_NIL, t.GetMemberType("missing"));

    Table member;
    ASSERT_TRUE(t.GetTable("counted", member));
    EXPECT_EQ(3, member.GetArraySize());
    ASSERT_TRUE(t.GetTable("negative", member));
    EXPECT_EQ(1, member.GetArraySize());
    EXPECT_EQ(-1, Table().GetArraySize());
    EXPECT_STREQ("table", VirtualMachine::GetTypeName(LUA_TYPE_ARRAY));
    EXPECT_STREQ("no value", VirtualMachine::GetTypeName(LUA_TYPE_NONE));
    EXPECT_STREQ("unknown", VirtualMachine::GetTypeName(42));
}

TEST_F(Binding, HandlesCopyTheirReferences)
{
    Table copy;
    {
        Table first = Load("T = { v = 1 }");
        copy = first;
        first.Invalidate();
        EXPECT_FALSE(first.IsValid());
    }
    _vm.ExecString("T = NULL");
    lua_gc(_vm.GetState(), LUA_GCCOLLECT, 0);
    int v = 0;
    EXPECT_TRUE(copy.IsValid());
    EXPECT_TRUE(copy.GetNumber("v", v));
    EXPECT_EQ(1, v);

    Table assigned = copy;
    assigned = Table(); // assignment from an invalid handle changes nothing
    EXPECT_TRUE(assigned.IsValid());
    Table constructed(Table{});
    EXPECT_FALSE(constructed.IsValid());

    Table globals = _vm.GetRegistry();
    EXPECT_EQ(LUA_GLOBALS_PSEUDO, globals.GetRef());
    Table globalsCopy(globals);
    EXPECT_EQ(LUA_GLOBALS_PSEUDO, globalsCopy.GetRef());
    globals.SetNumber("G", 4);
    EXPECT_EQ(0, _vm.ExecString("T = { g = G }"));
    EXPECT_TRUE(_vm.GetGlobalTable(Name("T")).GetNumber("g", v));
    EXPECT_EQ(4, v);
}

TEST_F(Binding, SettersWriteRawMembers)
{
    Table t = _vm.CreateNewTable();
    t.SetNumber("n", 1.5);
    t.SetNumber(1, 10u);
    t.SetBool("b", true);
    t.SetString("s", "abc");
    t.SetString("z", "a\0b", 3);
    Table inner = _vm.CreateNewTable();
    inner.SetNumber("x", 3);
    t.SetTable("inner", inner);
    t.SetGlobalName(Name("T"));
    EXPECT_EQ(0, _vm.ExecString("r = T.n + T[1] + T.inner.x if T.b then r = r + 1 end"));
    _vm.GetGlobal("r");
    EXPECT_EQ(15.5, _vm.ToNumber(-1));
    _vm.Pop();
    EXPECT_EQ(LUA_TYPE_NUMBER, t.GetMemberType(1));
    // User data counts by type, also a light one holding a null pointer.
    int block = 7;
    void* pointer = &block;
    t.SetLightUserData("null", nullptr);
    EXPECT_TRUE(t.GetUserData("null", pointer));
    EXPECT_EQ(nullptr, pointer);
    t.SetFullUserData(2, sizeof block, &block);
    EXPECT_TRUE(t.GetUserData(2, pointer));
    EXPECT_EQ(7, *static_cast<int*>(pointer));
    EXPECT_FALSE(t.GetUserData("s", pointer));
    t.Remove("n");
    EXPECT_FALSE(t.HasMember("n"));
    EXPECT_TRUE(t.HasMember(1));
    t.RemGlobalName(Name("T"));
    EXPECT_FALSE(_vm.GetGlobalTable(Name("T")).IsValid());
    EXPECT_EQ(0, _vm.GetTop());
}

TEST_F(Binding, GlobalTableIsInvalidForNonTables)
{
    EXPECT_EQ(0, _vm.ExecString("N = 5 T = {}"));
    EXPECT_FALSE(_vm.GetGlobalTable(Name("N")).IsValid());
    EXPECT_FALSE(_vm.GetGlobalTable(Name("Missing")).IsValid());
    EXPECT_TRUE(_vm.GetGlobalTable(Name("T")).IsValid());
    EXPECT_EQ(0, _vm.GetTop());
}

TEST_F(Binding, IterationVisitsMembersAndRestoresTheStack)
{
    Table record = Load("T = { a = 1, b = \"x\" }");
    _vm.PushNumber(99);
    int height = _vm.GetTop();
    std::set<std::string> names;
    TableIterator it(record);
    for (it.Begin(); it.End(); it.Next())
        names.insert(it.GetVarName());
    EXPECT_EQ((std::set<std::string>{"a", "b"}), names);
    EXPECT_EQ(height, _vm.GetTop());

    Table list = Load("T = { 10, 20, {5} }");
    std::set<int> indices;
    double sum = 0;
    TableIterator walk(list);
    for (walk.Begin(); walk.End(); walk.Next())
    {
        indices.insert(walk.GetVarIndex());
        EXPECT_EQ(nullptr, walk.GetVarName());
        if (walk.GetVarType() == LUA_TYPE_ARRAY)
        {
            int first = 0;
            EXPECT_TRUE(walk.ToTable().GetNumber(1, first));
            sum += first;
        }
        else
            sum += walk.ToNumber();
    }
    EXPECT_EQ((std::set<int>{1, 2, 3}), indices);
    EXPECT_EQ(35, sum);
    EXPECT_EQ(height, _vm.GetTop());

    TableIterator none{Table()};
    none.Begin();
    EXPECT_FALSE(none.End());
    EXPECT_EQ(height, _vm.GetTop());
}

TEST_F(Binding, StackGuardRestoresTheHeight)
{
    _vm.PushNil();
    {
        StackGuard guard(&_vm);
        Table t = Load("T = { 1, 2, 3 }");
        TableIterator it(t);
        it.Begin(); // left early
        EXPECT_GT(_vm.GetTop(), 1);
    }
    EXPECT_EQ(1, _vm.GetTop());
}

TEST_F(Binding, PseudoIndicesAndReferences)
{
    _vm.PushValue(LUA_GLOBALS_PSEUDO);
    EXPECT_TRUE(_vm.IsTable(-1));
    _vm.Pop();
    _vm.PushNumber(5);
    _vm.SetGlobal("five");
    _vm.PushString("five");
    _vm.GetTableRaw(LUA_GLOBALS_PSEUDO);
    EXPECT_EQ(5, _vm.ToNumber(-1));
    _vm.Pop();

    _vm.PushString("kept");
    int ref = _vm.DoRef(true);
    EXPECT_GE(ref, 0);
    EXPECT_EQ(0, _vm.GetTop());
    _vm.GetRef(ref);
    EXPECT_STREQ("kept", _vm.ToString(-1));
    _vm.Pop();
    _vm.DoUnref(ref);
    _vm.GetRef(LUA_GLOBALS_PSEUDO);
    EXPECT_TRUE(_vm.IsTable(-1));
    _vm.Pop();

    _vm.NewTable();
    _vm.PushNumber(1);
    _vm.SetTableRawi(-2, 1);
    _vm.PushString("n");
    _vm.PushString("4"); // a count given as a numeric string still counts
    _vm.SetTableRaw(-3);
    EXPECT_EQ(4, _vm.GetTableSize(-1));
    EXPECT_EQ(LUA_TYPE_ARRAY, _vm.GetType(-1));
    _vm.Pop();
}

TEST_F(Binding, UnlockedReferencesRaiseAScriptError)
{
    auto unlocked = [](lua_State* L) -> int {
        auto* vm = static_cast<VirtualMachine*>(lua_touserdata(L, 1));
        vm->PushNil();
        vm->DoRef(false);
        return 0;
    };
    ASSERT_NE(0, lua_cpcall(_vm.GetState(), unlocked, &_vm));
    EXPECT_STREQ("unlocked references are obsolete", lua_tostring(_vm.GetState(), -1));
    _vm.Pop();
}

TEST_F(Binding, CallsFunctionMembersWithTheirSelf)
{
    Table t = Load("T = { v = 2 } function T:twice(x) return this.v * x end function T:broken() return NULL + 1 end");
    ASSERT_TRUE(t.BeginCallFunction("twice"));
    _vm.PushNumber(21);
    EXPECT_EQ(0, t.EndCallFunction(1, 1, true));
    EXPECT_EQ(42, _vm.ToNumber(-1));
    _vm.Pop();

    EXPECT_FALSE(t.BeginCallFunction("v"));
    EXPECT_EQ(0, _vm.GetTop());

    testing::internal::CaptureStdout();
    EXPECT_TRUE(t.CallProcedure("broken")); // called; its error is logged, not fatal
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStdout().find("attempt to perform arithmetic"));
    EXPECT_FALSE(t.CallProcedure("v"));
    EXPECT_EQ(0, _vm.GetTop());
    ASSERT_TRUE(t.BeginCallFunction("broken"));
    EXPECT_EQ(LUA_STATUS_RUNTIME, t.EndCallFunction(0, 1, true));
    EXPECT_TRUE(_vm.IsString(-1));
    _vm.Pop();

    // Any negative self reference, the globals' included, stands for the handle's own table.
    Table other = Load("T = { v = 5 }");
    for (int self : {-1, LUA_GLOBALS_PSEUDO, other.GetRef()})
    {
        ASSERT_TRUE(t.BeginCallFunction("twice", self));
        _vm.PushNumber(1);
        EXPECT_EQ(0, t.EndCallFunction(1, 1, true));
        EXPECT_EQ(self == other.GetRef() ? 5 : 2, _vm.ToNumber(-1)) << self;
        _vm.Pop();
    }

    t.SetCFunction("c", Fails);
    LuaCFunction function = nullptr;
    EXPECT_TRUE(t.GetCFunction("c", function));
    EXPECT_EQ(&Fails, function);
}

TEST_F(Binding, FailedChunksReportAndLeaveTheStackAlone)
{
    struct Case
    {
        std::string source;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {"x = = 1", LUA_STATUS_SYNTAX, "[string \"\"]:1: unexpected symbol near `='"},
        {"x = 1\ny = NULL .. 1", LUA_STATUS_RUNTIME, "[string \"\"]:2: attempt to concatenate"},
        {std::string("\x1bLuaQ\0\1\4\10\4\10\0", 12), LUA_STATUS_SYNTAX, "invalid control char near `char(27)'"},
        {"f = function() return f() + 1 end f()", LUA_STATUS_RUNTIME, "stack overflow"},
        // A register limit left to the interpreter still quotes its token the data language's way.
        {"x = f(" + ManyArguments(300) + ")", LUA_STATUS_SYNTAX,
         "[string \"\"]:1: function or expression too complex near `1'"},
    };
    for (const Case& c : cases)
    {
        _vm.PushNumber(1);
        testing::internal::CaptureStderr();
        testing::internal::CaptureStdout();
        EXPECT_EQ(c.status, _vm.ExecBuffer(c.source.data(), c.source.size())) << c.source;
        std::string errors = testing::internal::GetCapturedStderr();
        std::string log = testing::internal::GetCapturedStdout();
        EXPECT_NE(std::string::npos, errors.find(c.message)) << errors;
        EXPECT_NE(std::string::npos, log.find(c.message)) << log;
        EXPECT_EQ(1, _vm.GetTop());
        _vm.Pop();
    }
}

TEST_F(Binding, ExecFileNamesTheFileAndReadsWindowsLineEnds)
{
    const char* path = "binding_test_file.lua";
    {
        std::ofstream file(path, std::ios::binary);
        file << "T = { s = [[a\r\nb]] }\r\nx = missing.field\r\n";
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(LUA_STATUS_RUNTIME, _vm.ExecFile(path));
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStderr().find("binding_test_file.lua:3:"));
    char text[8];
    EXPECT_TRUE(_vm.GetGlobalTable(Name("T")).GetString("s", text, sizeof text));
    EXPECT_STREQ("a\nb", text);
    std::remove(path);

    testing::internal::CaptureStderr();
    EXPECT_EQ(LUA_STATUS_FILE, _vm.ExecFile("no_such_file.lua"));
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStderr().find("cannot read no_such_file.lua"));
    EXPECT_EQ(0, _vm.GetTop());
}

TEST_F(Binding, MachineCallsRunProtectedAndReportTheirStatus)
{
    EXPECT_EQ(0, _vm.ExecString("function add(a, b) return a + b end function bad() return NULL .. 1 end"));
    _vm.GetGlobal("add");
    _vm.PushNumber(2);
    _vm.PushNumber(3);
    EXPECT_EQ(0, _vm.Call(2, 1));
    EXPECT_EQ(5, _vm.ToNumber(-1));
    _vm.Pop();

    // A failing plain call is logged and its results stand in as nils; the process goes on.
    _vm.GetGlobal("bad");
    testing::internal::CaptureStdout();
    EXPECT_EQ(LUA_STATUS_RUNTIME, _vm.Call(0, 2));
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStdout().find("attempt to concatenate"));
    ASSERT_EQ(2, _vm.GetTop());
    EXPECT_TRUE(_vm.IsNil(-1) && _vm.IsNil(-2));
    _vm.SetTop(0);

    // The protected form hands the error object back on the stack.
    _vm.GetGlobal("bad");
    EXPECT_EQ(LUA_STATUS_RUNTIME, _vm.ProtectedCall(0, 1));
    ASSERT_EQ(1, _vm.GetTop());
    EXPECT_NE(std::string::npos, std::string(_vm.ToString(-1)).find("attempt to concatenate"));
    _vm.Pop();
    _vm.GetGlobal("add");
    _vm.PushNumber(1);
    _vm.PushNumber(1);
    EXPECT_EQ(0, _vm.ProtectedCall(2, 1));
    EXPECT_EQ(2, _vm.ToNumber(-1));
    _vm.Pop();
}

// A data script that runs away stops with a script error instead of hanging its reader; every
// run of a chunk or a call starts with the whole budget, and the machine goes on afterwards. The
// runaway loops end by themselves after four times the budget, so that without one the test
// fails at once instead of hanging.
TEST_F(Binding, ScriptsThatRunTooLongAreStopped)
{
    ASSERT_EQ(0, _vm.ExecString("function count(n) local i = 0 while i < n do i = i + 1 end return i end"));
    const double most = 1000000; // about four million instructions, well within the budget
    const double runaway = VirtualMachine::InstructionBudget; // about four budgets
    const std::string chunk = "local i = 0 while i < " + std::to_string(long(runaway)) + " do i = i + 1 end";
    // Each runs the script away and gives its status and error text: logged, or on the stack for
    // the protected call.
    struct Case
    {
        const char* what;
        std::function<int(std::string&)> run;
    };
    const Case cases[] = {
        {"a chunk", [&](std::string&) { return _vm.ExecString(chunk.c_str()); }},
        {"a call",
         [&](std::string&) {
             _vm.GetGlobal("count");
             _vm.PushNumber(runaway);
             return _vm.Call(1, 0);
         }},
        {"a protected call",
         [&](std::string& message) {
             _vm.GetGlobal("count");
             _vm.PushNumber(runaway);
             const int status = _vm.ProtectedCall(1, 0);
             if (status != 0)
             {
                 message = _vm.ToString(-1);
                 _vm.Pop();
             }
             return status;
         }},
    };
    for (const Case& c : cases)
    {
        std::string message;
        testing::internal::CaptureStderr();
        testing::internal::CaptureStdout();
        EXPECT_EQ(LUA_STATUS_RUNTIME, c.run(message)) << c.what;
        testing::internal::GetCapturedStderr();
        message += testing::internal::GetCapturedStdout();
        EXPECT_NE(std::string::npos, message.find(":1: the script ran too long")) << c.what << ": " << message;
        EXPECT_EQ(0, _vm.GetTop()) << c.what;
        for (int run = 0; run < 2; ++run)
        {
            _vm.GetGlobal("count");
            _vm.PushNumber(most);
            EXPECT_EQ(0, _vm.Call(1, 1)) << c.what << ": a long run within the budget, again and again";
            EXPECT_EQ(most, _vm.ToNumber(-1));
            _vm.Pop();
        }
    }
}

// A data script that would take the machine past its memory bound stops with a script error
// instead of taking the process's memory; the memory is given back at once, and the machine goes
// on with what it held before. The data language has no library, so no pcall can catch the error.
TEST_F(Binding, ScriptsPastTheMemoryBoundAreStopped)
{
    Table kept = Load("T = { name = 'kept' }\n"
                      "function double(n) local s = 'x' for i = 1, n do s = s .. s end return s end");
    const int before = _vm.GetGCCount();
    struct Case
    {
        const char* what;
        std::function<int(std::string&)> run;
    };
    const auto chunk = [&](const char* text) { return [&, text](std::string&) { return _vm.ExecString(text); }; };
    const Case cases[] = {
        {"a string doubled", chunk("local s = 'x' for i = 1, 40 do s = s .. s end")},
        {"a table of small tables", chunk("local t = {} for i = 1, 2000000 do t[i] = { i } end")},
        {"a table of named members", chunk("local t = {} for i = 1, 2000000 do t['member' .. i] = i end")},
        {"a table of long texts",
         chunk("local s = 'x' for i = 1, 20 do s = s .. s end local t = {} for i = 1, 200 do t[i] = s .. i end")},
        {"a call",
         [&](std::string&) {
             _vm.GetGlobal("double");
             _vm.PushNumber(40);
             return _vm.Call(1, 1);
         }},
        {"a protected call",
         [&](std::string& message) {
             _vm.GetGlobal("double");
             _vm.PushNumber(40);
             const int status = _vm.ProtectedCall(1, 1);
             if (status != 0)
             {
                 message = _vm.ToString(-1);
                 _vm.Pop();
             }
             return status;
         }},
    };
    const char* const stopped = "the script took more than 64 MB of memory and was stopped";
    for (const Case& c : cases)
    {
        std::string message;
        testing::internal::CaptureStderr();
        testing::internal::CaptureStdout();
        const int status = c.run(message);
        testing::internal::GetCapturedStderr();
        message += testing::internal::GetCapturedStdout(); // the log
        EXPECT_EQ(LUA_STATUS_MEMORY, status) << c.what;
        EXPECT_NE(std::string::npos, message.find(stopped)) << c.what << ": " << message;
        _vm.SetTop(0); // the call's stand-in result
        EXPECT_LT(_vm.GetGCCount(), before + 1024) << c.what << ": the memory is given back";

        // The machine goes on: what it held is there, and a run that takes a good part of the
        // bound, again and again, is not refused for what the stopped one left.
        char name[8] = "";
        EXPECT_TRUE(kept.GetString("name", name, sizeof name)) << c.what;
        EXPECT_STREQ("kept", name);
        for (int run = 0; run < 3; ++run)
        {
            _vm.GetGlobal("double");
            _vm.PushNumber(24); // a text of 16 MB, made through 40 MB of copies
            EXPECT_EQ(0, _vm.Call(1, 1)) << c.what << ": run " << run;
            EXPECT_EQ(size_t(16) << 20, _vm.GetStringLength(-1));
            _vm.Pop();
        }
    }

    // A text larger than the bound is not compiled at all.
    const std::string large((VirtualMachine::MemoryLimit) + 1, ' ');
    testing::internal::CaptureStderr();
    EXPECT_EQ(LUA_STATUS_FILE, _vm.ExecBuffer(large.data(), large.size()));
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStderr().find("larger than a data file may be"));
}

TEST_F(Binding, MetatablesReachTheirMembersThroughTheHandles)
{
    Table base = Load("T = { kind = 'base' } function T:describe() return this.kind .. '!' end");
    Table derived = _vm.CreateNewTable();
    Table meta = _vm.CreateNewTable();
    meta.SetTable("__index", base);
    Table none;
    EXPECT_FALSE(derived.GetMetatable(none));
    derived.SetMetatable(meta);

    Table got;
    ASSERT_TRUE(derived.GetMetatable(got));
    Table index;
    ASSERT_TRUE(got.GetTable("__index", index));
    char kind[8] = "";
    EXPECT_TRUE(index.GetString("kind", kind, sizeof kind));
    EXPECT_STREQ("base", kind);

    // Getters read raw members, so inherited ones are not seen; a script sees them.
    EXPECT_FALSE(derived.HasMember("kind"));
    derived.SetGlobalName(Name("D"));
    EXPECT_EQ(0, _vm.ExecString("r = D:describe()"));
    _vm.GetGlobal("r");
    EXPECT_STREQ("base!", _vm.ToString(-1));
    _vm.Pop();

    // The machine's own metatable operations see the same table.
    _vm.PushTable(derived.GetRef());
    ASSERT_TRUE(_vm.GetMematable(-1));
    _vm.PushTable(meta.GetRef());
    EXPECT_TRUE(_vm.IsEqual(-1, -2));
    _vm.SetTop(0);
    _vm.NewTable();
    EXPECT_FALSE(_vm.GetMematable(-1));
    _vm.PushTable(meta.GetRef());
    EXPECT_TRUE(_vm.SetMetatable(-2));
    _vm.PushString("kind");
    _vm.GetTable(-2); // with metamethods
    EXPECT_STREQ("base", _vm.ToString(-1));
    _vm.SetTop(0);
}

TEST_F(Binding, StackValuesBecomeHandlesAndReferences)
{
    Table t = Load("T = { v = 7 }");
    _vm.PushTable(t.GetRef());
    _vm.PushTable(-1); // a negative reference pushes nothing
    _vm.PushTable(LUA_GLOBALS_PSEUDO);
    ASSERT_EQ(1, _vm.GetTop());

    Table handle = _vm.GetIndexTable(-1);
    EXPECT_EQ(1, _vm.GetTop());
    EXPECT_NE(t.GetRef(), handle.GetRef());
    int v = 0;
    EXPECT_TRUE(handle.GetNumber("v", v));
    EXPECT_EQ(7, v);

    int ref = _vm.ToTable(1);
    EXPECT_EQ(1, _vm.GetTop());
    _vm.Pop();
    _vm.GetRef(ref);
    _vm.PushString("v");
    _vm.GetTableRaw(-2);
    EXPECT_EQ(7, _vm.ToNumber(-1));
    _vm.SetTop(0);
    _vm.DoUnref(ref);

    // A handle made from a stack value keeps its table alive on its own.
    t.RemGlobalName(Name("T"));
    t.Invalidate();
    lua_gc(_vm.GetState(), LUA_GCCOLLECT, 0);
    EXPECT_TRUE(handle.GetNumber("v", v));
}
