// Writes the screens' textures into the data folder given as the argument.
#include "ContentFile.h"
#include "guitextures/HangarArt.h"
#include "guitextures/LogoArt.h"
#include "guitextures/MenuArt.h"
#include "guitextures/MissionTextures.h"
#include "guitextures/NetworkArt.h"
#include "textures/DdsWriter.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: make_gui_textures <data folder>\n");
        return 1;
    }
    const std::filesystem::path root = std::filesystem::path(argv[1]) / "textures";
    // Screen pictures are drawn at their size: no mip-maps.
    DdsWriteOptions options;
    options.mips = false;
    bool ok = true;
    ok &= WriteContentFile(root / "logo.dds", WriteDds(MakeLogoBackground(512), options));
    ok &= WriteContentFile(root / "black50.dds", WriteDds(Image(4, 4, 0x80000000u), options));
    ok &= WriteContentFile(root / "gui" / "logo_main.dds", WriteDds(MakeLogoName(512, 128), options));
    for (int i = 0; i < 4; ++i)
    {
        const std::string name = "logo_0" + std::to_string(i) + ".dds";
        ok &= WriteContentFile(root / "gui" / name, WriteDds(MakeLogoEmblem(i, 128), options));
    }
    const struct
    {
        const char* name;
        SlotPiece piece;
    } slotPieces[] = {
        {"slot1_back1.dds", SlotPiece::SmallPlate},  {"slot1_back2.dds", SlotPiece::SmallFrame},
        {"slot2_back1.dds", SlotPiece::MiddlePlate}, {"slot2_back2.dds", SlotPiece::MiddleFrame},
        {"slot3_back1.dds", SlotPiece::CentrePlate}, {"slot3_ramka.dds", SlotPiece::CentreFrame},
    };
    for (const auto& slot : slotPieces)
        ok &= WriteContentFile(root / "gui_profiles" / slot.name, WriteDds(MakeSlotPiece(slot.piece), options));
    for (const HangarPicture& picture : HangarPictures())
    {
        DdsWriteOptions pictureOptions = options;
        pictureOptions.mips = picture.mips;
        ok &= WriteContentFile(root / picture.path, WriteDds(picture.make(), pictureOptions));
    }
    ok &= WriteMissionTextures(root, options);
    for (const NetworkPicture& picture : NetworkPictures())
        ok &= WriteContentFile(root / picture.path, WriteDds(picture.make(), options));
    return ok ? 0 : 1;
}
