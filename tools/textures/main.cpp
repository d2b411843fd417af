// Writes the demo data's textures into the data folder given as the argument.
#include "ContentFile.h"
#include "textures/CockpitTextures.h"
#include "textures/DdsWriter.h"
#include "textures/Image.h"
#include "textures/ObjectTextures.h"
#include "textures/ParticleTextures.h"
#include "textures/RaceTextures.h"
#include "textures/SceneImages.h"
#include "textures/WeaponTextures.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

namespace {

struct Entry
{
    const char* path;
    std::function<Image()> make;
    DdsWriteOptions options;
};

DdsWriteOptions Options(DdsPixels pixels, bool mips = true)
{
    DdsWriteOptions options;
    options.pixels = pixels;
    options.mips = mips;
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: make_textures <data folder>\n");
        return 1;
    }
    const std::filesystem::path root = std::filesystem::path(argv[1]) / "textures";
    const Entry entries[] = {
        {"checker.dds", [] { return MakeChecker(128, 128, 16, 0xFF202020, 0xFFE0E0E0); }, Options(DdsPixels::Argb32)},
        {"gradient.dds", [] { return MakeGradient(256, 16, 0xFF000040, 0xFF40C0FF); }, Options(DdsPixels::Argb32)},
        {"noise.dds", [] { return MakeNoise(128, 128, 7, 0xFF303840, 0xFFA0A8B0); }, Options(DdsPixels::Dxt1)},
        {"hull.dds", [] { return MakeNoise(256, 256, 11, 0xFF404850, 0xFF9098A0); }, Options(DdsPixels::Dxt1)},
        {"glow.dds", [] { return MakeGradient(64, 64, 0xFFFFE080, 0x00FF8000); }, Options(DdsPixels::Dxt5)},
        {"white.dds", [] { return Image(4, 4, 0xFFFFFFFF); }, Options(DdsPixels::Argb32, false)},
        {"pp_motionbloor_mask.dds", [] { return MakeEdgeMask(128); }, Options(DdsPixels::Argb32, false)},
        {"pp_ssao_randomnormals4x4mips.dds", [] { return MakeRandomNormals(4, 5); }, Options(DdsPixels::Argb32)},
        {"lensflare.dds", [] { return MakeFlareAtlas(64); }, Options(DdsPixels::Argb32)},
        // Race emblems, one colour and number of rays each.
        {"races/asp.dds", [] { return MakeEmblem(64, 0xFF2060C0, 3); }, Options(DdsPixels::Argb32)},
        {"races/blg.dds", [] { return MakeEmblem(64, 0xFFC03020, 4); }, Options(DdsPixels::Argb32)},
        {"races/fslk.dds", [] { return MakeEmblem(64, 0xFF20A060, 5); }, Options(DdsPixels::Argb32)},
        {"races/rtb.dds", [] { return MakeEmblem(64, 0xFFC08020, 6); }, Options(DdsPixels::Argb32)},
        {"races/sha.dds", [] { return MakeEmblem(64, 0xFF8040C0, 7); }, Options(DdsPixels::Argb32)},
        {"races/smkt.dds", [] { return MakeEmblem(64, 0xFF20A0B0, 8); }, Options(DdsPixels::Argb32)},
        {"races/tld.dds", [] { return MakeEmblem(64, 0xFF909090, 9); }, Options(DdsPixels::Argb32)},
        {"races/ytg.dds", [] { return MakeEmblem(64, 0xFF60A020, 10); }, Options(DdsPixels::Argb32)},
        // The pilot's default portrait and the picture of a ship in the pilot header.
        {"faces/player.dds", [] { return MakePortrait(128, 0xFF8A9AB0, 0xFF23405E); }, Options(DdsPixels::Argb32)},
        {"angar/default_ship.dds", [] { return MakeShipPicture(128, 0xFF9AA8B8); }, Options(DdsPixels::Argb32)},
        // Mission previews and the skies of their star systems.
        {"levels/lvl_00.dds", [] { return MakeNoise(256, 128, 21, 0xFF302818, 0xFFB09060); }, Options(DdsPixels::Dxt1)},
        {"levels/lvl_12.dds", [] { return MakeNoise(256, 128, 23, 0xFF101830, 0xFF6080C0); }, Options(DdsPixels::Dxt1)},
        {"sky/arrdra.dds", [] { return MakeNoise(256, 256, 31, 0xFF000000, 0xFF302018); }, Options(DdsPixels::Dxt1)},
        {"sky/aldaron.dds", [] { return MakeNoise(256, 256, 33, 0xFF000000, 0xFF182038); }, Options(DdsPixels::Dxt1)},
    };
    bool ok = true;
    for (const Entry& entry : entries)
        ok &= WriteContentFile(root / entry.path, WriteDds(entry.make(), entry.options));
    ok &= WriteParticleTextures(root);
    ok &= WriteWeaponTextures(root);
    ok &= WriteObjectTextures(root);
    ok &= WriteCockpitTextures(root);
    ok &= WriteRaceTextures(root);
    return ok ? 0 : 1;
}
