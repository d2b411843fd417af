#include "platform/font/FontLibrary.h"

#include "foundation/base/Dumper.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

// Weights in the 100..900 scale of the callers, to the lookup's own scale.
int ToFcWeight(unsigned weight)
{
    if (weight >= 800)
        return FC_WEIGHT_EXTRABOLD;
    if (weight >= 700)
        return FC_WEIGHT_BOLD;
    if (weight >= 600)
        return FC_WEIGHT_DEMIBOLD;
    if (weight >= 500)
        return FC_WEIGHT_MEDIUM;
    if (weight >= 400 || weight == 0)
        return FC_WEIGHT_REGULAR;
    if (weight >= 300)
        return FC_WEIGHT_LIGHT;
    return FC_WEIGHT_EXTRALIGHT;
}

struct PatternDeleter
{
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

} // namespace

std::unique_ptr<FontLibrary> FontLibrary::Create()
{
    if (!FcInit())
    {
        Dumper::Instance().Print(DUMP_ERROR, "Font lookup could not be initialised\n");
        return nullptr;
    }
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Font rasteriser could not be initialised\n");
        return nullptr;
    }
    return std::unique_ptr<FontLibrary>(new FontLibrary(library));
}

FontLibrary::~FontLibrary() { FT_Done_FreeType(_library); }

bool FontLibrary::FindFontFile(const std::string& family, unsigned weight, bool italic, std::string& path,
                               int& index) const
{
    PatternPtr pattern(FcPatternCreate());
    if (!pattern)
        return false;
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, ToFcWeight(weight));
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match)
        return false;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || !file)
        return false;
    int faceIndex = 0;
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &faceIndex);
    path = reinterpret_cast<const char*>(file);
    index = faceIndex;
    return true;
}
