// Screen quads: positions already in pixels (x, y, z, 1/w), a colour and one texture coordinate.
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
