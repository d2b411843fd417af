#pragma once

#include <string_view>
#include <vector>

class Font;

// Text placement flags (their values are those the engine's text calls pass around).
enum eTextFormat : unsigned
{
    TF_LEFT = 0x0,
    TF_TOP = 0x0,
    TF_CENTER = 0x1,     // each line centred horizontally in the box
    TF_RIGHT = 0x2,      // each line against the right edge
    TF_VCENTER = 0x4,    // the block of lines centred vertically
    TF_BOTTOM = 0x8,     // the block of lines against the bottom edge
    TF_WORDBREAK = 0x10, // lines wrap between words to fit the box's width
    TF_EXPANDTABS = 0x40,
};

struct TextBox
{
    int left = 0, top = 0, right = 0, bottom = 0;
};

// One glyph bitmap placed on the target, in whole pixels (top-left origin), with where its
// pixels are in the font's atlas.
struct PlacedGlyph
{
    int x = 0, y = 0;
    unsigned width = 0, height = 0;
    unsigned atlasX = 0, atlasY = 0;
};

// Places UTF-8 text in a box: "\n" starts a line ("\r" is ignored), tabs advance to the next
// stop of eight average widths with TF_EXPANDTABS (else they take no room), and TF_WORDBREAK
// wraps at spaces; a word wider than the box stays whole on its own line. Glyphs are placed
// whether or not they fall inside the box: clipping is the drawer's.
void LayoutText(Font& font, std::string_view text, const TextBox& box, unsigned format, std::vector<PlacedGlyph>& out);
// The pen width of the widest line of the text, unwrapped, in pixels: how wide a box must be for
// LayoutText to break it only at its newlines.
float MeasureText(Font& font, std::string_view text, unsigned format);
