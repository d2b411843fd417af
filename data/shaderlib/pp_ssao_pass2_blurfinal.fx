// Ambient occlusion, last pass: the openness averaged over the 4 x 4 block of the random normals
// (only over pixels at about the pixel's own distance, so that it does not bleed across edges),
// times the frame. Emissive light is not shaded.
#include "SharedParams"
#include "ScreenQuad"
#include "SSAO"

texture DepthMap : DEPTH_MAP;
texture OpennessMap : SSAO_WO_BLUR_MAP;
texture FrameMap : FRAME_MAP;
texture EmissiveMap : EMISSIVE_MAP;
sampler depth_sampler { Texture = DepthMap; MinFilter = Point; MagFilter = Point; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }
sampler open_sampler { Texture = OpennessMap; MinFilter = Point; MagFilter = Point; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }
sampler frame_sampler { Texture = FrameMap; MinFilter = Point; MagFilter = Point; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }
sampler emissive_sampler { Texture = EmissiveMap; MinFilter = Point; MagFilter = Point; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }

fragment fs_post {
    in vec4 vColor;
    in vec2 vTexCoord;
    void main()
    {
        vec4 frame = texture(frame_sampler, vTexCoord);
        float depth = texture(depth_sampler, vTexCoord).r;
        float open = 1.0;
        if (depth > 0.0) {
            vec2 texel = 1.0 / vec2(textureSize(open_sampler, 0));
            float centre = ViewPosition(vTexCoord, depth).z;
            float sum = 0.0, count = 0.0;
            for (int y = -2; y < 2; ++y) {
                for (int x = -2; x < 2; ++x) {
                    vec2 uv = vTexCoord + vec2(float(x), float(y)) * texel;
                    float d = texture(depth_sampler, uv).r;
                    if (d > 0.0 && abs(ViewPosition(uv, d).z - centre) < centre * 0.05) {
                        sum += texture(open_sampler, uv).r;
                        count += 1.0;
                    }
                }
            }
            open = count > 0.0 ? sum / count : 1.0;
        }
        vec3 emissive = min(texture(emissive_sampler, vTexCoord).rgb, frame.rgb);
        fx_Target0 = vec4(frame.rgb * open + emissive * (1.0 - open), 1.0);
    }
}

technique PostProcess {
    pass p0 { VertexShader = vs_screen_aligned; FragmentShader = fs_post; }
}
