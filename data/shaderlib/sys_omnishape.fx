// The sphere of an omni light, drawn into the stencil buffer only.
#include "SharedParams"

vertex vs_shape {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    void main()
    {
        vec3 world = vecOmniPos + inPosition * fOmniRange;
        gl_Position = matViewProj * vec4(world, 1.0);
    }
}

fragment fs_shape {
    void main() { fx_Target0 = vec4(0.0); }
}

technique OmniShape {
    pass p0 { VertexShader = vs_shape; FragmentShader = fs_shape; }
}
