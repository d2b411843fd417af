// A Flash movie's texture on a screen quad, tinted and faded by the quad's colour. Movies hold
// premultiplied colour; the material blends straight alpha, so the colour is divided back out.
#include "SharedParams"
#include "ScreenQuad"

texture BaseMap : BASE_MAP;
sampler base_sampler { Texture = BaseMap; MinFilter = Linear; MagFilter = Linear; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }
// Where the sample's alpha is 0 the quad draws 0, which its blending leaves out: the screen's
// quads are drawn only over the part of them that their texture covers.
float clearWhereBaseMapClear;

fragment fs_flash {
    in vec4 vColor;
    in vec2 vTexCoord;
    void main()
    {
        vec4 texel = texture(base_sampler, vTexCoord);
        vec3 straight = texel.a > 0.0 ? texel.rgb / texel.a : vec3(0.0);
        fx_Target0 = vec4(straight, texel.a) * vColor;
    }
}

technique ScreenQuadFlash {
    pass p0 { VertexShader = vs_screen_quad; FragmentShader = fs_flash; }
}
