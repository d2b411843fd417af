// The bounded string and table functions: the same answers and errors as the interpreter's own
// library, a pattern length limit, and their work charged to a budget.
#include <gtest/gtest.h>

#include <string>

#include <lua.hpp>

#include "foundation/lua/LibraryWork.h"
#include "foundation/lua/PatternLimit.h"
#include "foundation/lua/VirtualMachine.h"

namespace {

long gLeft = 0;    // the budget of the bounded state
long gSpent = 0;   // what it was charged
long gCharges = 0; // in how many charges

long Charge(lua_State* L, long steps)
{
    ++gCharges;
    gSpent += steps;
    gLeft -= steps;
    if (gLeft < 0)
        luaL_error(L, "the budget is spent");
    return gLeft;
}

// Opens the libraries; with a non-null argument the bounded functions replace the library's.
int OpenLibraries(lua_State* L)
{
    const bool bounded = lua_touserdata(L, 1) != nullptr;
    for (lua_CFunction open : {luaopen_base, luaopen_string, luaopen_table})
    {
        lua_pushcfunction(L, open);
        lua_call(L, 0, 0);
    }
    if (bounded)
    {
        BoundStringPatterns(L, Charge);
        BoundLibraryWork(L, Charge);
    }
    return 0;
}

class BoundedLibrary : public testing::Test
{
protected:
    void SetUp() override
    {
        _library = luaL_newstate();
        _bounded = luaL_newstate();
        ASSERT_EQ(0, lua_cpcall(_library, OpenLibraries, nullptr));
        ASSERT_EQ(0, lua_cpcall(_bounded, OpenLibraries, this));
        gLeft = 100000000;
        gSpent = 0;
    }
    void TearDown() override
    {
        lua_close(_library);
        lua_close(_bounded);
    }

    // "ok" or "error", then each result as type:value, of `return <expression>`.
    static std::string Run(lua_State* L, const std::string& expression)
    {
        const std::string chunk = "return " + expression;
        std::string out;
        const int status = luaL_loadbuffer(L, chunk.data(), chunk.size(), "=case") || lua_pcall(L, 0, LUA_MULTRET, 0);
        out = status == 0 ? "ok" : "error";
        for (int i = 1; i <= lua_gettop(L); ++i)
        {
            out += std::string(" ") + luaL_typename(L, i) + ":";
            size_t length = 0;
            if (const char* text =
                    lua_isboolean(L, i) ? (lua_toboolean(L, i) ? "true" : "false") : lua_tolstring(L, i, &length))
                out += lua_isboolean(L, i) ? std::string(text) : std::string(text, length);
        }
        lua_settop(L, 0);
        return out;
    }

    lua_State* _library = nullptr;
    lua_State* _bounded = nullptr;
};

} // namespace

