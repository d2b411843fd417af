// Ambient occlusion, second pass: how open each drawn pixel is, 1 (nothing near it) to 0 (deep
// in a crease), in every colour channel. Sixteen points of the half sphere over the surface,
// turned by the 4 x 4 random normals so that neighbours sample differently, count as hidden
// where the half-size depth shows a surface in front of them, less so the farther that surface
// lies from the pixel.
#include "SharedParams"
#include "ScreenQuad"
#include "SSAO"

texture DepthMap : DEPTH_MAP;
texture DownsampledDepthMap : DEPTH_DS_MAP;
texture RandomNormalsMap : RANDNORMALS4X4_MAP;
float radius : SSAO_RADIUS = 3.0;
float strength : SSAO_STRENGTH = 1.5;
sampler depth_sampler { Texture = DepthMap; MinFilter = Point; MagFilter = Point; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }
sampler near_sampler { Texture = DownsampledDepthMap; MinFilter = Point; MagFilter = Point; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }
sampler random_sampler { Texture = RandomNormalsMap; MinFilter = Point; MagFilter = Point; MipFilter = None; AddressU = Wrap; AddressV = Wrap; }

fragment fs_post {
    in vec4 vColor;
    in vec2 vTexCoord;

    const vec3 kernel[16] = vec3[](
        vec3(0.53, 0.41, 0.32), vec3(-0.35, 0.62, 0.24), vec3(0.14, -0.47, 0.71), vec3(-0.62, -0.29, 0.19),
        vec3(0.21, 0.18, 0.42), vec3(-0.13, 0.33, 0.12), vec3(0.45, -0.12, 0.57), vec3(-0.28, -0.52, 0.46),
        vec3(0.71, 0.05, 0.35), vec3(-0.08, 0.81, 0.38), vec3(0.32, -0.73, 0.21), vec3(-0.79, 0.14, 0.52),
        vec3(0.09, 0.06, 0.93), vec3(-0.41, -0.09, 0.77), vec3(0.58, 0.57, 0.18), vec3(-0.17, -0.88, 0.29));

    // The surface's normal from the nearer neighbour on each axis, turned towards the eye.
    vec3 SurfaceNormal(vec3 p, vec2 texel)
    {
        vec3 right = ViewPosition(vTexCoord + vec2(texel.x, 0.0), texture(depth_sampler, vTexCoord + vec2(texel.x, 0.0)).r);
        vec3 left = ViewPosition(vTexCoord - vec2(texel.x, 0.0), texture(depth_sampler, vTexCoord - vec2(texel.x, 0.0)).r);
        vec3 down = ViewPosition(vTexCoord + vec2(0.0, texel.y), texture(depth_sampler, vTexCoord + vec2(0.0, texel.y)).r);
        vec3 up = ViewPosition(vTexCoord - vec2(0.0, texel.y), texture(depth_sampler, vTexCoord - vec2(0.0, texel.y)).r);
        vec3 dx = abs(right.z - p.z) < abs(p.z - left.z) ? right - p : p - left;
        vec3 dy = abs(down.z - p.z) < abs(p.z - up.z) ? down - p : p - up;
        vec3 n = normalize(cross(dx, dy));
        return dot(n, p) > 0.0 ? -n : n;
    }

    void main()
    {
        float depth = texture(depth_sampler, vTexCoord).r;
        if (depth <= 0.0) {
            fx_Target0 = vec4(1.0);
            return;
        }
        vec2 texel = 1.0 / vec2(textureSize(depth_sampler, 0));
        vec3 p = ViewPosition(vTexCoord, depth);
        vec3 n = SurfaceNormal(p, texel);
        vec3 turn = normalize(texture(random_sampler, gl_FragCoord.xy / 4.0).rgb * 2.0 - 1.0);
        // Lifted off the surface, so that a plane does not hide itself in the half-size depth.
        vec3 origin = p + n * (radius * 0.1);
        float hidden = 0.0;
        for (int i = 0; i < 16; ++i) {
            vec3 offset = reflect(kernel[i], turn);
            offset = dot(offset, n) < 0.0 ? -offset : offset;
            vec3 s = origin + offset * radius;
            vec4 clip = matProj * vec4(s, 1.0);
            vec2 uv = vec2(clip.x / clip.w * 0.5 + 0.5, 0.5 - clip.y / clip.w * 0.5);
            if (uv.x < 0.0 || uv.x > 1.0 || uv.y < 0.0 || uv.y > 1.0)
                continue;
            float nearest = texture(near_sampler, uv).r;
            if (nearest > 0.0 && nearest < s.z)
                hidden += smoothstep(0.0, 1.0, radius / abs(p.z - nearest));
        }
        float open = clamp(1.0 - strength * hidden / 16.0, 0.0, 1.0);
        fx_Target0 = vec4(open, open, open, 1.0);
    }
}

technique PostProcess {
    pass p0 { VertexShader = vs_screen_aligned; FragmentShader = fs_post; }
}
