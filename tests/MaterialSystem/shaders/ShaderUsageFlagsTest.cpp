#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderUsageFlags.h"

#include <gtest/gtest.h>

#include <string>

// Flags are whole names: a name inside a longer one is a different flag.
TEST(ShaderUsageFlagsTest, WholeNamesAreMatched)
{
    ShaderUsageFlags flags;
    EXPECT_TRUE(flags.Add("USE_FOGGY"));
    EXPECT_TRUE(flags.Add("USE_FOG"));
    EXPECT_FALSE(flags.Add("USE_FOG"));
    EXPECT_STREQ(flags.GetText(), "USE_FOGGY|USE_FOG");
    EXPECT_EQ(flags.GetNumFlags(), 2u);

    EXPECT_TRUE(flags.Remove("USE_FOG"));
    EXPECT_STREQ(flags.GetText(), "USE_FOGGY");
    EXPECT_FALSE(flags.Remove("USE_FO"));
    EXPECT_TRUE(flags.Add("A"));
    EXPECT_TRUE(flags.Remove("USE_FOGGY"));
    EXPECT_STREQ(flags.GetText(), "A");

    const auto& macros = flags.CompileMacroSet();
    ASSERT_EQ(macros.size(), 1u);
    EXPECT_EQ(macros[0].name, "A");
    EXPECT_EQ(macros[0].value, "1");
    flags.Clear();
    EXPECT_STREQ(flags.GetText(), "");
    EXPECT_TRUE(flags.CompileMacroSet().empty());
}

// The text never passes 127 characters; bad names are refused.
TEST(ShaderUsageFlagsTest, RefusesWhatDoesNotFit)
{
    ShaderUsageFlags flags;
    EXPECT_FALSE(flags.Add(""));
    EXPECT_FALSE(flags.Add(nullptr));
    EXPECT_FALSE(flags.Add("A|B"));
    EXPECT_TRUE(flags.Add(std::string(120, 'X').c_str()));
    EXPECT_TRUE(flags.Add("ABCDEF")); // 120 + 1 + 6 = 127
    EXPECT_FALSE(flags.Add("G"));     // 129
    EXPECT_EQ(std::string(flags.GetText()).size(), 127u);
    EXPECT_EQ(flags.GetLongestFlag(), 120u);
}

TEST(ShaderUsageFlagsTest, ShaderTypesFromNames)
{
    const std::pair<const char*, eShaderType> cases[] = {
        {"$proxy", SHADER_TYPE_BUILTIN},          {"INC_SharedParams.fx", SHADER_TYPE_INCLUDE},
        {"sys_omnishape.fx", SHADER_TYPE_SYSTEM}, {"mat_diffuse.fx|use_a", SHADER_TYPE_MATERIAL},
        {"Pp_Bloor.fx", SHADER_TYPE_POSTPROCESS}, {"plain.fx", SHADER_TYPE_PLAIN},
        {"XYZ_thing.fx", SHADER_TYPE_PLAIN},      {"", SHADER_TYPE_PLAIN}};
    for (const auto& [name, type] : cases)
        EXPECT_EQ(Shader::ShaderTypeFromName(name), type) << name;

    std::string out;
    Shader::ShaderNameFromType(SHADER_TYPE_INCLUDE, "SharedParams", out);
    EXPECT_EQ(out, "INC_SharedParams.fx");
    out.clear();
    Shader::ShaderNameFromType(SHADER_TYPE_PLAIN, "x.fx", out);
    EXPECT_EQ(out, "x.fx");
}
