#include "EffectFixture.h"

namespace {

std::string Expand(const std::string& source, const std::vector<fx::Macro>& macros, MapIncludes& includes,
                   bool* ok = nullptr)
{
    fx::PreprocessedSource out;
    std::string errors;
    const bool result = fx::Preprocess(source, "main.fx", macros, &includes, out, errors);
    if (ok)
        *ok = result;
    return result ? out.text : errors;
}

} // namespace

// Conditions pick lines by macros; kept lines remember their file and line.
TEST(PreprocessorTest, ConditionsAndOrigins)
{
    MapIncludes includes;
    includes.files["Part"] = "part1\n#ifdef TWICE\nnever\n#endif\npart2";
    const char* source =
        "#include \"Part\"\n"
        "#include \"Part\"\n"
        "#if defined(A) && B > 1\nab\n#elif defined(A) || !defined(C)\na-or-not-c\n#else\nother\n#endif\n"
        "#define N 3\n#if N == 3 /* comment */\nthree\n#endif\n"
        "/*\n#include \"Missing\"\n*/\n"; // a directive inside a comment is only text
    struct Case
    {
        std::vector<fx::Macro> macros;
        std::string expected;
    };
    const Case cases[] = {
        {{}, "part1\npart2\na-or-not-c\n#define N 3\nthree\n/*\n#include \"Missing\"\n*/"},
        {{{"A", "1"}, {"B", "2"}}, "part1\npart2\nab\n#define N 3\nthree\n/*\n#include \"Missing\"\n*/"},
        {{{"C", "1"}}, "part1\npart2\nother\n#define N 3\nthree\n/*\n#include \"Missing\"\n*/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Expand(source, c.macros, includes), c.expected) << c.macros.size();

    fx::PreprocessedSource out;
    std::string errors;
    ASSERT_TRUE(fx::Preprocess(source, "main.fx", {}, &includes, out, errors));
    EXPECT_EQ(out.Where(1), "Part(5)");
    EXPECT_EQ(out.Where(2), "main.fx(6)");
}

TEST(PreprocessorTest, ErrorsAreReported)
{
    MapIncludes includes;
    includes.files["Self"] = "#include \"Self\"\n";
    includes.files["Loop"] = "#include \"Loop2\"\n";
    includes.files["Loop2"] = "#include \"Loop\"\n";
    const std::pair<const char*, const char*> cases[] = {
        {"#endif\n", "main.fx(1): error: #endif without #if"},
        {"#if 1\n#else\n#elif 1\n#endif\n", "main.fx(3): error: #elif after #else"},
        {"#if (1\n#endif\n", "main.fx(1): error: bad condition"},
        {"\n#include Part\n", "main.fx(2): error: #include expects"},
        {"#define\n", "main.fx(1): error: #define expects a name"},
        {"#ifdef X\n", "error: unterminated #if block"},
    };
    for (const auto& [source, message] : cases)
    {
        bool ok = true;
        const std::string errors = Expand(source, {}, includes, &ok);
        EXPECT_FALSE(ok) << source;
        EXPECT_NE(errors.find(message), std::string::npos) << source << " -> " << errors;
    }
    // Conditions nested beyond reason fail instead of exhausting the stack; sums that pass
    // the range of a long wrap.
    bool deep = true;
    const std::string nested = "#if " + std::string(100000, '(') + "1" + std::string(100000, ')') + "\n#endif\n";
    EXPECT_NE(Expand(nested, {}, includes, &deep).find("bad condition"), std::string::npos);
    EXPECT_FALSE(deep);
    bool wrapped = false;
    EXPECT_EQ(
        Expand("#if 9223372036854775807 + 1 < 0 && -(-9223372036854775807 - 1)\nyes\n#endif\n", {}, includes, &wrapped),
        "yes");
    EXPECT_TRUE(wrapped);

    // An include of itself or a cycle is read once and ends.
    bool ok = false;
    EXPECT_EQ(Expand("#include \"Self\"\n#include \"Loop\"\nend", {}, includes, &ok), "end");
    EXPECT_TRUE(ok);
}
