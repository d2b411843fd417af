#include "guitextures/MissionTextures.h"

#include "ContentFile.h"
#include "guitextures/MissionArt.h"

#include <string>

namespace {

// "<prefix>07.dds".
std::string Numbered(const char* prefix, int number)
{
    return prefix + std::string(number < 10 ? "0" : "") + std::to_string(number) + ".dds";
}

} // namespace

bool WriteMissionTextures(const std::filesystem::path& root, const DdsWriteOptions& options)
{
    bool ok = true;
    auto write = [&](const std::string& name, const Image& image) {
        ok &= WriteContentFile(root / name, WriteDds(image, options));
    };
    for (int i = 0; i < 8; ++i)
        write(Numbered("npcs/pirate_", i), MakeFace(i, 128));
    for (int i = 0; i < 2; ++i)
        write(Numbered("npcs/dealer_", i), MakeFace(8 + i, 128));
    write("agent/agent.dds", MakeFace(10, 256));
    write("agent/button_bg.dds", MakeButtonBar(512, 64));
    write("agent/briefing_bg_00.dds", MakeBriefingPage(0, 1024, 768));
    write("agent/briefing_bg_01.dds", MakeBriefingPage(1, 1024, 768));
    for (int i = 0; i < 10; ++i)
        write(Numbered("agent/photo", i), MakeOrderPhoto(i, 256));
    write("gui_team/loan_s.dds", MakeLoanCard(256, 128));
    write("angar/scroll_arrow_up.dds", MakeScrollArrow(128, true));
    write("angar/scroll_arrow_down.dds", MakeScrollArrow(128, false));
    write("gui_mission_select/m1.dds", MakeMissionPicture(0, 256));
    write("gui_mission_select/m1s.dds", MakeMissionPicture(0, 128));
    write("gui_mission_select/m3.dds", MakeMissionPicture(1, 256));
    write("gui_mission_select/m3s.dds", MakeMissionPicture(1, 128));
    return ok;
}
