// Writes the HUD's textures and materials into the data folder given as the argument.
#include "ContentFile.h"
#include "HudCatalog.h"
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
    // Screen pictures are drawn near their size: no mip-maps.
    DdsWriteOptions options;
    options.mips = false;
    bool ok = true;
    for (const HudPicture& picture : AllHudPictures())
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
