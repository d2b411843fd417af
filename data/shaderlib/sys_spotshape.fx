// The volume of a spot light (a unit shape placed and scaled by its world matrix), drawn into
// the stencil buffer only.
#include "SharedParams"

vertex vs_shape {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    void main() { gl_Position = matViewProj * (WorldOf(0.0) * vec4(inPosition, 1.0)); }
}

fragment fs_shape {
    void main() { fx_Target0 = vec4(0.0); }
}

technique SpotShape {
    pass p0 { VertexShader = vs_shape; FragmentShader = fs_shape; }
}
