// One blur step along one axis (BLOOR_DIRECTION: (1, 0) across, (0, 1) down): a Gaussian of nine
// taps three texels apart. A step across and one down blur both ways; on a 256 x 256 target the
// light spreads over a few percent of the screen.
#include "SharedParams"
#include "ScreenQuad"

texture BloorMap : BLOOR_MAP;
sampler bloor_sampler { Texture = BloorMap; MinFilter = Linear; MagFilter = Linear; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }
vec3 direction : BLOOR_DIRECTION = {1, 0, 0};

fragment fs_post {
    in vec4 vColor;
    in vec2 vTexCoord;
    void main()
    {
        vec2 step = direction.xy * 3.0 / vec2(textureSize(bloor_sampler, 0));
        float weights[5] = float[](70.0, 56.0, 28.0, 8.0, 1.0);
        vec4 sum = texture(bloor_sampler, vTexCoord) * weights[0];
        for (int i = 1; i < 5; ++i)
            sum += (texture(bloor_sampler, vTexCoord + step * float(i)) +
                    texture(bloor_sampler, vTexCoord - step * float(i))) * weights[i];
        fx_Target0 = sum / 256.0;
    }
}

technique PostProcess {
    pass p0 { VertexShader = vs_screen_aligned; FragmentShader = fs_post; }
}
