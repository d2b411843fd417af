// Reduces the frame (or another target) to a smaller target, averaging four texels.
#include "SharedParams"
#include "ScreenQuad"

texture FrameMap : FRAME_MAP;
sampler frame_sampler { Texture = FrameMap; MinFilter = Linear; MagFilter = Linear; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }

fragment fs_post {
    in vec4 vColor;
    in vec2 vTexCoord;
    void main()
    {
        vec2 texel = 1.0 / vec2(textureSize(frame_sampler, 0));
        fx_Target0 = 0.25 * (texture(frame_sampler, vTexCoord + vec2(-0.5, -0.5) * texel) +
                             texture(frame_sampler, vTexCoord + vec2(0.5, -0.5) * texel) +
                             texture(frame_sampler, vTexCoord + vec2(-0.5, 0.5) * texel) +
                             texture(frame_sampler, vTexCoord + vec2(0.5, 0.5) * texel));
    }
}

technique PostProcess {
    pass p0 { VertexShader = vs_screen_aligned; FragmentShader = fs_post; }
}
