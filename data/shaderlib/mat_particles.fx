// Particles and sprites: the texture (an atlas cell) times the vertex colour, never lit. The
// material's flags choose additive or alpha blending. Flags: USE_TINT (times TINT_COLOR),
// USE_ADDITIVE (for additive materials: alpha scales the colour, so particles fade out too).
#include "SharedParams"

texture BaseMap : BASE_MAP;
sampler base_sampler { Texture = BaseMap; MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; AddressU = Clamp; AddressV = Clamp; }
vec4 tint : TINT_COLOR = {1, 1, 1, 1};

vertex vs_particle {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    layout(location = GFX_LOC_COLOR0) in vec4 inColor;
    layout(location = GFX_LOC_TEXCOORD0) in vec2 inTexCoord;
    out vec4 vColor;
    out vec2 vTexCoord;
    void main()
    {
        gl_Position = matViewProj * (matWorld * vec4(inPosition, 1.0));
        vColor = inColor;
        vTexCoord = inTexCoord;
    }
}

fragment fs_particle {
    in vec4 vColor;
    in vec2 vTexCoord;
    void main()
    {
        vec4 color = texture(base_sampler, vTexCoord) * vColor;
#ifdef USE_TINT
        color *= tint;
#endif
#ifdef USE_ADDITIVE
        color.rgb *= color.a;
#endif
        fx_Target0 = color;
    }
}

technique Particles {
    pass p0 { VertexShader = vs_particle; FragmentShader = fs_particle; }
}
