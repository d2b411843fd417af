#pragma once

#include <memory>
#include <string>

struct FT_LibraryRec_;

// The font rasteriser and the system's font lookup. Faces are asked for by family name,
// weight (100..900, 400 regular, 700 bold) and slant; the lookup substitutes metric-compatible
// families the system has for names it lacks.
class FontLibrary
{
public:
    // Null (and a logged error) when the rasteriser or the font lookup cannot start.
    static std::unique_ptr<FontLibrary> Create();
    ~FontLibrary();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    // The file of the best match and its face index; false when nothing matches at all.
    bool FindFontFile(const std::string& family, unsigned weight, bool italic, std::string& path, int& index) const;

    FT_LibraryRec_* GetHandle() const { return _library; }

private:
    explicit FontLibrary(FT_LibraryRec_* library) : _library(library) {}

    FT_LibraryRec_* _library;
};
