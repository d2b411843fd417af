#pragma once

#include "platform/font/GlyphAtlas.h"

#include <memory>
#include <string>
#include <unordered_map>

class FontLibrary;
struct FT_FaceRec_;

// What a font is asked for by: a family name, the character cell height in pixels, the
// average character width (0: the face's natural width at that height), the weight
// (100..900) and the slant.
struct FontDesc
{
    std::string face;
    unsigned height = 16;
    unsigned width = 0;
    unsigned weight = 400;
    bool italic = false;
};

// A face at one size with its glyphs rasterised on demand into an atlas of its own.
class Font
{
public:
    struct Glyph
    {
        float advance = 0.0f;  // pixels to the next pen position
        int left = 0, top = 0; // bitmap corner relative to the pen on the baseline (top up)
        unsigned width = 0, height = 0;
        unsigned atlasX = 0, atlasY = 0;
    };

    // Null (and a logged error) when no face can be found or opened. The library outlives the font.
    static std::unique_ptr<Font> Create(FontLibrary& library, const FontDesc& desc);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const FontDesc& GetDesc() const { return _desc; }
    const std::string& GetFile() const { return _file; }
    // The cell: ascent above the baseline plus descent below it, in whole pixels.
    int GetAscent() const { return _ascent; }
    int GetLineHeight() const { return _lineHeight; }
    // The average character width in pixels (tab stops are eight of them apart).
    float GetAverageWidth() const { return _averageWidth; }
    // The glyph of a code point, rasterised into the atlas the first time it is asked for.
    const Glyph& GetGlyph(char32_t codePoint);
    const GlyphAtlas& GetAtlas() const { return _atlas; }

private:
    Font(FT_FaceRec_* face, const FontDesc& desc, std::string file);
    void SetSizes();

    FT_FaceRec_* _face;
    FontDesc _desc;
    std::string _file;
    bool _embolden = false;
    bool _slant = false;
    int _ascent = 0;
    int _lineHeight = 0;
    float _averageWidth = 0.0f;
    GlyphAtlas _atlas;
    std::unordered_map<char32_t, Glyph> _glyphs;
    bool _atlasFullReported = false;
};
