// Writes the HUD's textures and materials into the data folder given as the argument.
#include "ContentFile.h"
#include "HudCatalog.h"
#include "HudWords.h"
#include "textures/DdsWriter.h"

#include "foundation/base/Path.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// The screen-quad effect takes premultiplied colour (as movies give it) and divides it back out.
Image Premultiplied(Image image)
{
    for (uint32_t& p : image.pixels)
    {
        const uint32_t a = p >> 24;
        auto channel = [&](int shift) { return ((p >> shift & 0xFF) * a + 127) / 255 << shift; };
        p = a << 24 | channel(16) | channel(8) | channel(0);
    }
    return image;
}

std::string MaterialScript(const HudPicture& picture)
{
    std::string flags = "MF_NOZCULL, MF_NOZWRITE, MF_TWO_SIDED, MF_UNLIT, ";
    flags += picture.additive ? "MF_ADDITIVE" : "MF_TRANSLUCENT";
    return "-- " + picture.about + "\nMaterial = {\n    Surface = \"generic\",\n    Flags = { " + flags +
           " },\n    Maps = { BASE_MAP = \"" + Lower(picture.texture) +
           "\" },\n    Technique = \"MAT_ScreenQuadFlash.fx\",\n}\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: make_hud_textures <data folder>\n");
        return 1;
    }
    const std::filesystem::path root(argv[1]);
    // The words come from the game's texts, copied into the data folder before this runs.
    const HudWords english(root, "en");
    std::vector<HudPicture> pictures = AllHudPictures(english);
    bool missing = english.HasMissing();
    std::error_code error;
    for (const std::filesystem::directory_entry& folder : std::filesystem::directory_iterator(root / "texts", error))
    {
        const std::string language = folder.path().filename().string();
        if (folder.is_directory() && language != english.Language())
        {
            const HudWords words(root, language);
            const std::vector<HudPicture> local = LocalisedPictures(words);
            pictures.insert(pictures.end(), local.begin(), local.end());
            missing |= words.HasMissing();
        }
    }
    // Screen pictures are drawn near their size: no mip-maps.
    DdsWriteOptions options;
    options.mips = false;
    bool ok = !error && !missing;
    if (error)
        std::fprintf(stderr, "make_hud_textures: no texts folder in %s\n", root.string().c_str());
    for (const HudPicture& picture : pictures)
    {
        Canvas canvas(picture.width, picture.height);
        picture.paint(canvas);
        ok &= WriteContentFile(root / "textures" / Lower(picture.texture),
                               WriteDds(Premultiplied(canvas.ToImage()), options));
        if (picture.material.empty())
            continue;
        const std::string script = MaterialScript(picture);
        ok &= WriteContentFile(root / "materials" / Lower(NormalizePath(picture.material)),
                               std::vector<uint8_t>(script.begin(), script.end()));
    }
    return ok ? 0 : 1;
}
