#include "MaterialSystem/shaders/ShaderLib.h"

// The stand-in for every shader that cannot be had: the base map lit by the sun, as the
// fixed-function pipeline would (material ambient {1.3, 0.3, 0.3}, diffuse {1.85, 0.85, 0.85}).
const char* const ProxyShaderText = R"(#include "SharedParams"

texture DiffuseMap : BASE_MAP;
sampler base_sampler { Texture = DiffuseMap; MinFilter = Linear; MagFilter = Linear; MipFilter = Point; }

vertex vs_proxy {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    layout(location = GFX_LOC_NORMAL) in vec3 inNormal;
    layout(location = GFX_LOC_TEXCOORD0) in vec2 inTexCoord;
    out vec4 vColor;
    out vec2 vTexCoord;
    void main()
    {
        const vec4 materialAmbient = vec4(1.3, 0.3, 0.3, 1.0);
        const vec4 materialDiffuse = vec4(1.85, 0.85, 0.85, 1.0);
        gl_Position = matProj * (matView * (matWorld * vec4(inPosition, 1.0)));
        vec3 normal = (matWorld * vec4(inNormal, 0.0)).xyz;
        float lit = length(normal) > 0.0 && length(vecSunDir) > 0.0 ? max(dot(normalize(normal), -normalize(vecSunDir)), 0.0) : 0.0;
        // Unlit materials take white, as the fixed pipeline does without a vertex colour.
        vColor = fx_Lighting != 0 ? clamp(materialAmbient * vecSunAmbient + materialDiffuse * vecSunDiffuse * lit, 0.0, 1.0)
                                  : vec4(1.0);
        vColor.a = materialDiffuse.a;
        vTexCoord = inTexCoord;
    }
}

fragment fs_proxy {
    in vec4 vColor;
    in vec2 vTexCoord;
    void main() { fx_Target0 = texture(base_sampler, vTexCoord) * vColor; }
}

technique SimpleDiffuseMapAndDirectionalLight {
    pass p1 { VertexShader = vs_proxy; FragmentShader = fs_proxy; }
}
)";
