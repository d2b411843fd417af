// The rings of an explosion's shock wave: the texture times TINT_COLOR, never lit, faded by the
// object's animation value, which the explosion lowers from 0.8 to 0 as the wave spreads.
#include "SharedParams"

texture BaseMap : BASE_MAP;
sampler base_sampler { Texture = BaseMap; MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; }
vec4 tint : TINT_COLOR = {1, 1, 1, 1};

vertex vs_wave {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    layout(location = GFX_LOC_TEXCOORD0) in vec2 inTexCoord;
    out vec2 vTexCoord;
    void main()
    {
        gl_Position = matViewProj * (matWorld * vec4(inPosition, 1.0));
        vTexCoord = inTexCoord;
    }
}

fragment fs_wave {
    in vec2 vTexCoord;
    void main()
    {
        vec4 color = texture(base_sampler, vTexCoord) * tint;
        color.rgb *= clamp(fAnimation / 0.8, 0.0, 1.0);
        fx_Target0 = color;
    }
}

technique Shockwave {
    pass p0 { VertexShader = vs_wave; FragmentShader = fs_wave; }
}