// Every case runs in a state with the interpreter's library and in one with the bounded
// functions: results, captures, positions and error texts must agree.
TEST_F(BoundedLibrary, AnswersAndErrorsAreTheLibrarys)
{
    const char* const cases[] = {
        // find: plain text, positions, anchors, captures
        "('hello world'):find('o w')",
        "('hello world'):find('o', 6)",
        "('hello'):find('l', -2)",
        "('hello'):find('', 10)",
        "('hello'):find('', 6)",
        "('hello'):find('xyz', 1, true)",
        "('a.b'):find('.', 1, true)",
        "('a+b'):find('+', 1, true)",
        "('abc'):find('b', -100)",
        "('abc'):find('b', 2.7)",
        "string.find(12345, 34)",
        "('%a'):find('%a', 1, true)",
        "('hello'):find('(l)(l)')",
        "('hello'):find('()ll()')",
        "('  x'):find('^%s*')",
        "('abc'):find('^b')",
        "('abc'):find('c$')",
        "('a$c'):find('$c')",
        "('aaa'):find('a-', 2)",
        "('a b'):find('%S+', 2)",
        // classes, sets, frontiers, balances, back references
        "('THE (quick) fox'):find('%((%a+)%)')",
        "('f(a(b)c)d'):find('%b()')",
        "('f(a(b'):find('%b()')",
        "('THE quick'):find('%f[%a]%a+', 4)",
        "('THE'):find('%f[%z]')",
        "('a\\0b'):find('%z')",
        "('a\\0b'):match('.(.)')",
        "('h\\195\\169llo'):find('[\\128-\\255]+')",
        "('[x]'):match('[%[%]]+')",
        "('a]b'):match('[]]')",
        "('x^y'):match('[%^]')",
        "('abc'):match('[^a]+')",
        "('abcxyz{'):match('[a-z]+')",
        "('z'):find('[a-z]')",
        "('y z'):gsub('[x-z]', '.')",
        "('AZ09az'):gsub('[A-Z0-9]', '_')",
        "('Zz'):match('[^a-y]+')",
        "('a-z'):match('[a-]+')",
        "('-a'):find('[-a]+')",
        "('aZ'):find('%f[A-Z]')",
        "('a-z'):match('[a%-z]+')",
        "('x1_Y'):match('[%w_]+')",
        "('\\t x'):match('%s+()')",
        "('AbC'):match('%u%l%u')",
        "('12ab'):match('%x+')",
        "('a.,;b'):match('%p+')",
        "('a\\1b'):match('%c')",
        "('AbC'):match('%L')",
        "('abcabc'):match('(abc)%1')",
        "('abab'):match('(a)(b)%1%2')",
        "('aXa'):match('()(.)%2')",
        // match: lazy, greedy, optional
        "('hello'):match('h(.-)o')",
        "('key = value'):match('(%w+)%s*=%s*(%w+)')",
        "('2024-01-05'):match('(%d+)-(%d+)-(%d+)')",
        "('aaa'):match('a-b')",
        "('aaab'):match('a-b')",
        "('hello'):match('.-(l+)(.*)')",
        "('abc'):match('()')",
        "('color'):match('colou?r')",
        "('ab'):match('a+b+c*')",
        // pattern errors
        "('x'):match('%1')",
        "('x'):match('(x')",
        "('x'):match('x)')",
        "('x'):match('%')",
        "('x'):match('[a')",
        "('x'):match('%f')",
        "('x'):match('%b')",
        "('x'):rep(33):match(('(x)'):rep(33))",
        "('x'):match('%0')",
        "('x'):find()",
        "string.match(nil, 'x')",
        // gmatch
        "(function() local t = {} for a, b in ('k1=v1, k2=v2'):gmatch('(%w+)=(%w+)') do t[#t + 1] = a .. b end "
        "return table.concat(t, ';') end)()",
        "(function() local t = {} for p in ('abc'):gmatch('()x*') do t[#t + 1] = p end return table.concat(t, ',') "
        "end)()",
        "(function() local t = {} for w in ('a^a'):gmatch('^a') do t[#t + 1] = w end return table.concat(t, ',') "
        "end)()",
        "(function() local n = 0 for w in string.gfind('a b c', '%a') do n = n + 1 end return n end)()",
        // gsub: texts, tables, functions, counts, anchors
        "('hello world from lua'):gsub('%w+', '<%0>')",
        "('hello'):gsub('', '-')",
        "('hello world'):gsub('o', {o = '0'})",
        "('hello world'):gsub('%w+', function(w) return w:upper() end)",
        "('hello'):gsub('l', '%%')",
        "('hello'):gsub('l', '%')",
        "('hello'):gsub('l', '%x')",
        "('hello'):gsub('(l)', '%2')",
        "('hello'):gsub('l', 'x', 1)",
        "('abc'):gsub('^a', 'x')",
        "('abc'):gsub('%w', '%1')",
        "('abc'):gsub('b', false)",
        "('abc'):gsub('b', function() return {} end)",
        "('abc'):gsub('b', function() return false end)",
        "('abc'):gsub('b', 5)",
        "('abc'):gsub('(b)(c)', '%2%1')",
        "('abc'):gsub('x*', '-')",
        "('a,b'):gsub('(%w)', {a = 1, b = true})",
        // sub, upper, lower, reverse, byte, char
        "('hello'):sub(2, 4)",
        "('hello'):sub(-3)",
        "('hello'):sub(0)",
        "('hello'):sub(4, 2)",
        "('hello'):sub(2, 100)",
        "('hello'):sub(-100, -4)",
        "('hello'):sub()",
        "string.sub(123, 2)",
        "string.sub(nil, 1)",
        "('Hello, W\\195\\182rld!'):upper()",
        "('HeLLo\\0X'):lower()",
        "string.upper()",
        "('abc'):reverse()",
        "(''):reverse()",
        "string.reverse(12)",
        "('hello'):byte()",
        "('hello'):byte(2, 4)",
        "('hello'):byte(-1)",
        "('hello'):byte(10)",
        "('hello'):byte(3, 2)",
        "('hello'):byte(0, 100)",
        "(''):byte()",
        "('\\255'):byte()",
        "select('#', ('x'):rep(7000):byte(1, -1))",
        "('x'):rep(9000):byte(1, -1)",
        "string.char(104, 105)",
        "string.char()",
        "string.char('65', 66.7)",
        "string.char(256)",
        "string.char(-1)",
        "string.char(65, nil)",
        // format
        "string.format('%d %5.2f %s %q', 3, 2.5, 'x', 'a\"b\\\\\\n\\0\\r')",
        "string.format('%5s|%-5s|%.2s|%5.1s|', 'ab', 'cd', 'efgh', 'xyz')",
        "string.format('%x %X %o %u %c %i', 255, 255, 8, 3, 65, -7.9)",
        "string.format('%e %g %G %E %+.3f % d %#x %05d', 12345.678, 0.0001, 1e20, 1, 2, 3, 255, -42)",
        "string.format('%x', -1)",
        "string.format('%%|%c|', 0)",
        "string.format('%s %s', 1.5, 10)",
        "string.format('%s', ('x'):rep(150))",
        "string.format('%.3s', ('x'):rep(150))",
        "string.format('%q', ('\\0'):rep(3))",
        "string.format(12, 1)",
        "string.format('%d', '10')",
        "string.format('%')",
        "string.format('%d')",
        "string.format('%y', 1)",
        "string.format('%5%', 1)",
        "string.format('%------d', 1)",
        "string.format('%123d', 1)",
        "string.format('%1.123f', 1)",
        "string.format('%d', 'x')",
        "string.format('%s', nil)",
        "string.format('%q', {})",
        "string.format()",
        // unpack, select, tonumber
        "unpack({1, 2, 3})",
        "unpack({1, 2, 3}, 2)",
        "unpack({1, 2, 3}, 2, 5)",
        "unpack({}, 1, 0)",
        "unpack({1}, -1, 1)",
        "unpack({}, 1, 1e8)",
        "unpack()",
        "unpack({}, 'x')",
        "select('#')",
        "select('#', 1, nil, 3)",
        "select('#x', 1)",
        "select(2, 'a', 'b', 'c')",
        "select(-1, 'a', 'b')",
        "select(5, 'a')",
        "select(0, 'a')",
        "select(-5, 'a')",
        "select('x')",
        "tonumber('0x10')",
        "tonumber('  12  ')",
        "tonumber('12a')",
        "tonumber('1e2')",
        "tonumber('')",
        "tonumber(nil)",
        "tonumber()",
        "tonumber('ff', 16)",
        "tonumber('zz', 36)",
        "tonumber('10 ', 2)",
        "tonumber('19', 8)",
        "tonumber(' ', 16)",
        "tonumber(5, 16)",
        "tonumber('1', 1)",
        "tonumber({}, 16)",
        // string.rep
        "('ab'):rep(3)",
        "(''):rep(5)",
        "('x'):rep(0)",
        "('x'):rep(-1)",
        "string.rep(5, 2)",
        "('x'):rep()",
        "string.rep(nil, 2)",
        // table.insert, remove, concat, sort
        "(function() local t = {1, 2, 3} table.insert(t, 1, 0) table.insert(t, 'e') return table.concat(t, ',') "
        "end)()",
        "(function() local t = {1} table.insert(t, 4, 'x') return t[4], t[2], table.getn(t) end)()",
        "table.insert({}, 1, 2, 3)",
        "table.insert({})",
        "table.insert(nil, 1)",
        "table.insert({}, 'x', 2)",
        "(function() local t = {1, 2, 3} return table.remove(t), table.remove(t, 1), t[1], table.getn(t) end)()",
        "table.remove({})",
        "table.remove({1, 2}, 5)",
        "table.remove({1, 2}, 0)",
        "table.remove(5)",
        "table.concat({1, 2, 3}, ',')",
        "table.concat({'a', 'b', 'c'}, '', 2)",
        "table.concat({}, 'x')",
        "table.concat({1, {}, 3})",
        "table.concat({1, 2, 3}, ',', 1, 4)",
        "table.concat({1, 2, 3}, '-', 2, 3)",
        "table.concat({1, 2}, ',', 3, 2)",
        "table.concat({1, 2}, {})",
        "table.concat('x')",
        "(function() local t = {5, 2, 8, 1} table.sort(t) return table.concat(t, ',') end)()",
        "(function() local t = {5, 2, 8, 1} table.sort(t, function(a, b) return a > b end) "
        "return table.concat(t, ',') end)()",
        "(function() local t = {'pear', 'apple', 'fig'} table.sort(t) return table.concat(t, ',') end)()",
        "table.sort({1, 'x', 2})",
        "(function() local t = {} for i = 1, 100 do t[i] = i end table.sort(t, function() return true end) end)()",
        "(function() local t = {3, 1, 2, 3, 1, 2, 5} table.sort(t, function(a, b) return a > b end) "
        "return table.concat(t, ',') end)()",
        "table.sort({3, 2, 1}, 5)",
        "table.sort(nil)",
        // maxn, foreach, foreachi
        "table.maxn({1, 2, [10] = 1, [2.5] = 1, x = 1})",
        "table.maxn({})",
        "table.maxn({[-1] = 1})",
        "table.maxn('x')",
        "(function() local s = '' table.foreachi({'a', 'b'}, function(i, v) s = s .. i .. v end) return s end)()",
        "table.foreachi({'a', 'b', 'c'}, function(i, v) if i == 2 then return v end end)",
        "table.foreach({x = 1}, function(k, v) return k .. v end)",
        "table.foreach({}, print)",
        "table.foreach({1})",
        "table.foreachi(nil, print)",
        "(function() local t = {3, 1, 2} table.sort(t, nil) return table.concat(t) end)()",
    };
    for (const char* expression : cases)
        EXPECT_EQ(Run(_library, expression), Run(_bounded, expression)) << expression;
    // The library's own unpack takes this range for an empty one and crashes.
    EXPECT_EQ(Run(_bounded, "unpack({}, -2147483647, 2147483647)"), "error string:case:1: too many results to unpack");
}

