// Lighting of the deferred stage over a screen quad. The targets hold: depth (z / w of the
// pixel; 0 where nothing was drawn), the world normal packed to 0..1 (alpha 0: lighting off, the
// albedo as it is), the albedo, and the emissive colour. Variants: USE_DIRECTIONAL_LIGHTING (the
// sun, ambient and emissive; drawn blended by its alpha, so pixels without geometry keep what is
// behind them), USE_OMNI_LIGHTING (a batch of omni lights, added; USE_OMNI_2, _4, _8 or _16 give
// the batch's size, else one light) and USE_SPOT_LIGHTING (the omni light of the shared
// parameters, added).
#include "SharedParams"
#include "ScreenQuad"

#if defined(USE_OMNI_LIGHTING)
// Three vectors a light: position and range; diffuse times attenuation, and intensity; the
// light's rectangle in pixels of the target (left, top, right, bottom), outside which it adds
// nothing. A batch smaller than its variant fills the rest with empty rectangles.
vec4 omniLights[48];
// The depth of the batch's quad: beyond it none of the batch's lights reaches.
float omniDepth = 1.0;
#endif

texture DepthMap : DEPTH_MRT;
texture NormalMap : NORMAL_MRT;
texture ColorMap : COLOR_MRT;
texture MaterialMap : MATERIAL_MRT;
sampler depth_sampler { Texture = DepthMap; MinFilter = Point; MagFilter = Point; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }
sampler normal_sampler { Texture = NormalMap; MinFilter = Point; MagFilter = Point; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }
sampler color_sampler { Texture = ColorMap; MinFilter = Point; MagFilter = Point; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }
sampler material_sampler { Texture = MaterialMap; MinFilter = Point; MagFilter = Point; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }

// The full-screen quad on the far plane: the stage tests it "greater" against the depth the lit
// prims left, so that only the pixels they covered are shaded. A batch of omni lights puts it
// where its lights' spheres end, which leaves out what lies behind them too.
vertex vs_far_quad {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    out vec4 vColor;
    out vec2 vTexCoord;
    void main()
    {
#if defined(USE_OMNI_LIGHTING)
        float depth = omniDepth;
#else
        float depth = 1.0;
#endif
        gl_Position = vec4(inPosition.x * 2.0 - 1.0, 1.0 - inPosition.y * 2.0, depth, 1.0);
        vColor = vec4(1.0);
        vTexCoord = inPosition.xy;
    }
}

fragment fs_light {
    in vec4 vColor;
    in vec2 vTexCoord;

#if defined(USE_OMNI_16)
    const int OMNI_COUNT = 16;
#elif defined(USE_OMNI_8)
    const int OMNI_COUNT = 8;
#elif defined(USE_OMNI_4)
    const int OMNI_COUNT = 4;
#elif defined(USE_OMNI_2)
    const int OMNI_COUNT = 2;
#else
    const int OMNI_COUNT = 1;
#endif

    vec3 WorldPosition(vec2 uv, float depth)
    {
        vec4 clip = vec4(uv.x * 2.0 - 1.0, 1.0 - uv.y * 2.0, depth, 1.0);
        vec4 world = matViewProjInv * clip;
        return world.xyz / world.w;
    }

    void main()
    {
        float depth = texture(depth_sampler, vTexCoord).r;
#if defined(USE_DIRECTIONAL_LIGHTING)
        vec4 stored = texture(normal_sampler, vTexCoord);
        vec3 normal = stored.xyz * 2.0 - 1.0;
        vec4 albedo = texture(color_sampler, vTexCoord);
        vec3 toLight = -normalize(vecSunDir + vec3(0.0, 0.0, 1e-6));
        vec3 light = stored.a > 0.5 ? vecSunAmbient.rgb * fSunAmbientPower +
                                          vecSunDiffuse.rgb * fSunDiffusePower * max(dot(normal, toLight), 0.0)
                                    : vec3(1.0);
        fx_Target0 = vec4(albedo.rgb * light + texture(material_sampler, vTexCoord).rgb, depth > 0.0 ? 1.0 : 0.0);
#elif defined(USE_OMNI_LIGHTING)
        // The targets are read and the pixel blended once for the whole batch. Each light adds
        // what a pass of its own would have added to the 8-bit target: its share is rounded to
        // 8 bits before the sum, and the sum's overflow is clamped as each addition's was.
        // The lights are selected, not branched around: a software rasterizer runs every
        // instruction for every pixel anyway, and a branch costs it more than the work.
        vec3 world = WorldPosition(vTexCoord, depth);
        vec4 stored = texture(normal_sampler, vTexCoord);
        vec3 normal = stored.xyz * 2.0 - 1.0;
        vec3 albedo = texture(color_sampler, vTexCoord).rgb;
        vec3 sum = vec3(0.0);
        float reached = 0.0;
        for (int i = 0; i < OMNI_COUNT; ++i) {
            vec4 source = omniLights[3 * i];
            vec4 color = omniLights[3 * i + 1];
            vec4 rect = omniLights[3 * i + 2];
            vec3 toLight = source.xyz - world;
            float distance = length(toLight);
            bool shaded = depth > 0.0 && distance < source.w && all(greaterThanEqual(gl_FragCoord.xy, rect.xy)) &&
                          all(lessThan(gl_FragCoord.xy, rect.zw));
            float falloff = 1.0 - distance / source.w;
            falloff *= falloff;
            float lit = max(dot(normal, toLight / max(distance, 0.001)), 0.0);
            vec3 light = stored.a > 0.5 ? color.rgb * (lit * falloff * color.w) : vec3(0.0);
            sum += shaded ? roundEven(clamp(albedo * light, 0.0, 1.0) * 255.0) / 255.0 : vec3(0.0);
            reached = shaded ? 1.0 : reached;
        }
        fx_Target0 = vec4(sum, reached);
#else
        // Pixels without geometry or out of the light's reach are done before the other targets
        // are read: most of a light's rectangle is one or the other.
        vec3 toLight = vecOmniPos - WorldPosition(vTexCoord, depth);
        float distance = length(toLight);
        if (depth <= 0.0 || distance >= fOmniRange) {
            fx_Target0 = vec4(0.0);
            return;
        }
        vec4 stored = texture(normal_sampler, vTexCoord);
        vec3 normal = stored.xyz * 2.0 - 1.0;
        float falloff = 1.0 - distance / fOmniRange;
        falloff *= falloff;
        float lit = max(dot(normal, toLight / max(distance, 0.001)), 0.0);
        vec3 light = stored.a > 0.5 ? vecOmniDiffuse.rgb * vecOmniAttenuation.rgb * (lit * falloff * fOmniIntensity)
                                    : vec3(0.0);
        fx_Target0 = vec4(texture(color_sampler, vTexCoord).rgb * light, 1.0);
#endif
    }
}

technique DeferredLighting {
    pass p0 { VertexShader = vs_far_quad; FragmentShader = fs_light; }
}
