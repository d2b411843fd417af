// One blur step: a small Gaussian over both axes.
#include "SharedParams"
#include "ScreenQuad"

texture BloorMap : BLOOR_MAP;
sampler bloor_sampler { Texture = BloorMap; MinFilter = Linear; MagFilter = Linear; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }

fragment fs_post {
    in vec4 vColor;
    in vec2 vTexCoord;
    void main()
    {
        vec2 texel = 1.0 / vec2(textureSize(bloor_sampler, 0));
        float weights[3] = float[](0.25, 0.125, 0.0625);
        vec4 sum = vec4(0.0);
        for (int x = -2; x <= 2; ++x)
            for (int y = -2; y <= 2; ++y)
                sum += texture(bloor_sampler, vTexCoord + vec2(x, y) * texel) * weights[abs(x)] * weights[abs(y)];
        fx_Target0 = sum / 0.390625;
    }
}

technique PostProcess {
    pass p0 { VertexShader = vs_screen_aligned; FragmentShader = fs_post; }
}
