// Ambient occlusion, first pass: the depth target at half size, as distance from the eye; of
// each 2 x 2 block the nearest drawn pixel, 0 where none was drawn.
#include "SharedParams"
#include "ScreenQuad"
#include "SSAO"

texture DepthMap : DEPTH_MAP;
sampler depth_sampler { Texture = DepthMap; MinFilter = Point; MagFilter = Point; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }

fragment fs_post {
    in vec4 vColor;
    in vec2 vTexCoord;
    void main()
    {
        vec2 texel = 1.0 / vec2(textureSize(depth_sampler, 0));
        float nearest = 0.0;
        for (int i = 0; i < 4; ++i) {
            vec2 uv = vTexCoord + (vec2(float(i % 2), float(i / 2)) - 0.5) * texel;
            float depth = texture(depth_sampler, uv).r;
            if (depth > 0.0) {
                float distance = ViewPosition(uv, depth).z;
                nearest = nearest > 0.0 ? min(nearest, distance) : distance;
            }
        }
        fx_Target0 = vec4(nearest, 0.0, 0.0, 1.0);
    }
}

technique PostProcess {
    pass p0 { VertexShader = vs_screen_aligned; FragmentShader = fs_post; }
}
