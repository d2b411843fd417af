// Sprites given in world space (lens flares, particles in world space): the texture times the
// vertex colour. The world matrix is not applied: the sprites' corners are already placed.
#include "SharedParams"

texture BaseMap : BASE_MAP;
sampler base_sampler { Texture = BaseMap; MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; AddressU = Clamp; AddressV = Clamp; }

vertex vs_sprite {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    layout(location = GFX_LOC_COLOR0) in vec4 inColor;
    layout(location = GFX_LOC_TEXCOORD0) in vec2 inTexCoord;
    out vec4 vColor;
    out vec2 vTexCoord;
    void main()
    {
        gl_Position = matViewProj * vec4(inPosition, 1.0);
        vColor = inColor;
        vTexCoord = inTexCoord;
    }
}

fragment fs_sprite {
    in vec4 vColor;
    in vec2 vTexCoord;
    void main() { fx_Target0 = texture(base_sampler, vTexCoord) * vColor; }
}

technique Sprite {
    pass p0 { VertexShader = vs_sprite; FragmentShader = fs_sprite; }
}
