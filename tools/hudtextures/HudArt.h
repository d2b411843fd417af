#pragma once
// The painters of the HUD's pictures: panels, bars, rings, arrows, brackets, lamps, flames,
// cracks, ship schematics and captions on transparent ground, in straight RGBA.
#include "guitextures/Canvas.h"

#include <string>
#include <vector>

class Font;

namespace HudArt {

using Rgba = Canvas::Rgba;

// The HUD's palette.
extern const Rgba Cyan;
extern const Rgba DeepBlue;
extern const Rgba Red;
extern const Rgba Amber;
extern const Rgba Green;
extern const Rgba White;

Rgba WithAlpha(Rgba color, float alpha);

// A rounded rectangle filled and outlined (either may be transparent).
void Panel(Canvas& c, float x, float y, float w, float h, float radius, Rgba fill, Rgba border, float borderWidth);
// A panel whose bottom edge is drawn only `bottomArm` in from each corner: a caption may reach
// down to its foot without standing on a line.
void Card(Canvas& c, float x, float y, float w, float h, float radius, Rgba fill, Rgba border, float borderWidth,
          float bottomArm);
// A horizontal bar from `left` colour to `right` colour with a bright upper edge.
void Bar(Canvas& c, float x, float y, float w, float h, Rgba left, Rgba right);
// A ring of `ticks` marks (none for 0) about (cx, cy).
void Ring(Canvas& c, float cx, float cy, float radius, float width, Rgba color, int ticks, float gap);
// A filled arrow head pointing up, its tip at (cx, top).
void ArrowUp(Canvas& c, float cx, float top, float width, float height, Rgba color);
// Four corner brackets of a square box.
void Brackets(Canvas& c, float x, float y, float size, float arm, float width, Rgba color);
// A round lamp with a soft glow.
void Lamp(Canvas& c, float cx, float cy, float radius, Rgba color);
// A flame tongue along x from `fromX` to `toX`, `height` tall, centred on `cy`.
void Flame(Canvas& c, float fromX, float toX, float cy, float height, Rgba core, Rgba edge);
// Cracks in glass running out from (cx, cy); the same for the same seed.
void Crack(Canvas& c, float cx, float cy, float reach, unsigned seed);
// A fighter seen from above, nose up, centred, `size` long.
void Fighter(Canvas& c, float cx, float cy, float size, Rgba fill, Rgba line);
// A cargo hull seen from above.
void Cargo(Canvas& c, float cx, float cy, float size, Rgba fill, Rgba line);
// A straight line.
void Line(Canvas& c, float ax, float ay, float bx, float by, float width, Rgba color);

// Captions need a font: null when the system has none (captions are then left out).
Font* CaptionFont(unsigned height, bool bold);
// Text (UTF-8) centred on (cx, cy).
void Caption(Canvas& c, const std::string& text, float cx, float cy, unsigned height, bool bold, Rgba color);

} // namespace HudArt
