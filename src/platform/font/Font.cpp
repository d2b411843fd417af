#include "platform/font/Font.h"

#include "foundation/base/Dumper.h"
#include "platform/font/FontLibrary.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

std::unique_ptr<Font> Font::Create(FontLibrary& library, const FontDesc& desc)
{
    std::string file;
    int index = 0;
    if (!library.FindFontFile(desc.face, desc.weight, desc.italic, file, index))
    {
        Dumper::Instance().Print(DUMP_ERROR, "No font found for \"%s\"\n", desc.face.c_str());
        return nullptr;
    }
    FT_Face face = nullptr;
    if (FT_New_Face(library.GetHandle(), file.c_str(), index, &face) != 0)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Font file \"%s\" for \"%s\" could not be opened\n", file.c_str(),
                                 desc.face.c_str());
        return nullptr;
    }
    if (!FT_IS_SCALABLE(face))
    {
        Dumper::Instance().Print(DUMP_ERROR, "Font file \"%s\" for \"%s\" is not scalable\n", file.c_str(),
                                 desc.face.c_str());
        FT_Done_Face(face);
        return nullptr;
    }
    FontDesc checked = desc;
    checked.height = std::clamp(desc.height, 1u, 512u);
    checked.width = std::min(desc.width, 512u);
    return std::unique_ptr<Font>(new Font(face, checked, std::move(file)));
}

Font::Font(FT_FaceRec_* face, const FontDesc& desc, std::string file) : _face(face), _desc(desc), _file(std::move(file))
{
    // What the found face lacks of the request is made up by the rasteriser.
    _embolden = desc.weight >= 600 && !(face->style_flags & FT_STYLE_FLAG_BOLD);
    _slant = desc.italic && !(face->style_flags & FT_STYLE_FLAG_ITALIC);
    SetSizes();
}

Font::~Font() { FT_Done_Face(_face); }

// The height asked for is the whole cell (ascent plus descent), as the engine's callers
// expect; the width, when given, is the average character width.
void Font::SetSizes()
{
    const double unitsPerEm = _face->units_per_EM ? _face->units_per_EM : 2048;
    double ascent = _face->ascender, descent = -_face->descender, average = 0.0;
    if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(_face, FT_SFNT_OS2)))
    {
        if (os2->usWinAscent + os2->usWinDescent > 0)
        {
            ascent = os2->usWinAscent;
            descent = os2->usWinDescent;
        }
        average = os2->xAvgCharWidth;
    }
    if (ascent + descent <= 0)
        ascent = unitsPerEm, descent = 0;
    const double emY = _desc.height * unitsPerEm / (ascent + descent);
    if (average <= 0)
        average = unitsPerEm * 0.5;
    const double emX = _desc.width ? _desc.width * unitsPerEm / average : emY;
    FT_Set_Char_Size(_face, FT_F26Dot6(std::lround(emX * 64)), FT_F26Dot6(std::lround(emY * 64)), 72, 72);
    if (_slant)
    {
        FT_Matrix shear = {0x10000, 0x0366A, 0, 0x10000}; // about 12 degrees
        FT_Set_Transform(_face, &shear, nullptr);
    }
    _ascent = static_cast<int>(std::lround(ascent * emY / unitsPerEm));
    _lineHeight = static_cast<int>(_desc.height);
    _averageWidth = static_cast<float>(average * emX / unitsPerEm);
}

const Font::Glyph& Font::GetGlyph(char32_t codePoint)
{
    auto found = _glyphs.find(codePoint);
    if (found != _glyphs.end())
        return found->second;
    Glyph& glyph = _glyphs[codePoint];
    const FT_UInt index = FT_Get_Char_Index(_face, codePoint);
    if (FT_Load_Glyph(_face, index, FT_LOAD_DEFAULT) != 0)
        return glyph;
    FT_GlyphSlot slot = _face->glyph;
    if (_embolden)
        FT_GlyphSlot_Embolden(slot);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
        return glyph;
    glyph.advance = slot->advance.x / 64.0f;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.width == 0 || bitmap.rows == 0 || bitmap.pixel_mode != FT_PIXEL_MODE_GRAY)
        return glyph;
    unsigned x = 0, y = 0;
    if (!_atlas.Insert(bitmap.width, bitmap.rows, bitmap.buffer, bitmap.pitch, x, y))
    {
        if (!_atlasFullReported)
        {
            Dumper::Instance().Print(DUMP_WARNING, "Glyph atlas of \"%s\" %u is full; further glyphs are not drawn\n",
                                     _desc.face.c_str(), _desc.height);
            _atlasFullReported = true;
        }
        return glyph;
    }
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = bitmap.width;
    glyph.height = bitmap.rows;
    glyph.atlasX = x;
    glyph.atlasY = y;
    return glyph;
}
