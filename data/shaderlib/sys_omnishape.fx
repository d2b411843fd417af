// The sphere of an omni light (a unit sphere placed and scaled by its world matrix), drawn into
// the stencil buffer only: the scene masks the light's screen quad with it.
#include "SharedParams"

vertex vs_shape {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    void main() { gl_Position = matViewProj * (WorldOf(0.0) * vec4(inPosition, 1.0)); }
}

fragment fs_shape {
    void main() { fx_Target0 = vec4(0.0); }
}

technique OmniShape {
    pass p0 { VertexShader = vs_shape; FragmentShader = fs_shape; }
}
