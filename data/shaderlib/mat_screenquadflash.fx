// A Flash movie's texture on a screen quad, tinted and faded by the quad's colour.
#include "SharedParams"
#include "ScreenQuad"

texture BaseMap : BASE_MAP;
sampler base_sampler { Texture = BaseMap; MinFilter = Linear; MagFilter = Linear; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }

fragment fs_flash {
    in vec4 vColor;
    in vec2 vTexCoord;
    void main() { fx_Target0 = texture(base_sampler, vTexCoord) * vColor; }
}

technique ScreenQuadFlash {
    pass p0 { VertexShader = vs_screen_quad; FragmentShader = fs_flash; }
}