// The matcher recurses once per pattern item: a pattern of the limit is taken, one character
// more is refused by every matching function, and a plain find compares text of any length.
TEST_F(BoundedLibrary, PatternsAreTakenUpToTheLimit)
{
    const std::string atLimit = "'" + std::string(MaxPatternLength - 1, 'a') + "?'";
    const std::string overLimit = "'" + std::string(MaxPatternLength, 'a') + "?'";
    const std::string subject = "('a'):rep(300)";
    const std::string refused = "error string:case:1: a pattern of 257 characters is refused (at most 256)";
    const std::string calls[] = {subject + ":find(%s)", "string.match(" + subject + ", %s)",
                                 "(function() for w in " + subject + ":gmatch(%s) do return w end end)()",
                                 "(string.gsub(" + subject + ", %s, ''))"};
    for (const std::string& call : calls)
    {
        const auto with = [&](const std::string& pattern) {
            std::string expression = call;
            return expression.replace(expression.find("%s"), 2, pattern);
        };
        EXPECT_EQ(Run(_bounded, with(atLimit)), Run(_library, with(atLimit))) << call;
        EXPECT_EQ(Run(_bounded, with(overLimit)), refused) << call;
    }
    EXPECT_EQ(Run(_bounded, subject + ":find(('a'):rep(1000) .. '?', 1, true)"), "ok nil:");
    EXPECT_EQ(Run(_bounded, subject + ":find(('a'):rep(300))"), "ok number:1 number:300") << "no specials: plain";
}

