#pragma once

// The size of the texture a video of width x height plays into. On a device that needs
// power-of-two textures both sides are first raised to powers of two; then a width below 512
// gives 512 x 384, a width above 512 gives 1024 x 768, and a width of exactly 512 keeps its
// height. The picture is scaled to fill the whole texture.
void ComputeVideoTextureSize(int& width, int& height, bool powerOfTwo);
