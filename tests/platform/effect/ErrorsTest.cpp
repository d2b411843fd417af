#include "EffectFixture.h"

// Errors name the file and line where the fault is, also inside included files.
TEST_F(EffectTest, ErrorsNameFileAndLine)
{
    _includes.files["Common"] = "glsl {\n"
                                "vec4 Shade() { return vec4(1.0); }\n"
                                "float Broken() { return undefined_name; }\n"
                                "}\n";
    struct Case
    {
        const char* source;
        const char* where;
    };
    const Case cases[] = {
        // GLSL fault in the effect's own code block (line 5).
        {"vertex vs {\n void main() { gl_Position = vec4(0.0); }\n}\nfragment fs {\n void main() { fx_Target0 = nope; "
         "}\n}\n"
         "technique t { pass p { VertexShader = vs; FragmentShader = fs; } }\n",
         "test.fx(5)"},
        // GLSL fault in an included file (its line 3).
        {"#include \"Common\"\nvertex vs {\n void main() { gl_Position = Shade(); }\n}\n"
         "fragment fs {\n void main() { fx_Target0 = Shade(); }\n}\n"
         "technique t { pass p { VertexShader = vs; FragmentShader = fs; } }\n",
         "Common(3)"},
        // Structure faults.
        {"float x : X = ;\n", "test.fx(1)"},
        {"\n\ntechnique t { pass p { ZEnable = maybe; } }\n", "test.fx(3)"},
        {"\ntechnique t { pass p { NoSuchState = 1; } }\n", "test.fx(2)"},
        {"technique t { pass p { VertexShader = missing; FragmentShader = missing; } }\n", "test.fx(1)"},
        {"#include \"Nowhere\"\n", "test.fx(1)"},
        {"#ifdef A\n\n", "test.fx"},
        {"vec4 v : V = {1, 2};\n", "test.fx(1)"},
        {"sampler s { Texture = none; }\n", "test.fx(1)"},
    };
    for (const Case& c : cases)
    {
        std::string errors;
        auto effect = Make(c.source, {}, &errors);
        EXPECT_FALSE(effect) << c.source;
        EXPECT_NE(errors.find(c.where), std::string::npos) << c.source << "\n--\n" << errors;
    }
}
