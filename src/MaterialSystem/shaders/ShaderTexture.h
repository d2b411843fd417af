#pragma once

class Texture;
namespace gfx {
class Texture;
}

// The device texture behind a texture resource (null for null).
gfx::Texture* DeviceTexture(Texture* texture);
