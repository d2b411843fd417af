// Screen quads: positions already in pixels (x, y, z, 1/w), a colour and one texture coordinate.
// The quads of screen primitives (materials drawn by RenderQuad) come this way.
vertex vs_screen_quad {
    layout(location = GFX_LOC_POSITION) in vec4 inPosition;
    layout(location = GFX_LOC_COLOR0) in vec4 inColor;
    layout(location = GFX_LOC_TEXCOORD0) in vec2 inTexCoord;
    out vec4 vColor;
    out vec2 vTexCoord;
    void main()
    {
        gl_Position = gfx_PixelToClip(inPosition);
        vColor = inColor;
        vTexCoord = inTexCoord;
    }
}

// The full-screen quad of the screen-aligned draw (system and post-process passes): positions
// only, whose x and y are the texture coordinates of the target, reaching past its edges on
// every side. Texel centres meet pixel centres when source and target have the same size.
vertex vs_screen_aligned {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    out vec4 vColor;
    out vec2 vTexCoord;
    void main()
    {
        gl_Position = vec4(inPosition.x * 2.0 - 1.0, 1.0 - inPosition.y * 2.0, 0.0, 1.0);
        vColor = vec4(1.0);
        vTexCoord = inPosition.xy;
    }
}
