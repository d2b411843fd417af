#include "MaterialSystem/shaders/ShaderTexture.h"

#include "MaterialSystem/textures/Texture.h"

gfx::Texture* DeviceTexture(Texture* texture) { return texture ? texture->GetTexHandle() : nullptr; }