// Backtracking is charged step by step, so a short pattern that would backtrack for ages stops
// when the budget is spent; plain work is charged by its size.
TEST_F(BoundedLibrary, WorkIsChargedToTheBudget)
{
    const std::string backtracking = "('a'):rep(20):find(('a?'):rep(20) .. ('a'):rep(20))";
    gCharges = 0;
    EXPECT_EQ(Run(_bounded, backtracking), "ok number:1 number:20");
    EXPECT_GT(gSpent, 1L << 20) << "every path the matcher tried was charged";
    EXPECT_GE(gCharges, gSpent >> 14) << "charged as it goes, so that the budget can look at its clock";

    gLeft = 100000;
    gSpent = 0;
    EXPECT_EQ(Run(_bounded, "('a'):rep(40):find(('a?'):rep(40) .. ('a'):rep(40))"),
              "error string:case:1: the budget is spent");
    EXPECT_LE(gSpent, 200000) << "stopped as soon as the budget ran out";

    gLeft = 100000000;
    ASSERT_EQ(0, luaL_dostring(_bounded, "s = ('x'):rep(1e5) xy = ('xy'):rep(1e5) ordered = {}\n"
                                         "for i = 1, 1000 do ordered[i] = i end digits = ('1'):rep(1e5)"));
    struct Case
    {
        const char* expression;
        long least, most; // steps charged
    };
    const Case cases[] = {
        {"s:find('y+')", 100000, 200000},
        {"s:find('y', 1, true)", 0, 100},
        {"xy:find(('xy'):rep(1e3) .. 'z', 1, true)", 10000000, 20000000},
        {"(s:gsub('x', 'ab'))", 200000, 500000},
        {"('x'):rep(1e5)", 100000, 200000},
        {"(function() local t = {} for i = 1, 1000 do table.insert(t, 1, i) end end)()", 1500000, 2500000},
        {"table.sort(ordered)", 100000, 1000000},
        // a set is scanned whole at every step
        {"('a'):rep(100):find('[' .. ('b'):rep(251) .. 'a]-x')", 1000000, 3000000},
        // walks of a table, and the calls they make
        {"table.maxn(ordered)", 4000, 5000},
        {"table.foreach(ordered, function() end)", 16000, 17000},
        {"table.foreachi(ordered, function() end)", 16000, 17000},
        {"select('#', unpack(ordered))", 4000, 4100},
        {"select(2, unpack(ordered))", 7900, 8100},
        // texts copied, converted or taken apart
        {"s:sub(2)", 6000, 6500},
        {"s:upper()", 6000, 6500},
        {"s:lower()", 6000, 6500},
        {"s:reverse()", 6000, 6500},
        {"s:byte(1, 1000)", 4000, 4100},
        {"string.char(unpack(ordered, 1, 100))", 800, 900},
        {"string.format('%s', s)", 6000, 6500},
        {"string.format('%q', s)", 6000, 6500},
        {"tonumber(digits)", 6000, 6500},
        {"tonumber(digits, 2)", 6000, 6500},
    };
    for (const Case& c : cases)
    {
        gLeft = 100000000;
        gSpent = 0;
        EXPECT_EQ(Run(_bounded, c.expression).substr(0, 2), "ok") << c.expression;
        EXPECT_GE(gSpent, c.least) << c.expression;
        EXPECT_LE(gSpent, c.most) << c.expression;
    }
}

// Data files run with no library at all: the matcher cannot be reached from them.
TEST(DataScripts, ReachNoStringFunctions)
{
    VirtualMachine vm;
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    EXPECT_NE(0, vm.ExecString("x = ('a'):find('a')"));
    EXPECT_NE(0, vm.ExecString("x = string.find('a', 'a')"));
    std::string messages = testing::internal::GetCapturedStderr();
    messages += testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, messages.find("attempt to index a string value")) << messages;
    EXPECT_NE(std::string::npos, messages.find("attempt to index global 'string'")) << messages;
}
