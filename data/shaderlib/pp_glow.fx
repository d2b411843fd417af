// Adds the blurred emissive target onto the screen.
#include "SharedParams"
#include "ScreenQuad"

texture GlowMap : GLOW_MAP;
sampler glow_sampler { Texture = GlowMap; MinFilter = Linear; MagFilter = Linear; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }
float strength : GLOW_STRENGTH = 1.0;

fragment fs_post {
    in vec4 vColor;
    in vec2 vTexCoord;
    void main() { fx_Target0 = vec4(texture(glow_sampler, vTexCoord).rgb * strength, 1.0); }
}

technique PostProcess {
    pass p0 { VertexShader = vs_screen_aligned; FragmentShader = fs_post; }
}
