#pragma once

#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"

class Material;

// What the hangar's panels share: the frame time, the menu sounds and screen quads.
namespace HangarGui {

// The game's seconds per frame; 0 before the game runs.
float Spf();
// A one-shot 2D sound from "sounds/", when the game has a sound engine.
void Sound(const char* name);
// A quad in screen pixels, texture as is; null materials are passed over.
void Quad(Material* material, const Vec2& pos, const Vec2& size, const Color& color, float angle = 0.0f);
// The same with the texture mirrored left to right.
void MirroredQuad(Material* material, const Vec2& pos, const Vec2& size, const Color& color);
// A line of text in the screen rectangle (left, top, right, bottom), through the render device.
void Text(const char* face, unsigned height, unsigned width, const char* text, float left, float top, float right,
          float bottom, const Color& color, bool centred = false);

} // namespace HangarGui
