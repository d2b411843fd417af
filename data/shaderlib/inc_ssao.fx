// What the ambient occlusion passes share: a pixel of the depth target (z / w, 0 where nothing
// was drawn) back in view space, where the eye is at the origin looking along +z.
glsl {
vec3 ViewPosition(vec2 uv, float depth)
{
    vec4 view = matProjInv * vec4(uv.x * 2.0 - 1.0, 1.0 - uv.y * 2.0, depth, 1.0);
    return view.xyz / view.w;
}
}
