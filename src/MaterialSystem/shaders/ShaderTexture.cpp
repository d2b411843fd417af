#include "MaterialSystem/shaders/ShaderTexture.h"

// The texture resources may not have landed in every build of this tree yet.
#if __has_include("MaterialSystem/Texture.h")
#include "MaterialSystem/Texture.h"

gfx::Texture* DeviceTexture(Texture* texture)
{
    return texture ? texture->GetTexHandle() : nullptr;
}
#else
gfx::Texture* DeviceTexture(Texture*)
{
    return nullptr;
}
#endif
