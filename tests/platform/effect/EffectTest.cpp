#include "EffectFixture.h"

namespace {

// Draws a colour given by a parameter; the colour name comes from a semantic.
const char* kColorEffect = R"(
vec4 tint : Tint_Color = {1, 0, 0, 1};

vertex vs {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    void main() { gl_Position = vec4(inPosition, 1.0); }
}

fragment fs {
    void main() { fx_Target0 = tint; }
}

technique Main {
    pass p0 { VertexShader = vs; FragmentShader = fs; }
}
)";

} // namespace

TEST_F(EffectTest, SemanticsMatchWithoutCaseAndDrive)
{
    auto effect = Make(kColorEffect);
    ASSERT_TRUE(effect);
    DrawQuad(*effect);
    EXPECT_EQ(Pixel(10, 10), 0xFF0000u);

    const fx::Handle tint = effect->GetParameterBySemantic("TINT_COLOR");
    ASSERT_NE(tint, fx::kNoHandle);
    EXPECT_EQ(tint, effect->GetParameterBySemantic("tint_color"));
    EXPECT_EQ(tint, effect->GetParameterByName("tint"));
    EXPECT_EQ(effect->GetParameterByName("TINT"), fx::kNoHandle);
    const float green[4] = {0, 1, 0, 1};
    EXPECT_TRUE(effect->SetVector(tint, green));
    DrawQuad(*effect);
    EXPECT_EQ(Pixel(10, 10), 0x00FF00u);
}
