// Softens edges found in the normal and depth targets, by the screen's anti-aliasing weight.
#include "SharedParams"
#include "ScreenQuad"

texture FrameMap : FRAME_MAP;
texture NormalMap : NORMAL_MAP;
texture DepthMap : DEPTH_MAP;
sampler frame_sampler { Texture = FrameMap; MinFilter = Linear; MagFilter = Linear; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }
sampler normal_sampler { Texture = NormalMap; MinFilter = Linear; MagFilter = Linear; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }
sampler depth_sampler { Texture = DepthMap; MinFilter = Linear; MagFilter = Linear; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }

fragment fs_post {
    in vec4 vColor;
    in vec2 vTexCoord;
    void main()
    {
        vec2 texel = 1.0 / vec2(textureSize(frame_sampler, 0));
        vec2 offsets[4] = vec2[](vec2(-1.0, -1.0), vec2(1.0, -1.0), vec2(-1.0, 1.0), vec2(1.0, 1.0));
        vec3 n = texture(normal_sampler, vTexCoord).xyz;
        float d = texture(depth_sampler, vTexCoord).r;
        float edge = 0.0;
        for (int i = 0; i < 4; ++i) {
            vec2 uv = vTexCoord + offsets[i] * texel;
            edge += 1.0 - dot(n, texture(normal_sampler, uv).xyz);
            edge += abs(d - texture(depth_sampler, uv).r) * 10.0;
        }
        edge = clamp(edge * 0.25 * fAAWeight, 0.0, 1.0);
        vec4 blurred = vec4(0.0);
        for (int i = 0; i < 4; ++i) blurred += texture(frame_sampler, vTexCoord + offsets[i] * texel * 0.5);
        fx_Target0 = mix(texture(frame_sampler, vTexCoord), blurred * 0.25, edge);
    }
}

technique PostProcess {
    pass p0 { VertexShader = vs_screen_aligned; FragmentShader = fs_post; }
}
