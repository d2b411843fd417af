#include "EffectFixture.h"

#include <algorithm>
#include <cmath>

namespace {

// Lit: half red (computed in the vertex stage, so the state reaches both stages); unlit: red.
const char* kLightingEffect = R"(
vertex vs {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    out float vLit;
    void main() { gl_Position = vec4(inPosition, 1.0); vLit = float(fx_Lighting); }
}
fragment fs {
    in float vLit;
    void main() { fx_Target0 = vec4(fx_Lighting != 0 ? vLit * 0.5 : 1.0, 0.0, 0.0, 1.0); }
}
technique Main { pass p0 { VertexShader = vs; FragmentShader = fs; } }
)";

// Grey by the angle between the shading normal and a fixed direction. The vertex normals
// differ at every corner; the height that makes the two triangles face apart comes in
// texture coordinate 0.
const char* kShadedEffect = R"(
vertex vs {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    layout(location = GFX_LOC_TEXCOORD0) in float inHeight;
    out vec3 vNormal;
    out vec3 vPosition;
    void main()
    {
        gl_Position = vec4(inPosition, 1.0);
        vPosition = vec3(inPosition.xy, inHeight);
        vNormal = vec3(inPosition.xy * 0.5, 1.0);
    }
}
fragment fs {
    in vec3 vNormal;
    in vec3 vPosition;
    void main()
    {
        float k = dot(fx_ShadingNormal(vNormal, vPosition), normalize(vec3(0.3, -0.5, 1.0)));
        fx_Target0 = vec4(vec3(k * 0.5 + 0.5), 1.0);
    }
}
technique Main { pass p0 { VertexShader = vs; FragmentShader = fs; } }
)";

// Two triangles over the window that face apart: the first over the lower left half, the
// second over the upper right.
const std::vector<std::array<float, 4>> kTent = {{-1, -1, 0.5f, 0}, {1, -1, 0.5f, 0}, {-1, 1, 0.5f, 1},
                                                 {1, -1, 0.5f, 0},  {1, 1, 0.5f, 0},  {-1, 1, 0.5f, 1}};

} // namespace

// The pool's lighting state reaches every effect and every stage, also after a program has
// uploaded the previous one.
TEST_F(EffectTest, LightingStateReachesEffects)
{
    auto a = Make(kLightingEffect);
    auto b = Make(kLightingEffect);
    ASSERT_TRUE(a && b);
    DrawQuad(*a);
    EXPECT_NEAR(int(Pixel(5, 5) >> 16), 0x80, 1);

    _pool->SetShading({false, false});
    for (fx::Effect* effect : {a.get(), b.get()})
    {
        DrawQuad(*effect);
        EXPECT_EQ(Pixel(5, 5), 0xFF0000u);
    }
    _pool->SetShading({});
    DrawQuad(*a);
    EXPECT_NEAR(int(Pixel(5, 5) >> 16), 0x80, 1);
}

// Flat shading lights each triangle with its face normal: one colour per triangle, where the
// interpolated normals shade across it.
TEST_F(EffectTest, FlatShadingGivesOneColourPerTriangle)
{
    auto effect = Make(kShadedEffect);
    ASSERT_TRUE(effect);
    const std::pair<unsigned, unsigned> first[] = {{5, 58}, {30, 58}, {5, 30}, {15, 45}};
    const std::pair<unsigned, unsigned> second[] = {{58, 5}, {58, 30}, {33, 5}, {48, 18}};
    auto grey = [&](std::pair<unsigned, unsigned> at) { return int(Pixel(at.first, at.second) >> 16); };
    auto spread = [&](const auto& points) {
        int low = 255, high = 0;
        for (const auto& at : points)
            low = std::min(low, grey(at)), high = std::max(high, grey(at));
        return high - low;
    };

    DrawTriangles(*effect, kTent);
    EXPECT_GT(spread(first), 8);
    EXPECT_GT(spread(second), 8);

    _pool->SetShading({true, true});
    DrawTriangles(*effect, kTent);
    EXPECT_LE(spread(first), 1);
    EXPECT_LE(spread(second), 1);
    // Face normals (0, -1, 2) and (1, 0, 2) against (0.3, -0.5, 1), both normalised.
    EXPECT_NEAR(grey(first[0]), int((0.5 + 0.5 * 2.5 / (std::sqrt(5.0) * std::sqrt(1.34))) * 255 + 0.5), 2);
    EXPECT_NEAR(grey(second[0]), int((0.5 + 0.5 * 2.3 / (std::sqrt(5.0) * std::sqrt(1.34))) * 255 + 0.5), 2);
}
