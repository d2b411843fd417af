// A mesh with one texture, lit by the sun unless the material turns lighting off (then the
// texture as it is), per face with flat shading. Flags: USE_INSTANCING (the instance index
// follows the one texture coordinate set), USE_UNLIT (never lit), USE_TINT (times TINT_COLOR),
// USE_DEFERRED (written into the targets of the deferred lighting stage, which lights it).
#include "SharedParams"

#ifdef USE_DEFERRED
float usingDeferredShading;
#endif

texture DiffuseMap : BASE_MAP;
sampler base_sampler { Texture = DiffuseMap; MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; }
vec4 tint : TINT_COLOR = {1, 1, 1, 1};

vertex vs_mesh {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    layout(location = GFX_LOC_NORMAL) in vec3 inNormal;
    layout(location = GFX_LOC_TEXCOORD0) in vec2 inTexCoord;
#ifdef USE_INSTANCING
    layout(location = GFX_LOC_TEXCOORD1) in float inInstance;
#else
    const float inInstance = 0.0;
#endif
    out vec3 vNormal;
    out vec3 vPosition;
    out vec2 vTexCoord;
    out vec2 vDepth;
    void main()
    {
        mat4 world = WorldOf(inInstance);
        vec4 position = world * vec4(inPosition, 1.0);
        gl_Position = matViewProj * position;
        vPosition = position.xyz;
        vNormal = (world * vec4(inNormal, 0.0)).xyz;
        vTexCoord = inTexCoord;
        vDepth = gl_Position.zw;
    }
}

fragment fs_mesh {
    in vec3 vNormal;
    in vec3 vPosition;
    in vec2 vTexCoord;
    in vec2 vDepth;
    void main()
    {
        vec4 color = texture(base_sampler, vTexCoord);
#ifdef USE_TINT
        color *= tint;
#endif
#ifdef USE_UNLIT
        const bool lighting = false;
#else
        bool lighting = fx_Lighting != 0;
#endif
        vec3 normal = fx_ShadingNormal(vNormal, vPosition);
#ifdef USE_DEFERRED
        // Targets: depth (z / w), the world normal packed to 0..1 with alpha 0 where lighting is
        // off, the albedo, the emissive colour.
        if (length(normal) == 0.0) normal = vec3(0.0, 0.0, -1.0);
        fx_Target0 = vec4(vDepth.x / vDepth.y, 0.0, 0.0, 1.0);
        fx_Target1 = vec4(normal * 0.5 + 0.5, lighting ? 1.0 : 0.0);
        fx_Target2 = color;
        fx_Target3 = vec4(0.0, 0.0, 0.0, 1.0);
#else
        if (lighting) {
            float lit = length(normal) > 0.0 && length(vecSunDir) > 0.0
                            ? max(dot(normal, -normalize(vecSunDir)), 0.0) : 0.0;
            color.rgb *= vecSunAmbient.rgb * fSunAmbientPower + vecSunDiffuse.rgb * fSunDiffusePower * lit;
        }
        fx_Target0 = color;
#endif
    }
}

technique Diffuse {
    pass p0 { VertexShader = vs_mesh; FragmentShader = fs_mesh; }
}
