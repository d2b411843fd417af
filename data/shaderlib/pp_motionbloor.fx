// Blends the last frame over the screen where the mask allows, by the motion-blur factor.
#include "SharedParams"
#include "ScreenQuad"

texture FrameMap : FRAME_MAP;
texture MaskMap : MASK_MAP;
sampler frame_sampler { Texture = FrameMap; MinFilter = Linear; MagFilter = Linear; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }
sampler mask_sampler { Texture = MaskMap; MinFilter = Linear; MagFilter = Linear; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }

fragment fs_post {
    in vec4 vColor;
    in vec2 vTexCoord;
    void main()
    {
        vec2 fromCentre = vTexCoord - 0.5;
        vec4 color = texture(frame_sampler, vTexCoord - fromCentre * 0.02 * fMotionBloorKoef);
        float mask = texture(mask_sampler, vTexCoord).r;
        fx_Target0 = vec4(color.rgb, clamp(mask * fMotionBloorKoef, 0.0, 1.0));
    }
}

technique PostProcess {
    pass p0 { VertexShader = vs_screen_aligned; FragmentShader = fs_post; }
}
