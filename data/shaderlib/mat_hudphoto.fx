// A speaker's photo in a HUD message box, as a poor transmission shows it: scan lines rolling
// down, a flickering brightness (sin_time_0_X) and a band that shifts the picture sideways as
// it passes (its strength effectKoef). The photo is an opaque picture in straight colour.
#include "SharedParams"
#include "ScreenQuad"

texture BaseMap : BASE_MAP;
float SinTime : sin_time_0_X = 0.0;
float Time : time_0_X = 0.0;
float EffectKoef : effectKoef = 0.0;
sampler photo_sampler { Texture = BaseMap; MinFilter = Linear; MagFilter = Linear; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }

fragment fs_photo {
    in vec4 vColor;
    in vec2 vTexCoord;
    void main()
    {
        vec2 uv = vTexCoord;
        float band = 1.0 - smoothstep(0.0, 0.06, abs(fract(Time * 0.3) - uv.y));
        uv.x += band * 0.03 * EffectKoef;
        vec4 texel = texture(photo_sampler, uv);
        float lines = 0.8 + 0.2 * step(0.5, fract(uv.y * 64.0 - Time * 3.0));
        float flicker = 0.8 + 0.2 * SinTime;
        fx_Target0 = vec4(texel.rgb * lines * flicker + band * 0.15, texel.a) * vColor;
    }
}

technique HudPhoto {
    pass p0 { VertexShader = vs_screen_quad; FragmentShader = fs_photo; }
}
