// Adds the bright parts of the blurred frame back onto the screen: the key starts at a quarter of
// full brightness, so the halo reaches past the edges of what is bright.
#include "SharedParams"
#include "ScreenQuad"

texture BloorMap : BLOOR_MAP;
sampler bloor_sampler { Texture = BloorMap; MinFilter = Linear; MagFilter = Linear; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }
float threshold : BLOOM_THRESHOLD = 0.25;
float strength : BLOOM_STRENGTH = 0.5;

fragment fs_post {
    in vec4 vColor;
    in vec2 vTexCoord;
    void main()
    {
        vec4 color = texture(bloor_sampler, vTexCoord);
        float luminance = dot(color.rgb, vec3(0.299, 0.587, 0.114));
        fx_Target0 = vec4(color.rgb * smoothstep(threshold, threshold + 0.5, luminance) * strength, 1.0);
    }
}

technique PostProcess {
    pass p0 { VertexShader = vs_screen_aligned; FragmentShader = fs_post; }
}
