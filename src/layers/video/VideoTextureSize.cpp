#include "layers/video/VideoTextureSize.h"

namespace {

int NextPowerOfTwo(int value)
{
    int power = 1;
    while (power < value && power < (1 << 30))
        power *= 2;
    return power;
}

} // namespace

void ComputeVideoTextureSize(int& width, int& height, bool powerOfTwo)
{
    if (powerOfTwo)
    {
        width = NextPowerOfTwo(width);
        height = NextPowerOfTwo(height);
    }
    if (width < 512)
    {
        width = 512;
        height = 384;
    }
    else if (width > 512)
    {
        width = 1024;
        height = 768;
    }
}
