#include "HudArt.h"
#include "HudCatalog.h"

#include <algorithm>
#include <cmath>
#include <string>

using namespace HudArt;

namespace {

// A picture the HUD holds without drawing: a small labelled plate.
HudPicture Held(const std::string& material, const std::string& caption, const std::string& about)
{
    return Picture(
        material, 64, 32,
        [=](Canvas& c) {
            Panel(c, 1, 1, 62, 30, 4, WithAlpha(DeepBlue, 0.7f), WithAlpha(Cyan, 0.7f), 1);
            Caption(c, caption, 32, 16, 9, true, Cyan);
        },
        about);
}

// A caption on transparent ground.
HudPicture Text(const std::string& material, unsigned width, unsigned height, const std::string& caption,
                const std::string& about)
{
    return Picture(
        material, width, height,
        [=](Canvas& c) {
            Caption(c, caption, float(width) * 0.5f, float(height) * 0.5f, std::min(height * 2 / 3, 14u), true, Cyan);
        },
        about);
}

std::vector<HudPicture> OwnShipPictures()
{
    std::vector<HudPicture> pictures;
    // The shield column: full between v 0.16 and 0.84, white so that its colour shows.
    pictures.push_back(Picture(
        "gui//energy_shield_lvl.mat", 128, 256,
        [](Canvas& c) {
            for (float y = 42; y < 214; y += 6)
                Panel(c, 52, y, 24, 4, 1, White, White, 0);
        },
        "The energy-shield column, cut at the shield's level."));
    for (const char* side : {"t", "b"})
    {
        pictures.push_back(Picture(
            std::string("gui//energy_shield_pointer_") + side + ".mat", 128, 16,
            [](Canvas& c) {
                Line(c, 20, 8, 110, 8, 2, White);
                ArrowUp(c, 14, 2, 12, 12, White);
            },
            "A pointer at an end of the shield column."));
    }
    // The seven parts: nose tip, wings, body and tail, white so that their health shows.
    const unsigned heights[7] = {8, 32, 32, 64, 32, 32, 8};
    for (int i = 0; i < 7; ++i)
    {
        const unsigned h = heights[i];
        pictures.push_back(Picture(
            "gui//armor_lvl_" + std::to_string(i) + ".mat", 32, h,
            [=](Canvas& c) { Panel(c, 2, 1, 28, float(h) - 2, 3, White, White, 0); },
            "A part of the own ship, tinted by its health."));
    }
    // One texel a design unit: the long rows' bars start at 1070 under their badges (to 1077),
    // the short rows' at texel 10, 1080, under theirs (to 1086); both show from 1088.
    pictures.push_back(Picture(
        "gui_hud_usership_line.mat", 128, 16,
        [](Canvas& c) {
            Bar(c, 18, 3, 104, 10, Rgba{0.1f, 0.3f, 0.8f, 0.9f}, Cyan);
            for (float x = 26; x < 120; x += 8)
                Line(c, x, 3, x, 13, 1, Rgba{0, 0.05f, 0.15f, 0.6f});
        },
        "A level bar of the own-ship panel, full from 0.14 to 0.953 of its width."));
    // What the panel holds without drawing.
    for (const char* name : {"energy_shield", "energy_full", "energy_half", "energy_critical", "armor"})
        pictures.push_back(Held(std::string("gui//") + name + ".mat", name, "Held by the own-ship panel."));
    const char* const texts[8][2] = {
        {"booster_energy", "BOOSTER"}, {"front", "FRONT"},    {"radar", "RADAR"},  {"side", "SIDE"},
        {"target_ship", "TARGET"},     {"user_ship", "SHIP"}, {"wing1", "WING 1"}, {"wing2", "WING 2"}};
    for (const auto& text : texts)
        pictures.push_back(Text(std::string("gui//text_") + text[0] + ".mat", 128, 16, text[1], "A caption."));
    std::vector<std::string> held = {"gui_hud_usership_1", "gui_hud_usership_levelsS", "gui_hud_user_circle3",
                                     "gui_hud_usership_jetramka"};
    for (int i = 1; i <= 4; ++i)
    {
        held.push_back("gui_hud_usership_levels" + std::to_string(i) + "_s");
        held.push_back("gui_hud_usership_l" + std::to_string(i));
    }
    for (int i = 0; i <= 11; ++i)
        held.push_back("gui_hud_usership_jet" + std::to_string(i));
    for (int i = 1; i <= 7; ++i)
        held.push_back("gui_hud_usership_w" + std::to_string(i));
    for (const std::string& name : held)
        pictures.push_back(Held(name + ".mat", name.substr(name.rfind('_') + 1), "Held by the own-ship panel."));
    return pictures;
}

// A flame tongue of the boost, pointing right (or left), `length` of the picture's width.
HudPicture BoostFlame(int frame, bool right)
{
    const std::string side = right ? "R" : "L";
    const float length = 120.0f + 40.0f * float(frame);
    return Picture(
        "gui_hud_speed_busterF" + std::to_string(frame) + side + ".mat", 256, 64,
        [=](Canvas& c) {
            const float from = right ? 10.0f : 246.0f;
            Flame(c, from, right ? from + length : from - length, 32, 26.0f - 4.0f * float(frame), Rgba{1, 1, 0.8f, 1},
                  Rgba{1, 0.4f, 0.05f, 0.6f});
        },
        "A frame of the boost's flames, " + std::string(right ? "right" : "left") + ".");
}

std::vector<HudPicture> SpeedPictures()
{
    std::vector<HudPicture> pictures;
    pictures.push_back(Picture(
        "gui//speed_duplex_lvl_r.mat", 128, 64,
        [](Canvas& c) {
            Bar(c, 0, 18, 128, 20, Rgba{0, 0.6f, 1, 1}, Green);
        },
        "The gear display's bar growing right, cut at its value."));
    pictures.push_back(Picture(
        "gui//speed_duplex_lvl_l.mat", 128, 64,
        [](Canvas& c) {
            Bar(c, 0, 18, 128, 20, Green, Rgba{0, 0.6f, 1, 1});
        },
        "The gear display's bar growing left, cut at its value."));
    for (const char* side : {"r", "l"})
        pictures.push_back(Picture(
            std::string("gui//speed_duplex_pointer_") + side + ".mat", 16, 64,
            [](Canvas& c) { Panel(c, 5, 4, 6, 56, 2, Amber, White, 1); }, "A needle of the gear display."));
    for (int frame = 1; frame <= 3; ++frame)
    {
        pictures.push_back(BoostFlame(frame, true));
        pictures.push_back(BoostFlame(frame, false));
    }
    pictures.push_back(Picture(
        "gui_hud_speed_glamp.mat", 32, 32,
        [](Canvas& c) {
            Lamp(c, 16, 16, 7, Green);
            Line(c, 16, 2, 16, 8, 2, Green); // a mark to show it turning
        },
        "The green lamp: the booster energy is full."));
    pictures.push_back(Picture(
        "gui_hud_speed_rlamp.mat", 128, 128, [](Canvas& c) { Lamp(c, 41, 41, 9, Red); },
        "The red lamp: the booster energy is not full; lit at (41, 41)."));
    for (const char* side : {"L", "R"})
    {
        for (const char* held : {"gui_hud_speed_lvl", "hud_speed_burn", "gui_hud_speed_snake",
                                 "gui_hud_speed_bustrerBack", "gui_hud_speed_pointer"})
        {
            const std::string name = std::string(held) + side;
            pictures.push_back(Held(name + ".mat", name.substr(name.rfind('_') + 1), "Held by the speed gauge."));
        }
    }
    pictures.push_back(Held("gui_hud_energy.mat", "ENERGY", "Held by the booster energy."));
    return pictures;
}

// A face on a dark ground: an alien dealer's portrait for the radio messages.
void Portrait(Canvas& c, Rgba skin, float eyes)
{
    c.Fill([](float, float) { return 1.0f; },
           [](float, float y) {
               return Rgba{0.05f, 0.1f + y / 1280.0f, 0.16f + y / 800.0f, 1};
           });
    c.Fill(
        [](float x, float y) {
            return PolygonCover(x, y, {64, 110, 100, 28, 18}, {18, 50, 110, 110, 50});
        },
        [=](float x, float y) {
            const float shade = 0.7f + 0.3f * (1.0f - std::hypot(x - 56, y - 50) / 80.0f);
            return Rgba{skin.r * shade, skin.g * shade, skin.b * shade, 1};
        });
    for (float x : {46.0f, 82.0f})
        c.Fill([=](float px, float py) { return CircleCover(px, py, x, 58, eyes); },
               [](float, float) {
                   return Rgba{1, 0.85f, 0.1f, 1};
               });
    Line(c, 52, 90, 76, 90, 2, Rgba{0.1f, 0.05f, 0.05f, 1});
}

std::vector<HudPicture> MessagePictures()
{
    std::vector<HudPicture> pictures;
    pictures.push_back(Picture(
        "gui_hud_subjBack.mat", 256, 256,
        [](Canvas& c) { Panel(c, 2, 2, 252, 252, 10, WithAlpha(DeepBlue, 0.8f), Cyan, 2); },
        "The backdrop of the message box with photo."));
    pictures.push_back(Picture(
        "gui_hud_enemyMsg_back.mat", 256, 128,
        [](Canvas& c) {
            Panel(c, 2, 2, 252, 124, 10, Rgba{0.2f, 0.03f, 0.03f, 0.8f}, Red, 2);
        },
        "The backdrop of the enemy's message box."));
    for (const char* corner :
         {"gui_hud_enemyMsg_ugol1", "gui_hud_enemyMsg_ugol2", "gui_hud_enemyMsg_ugolNiz1L",
          "gui_hud_enemyMsg_ugolNiz2L", "gui_hud_enemyMsg_ugolNiz1L_2", "gui_hud_enemyMsg_ugolNiz2L_2",
          "gui_hud_enemyMsg_ugolNiz1R", "gui_hud_enemyMsg_ugolNiz2R"})
        pictures.push_back(Picture(
            std::string(corner) + ".mat", 32, 32, [](Canvas& c) { Brackets(c, 3, 3, 26, 12, 2, Cyan); },
            "A corner of a message box."));
    pictures.push_back(Picture(
        "gui_hud_enemyMsg_selection.mat", 256, 16,
        [](Canvas& c) { Bar(c, 0, 2, 256, 12, WithAlpha(Cyan, 0.8f), WithAlpha(Cyan, 0.1f)); },
        "A message box's selection bar."));
    pictures.push_back(Picture(
        "gui_hud_mb_ekran.mat", 128, 128,
        [](Canvas& c) {
            Panel(c, 2, 2, 124, 124, 6, Rgba{0, 0, 0, 0.8f}, WithAlpha(Cyan, 0.5f), 1);
        },
        "The screen behind a speaker's photo."));
    for (const char* frame : {"gui_hud_mb_ramka", "gui_hud_enemyMsg_ramka"})
        pictures.push_back(Picture(
            std::string(frame) + ".mat", 128, 128,
            [](Canvas& c) {
                Panel(c, 2, 2, 124, 124, 6, Rgba{0, 0, 0, 0}, Cyan, 2);
            },
            "The frame around a speaker's photo."));
    struct Dealer
    {
        const char* file;
        Rgba skin;
        float eyes;
    };
    for (const Dealer& dealer : {Dealer{"asp_dealer_01", Rgba{0.35f, 0.6f, 0.4f, 1}, 7},
                                 Dealer{"asp_dealer_02", Rgba{0.5f, 0.45f, 0.65f, 1}, 5}})
    {
        HudPicture photo = Picture(
            "", 128, 128, [=](Canvas& c) { Portrait(c, dealer.skin, dealer.eyes); }, "An ASP dealer's photo.");
        photo.texture = std::string("aliens_photo/") + dealer.file + ".dds";
        pictures.push_back(photo);
    }
    return pictures;
}

} // namespace

std::vector<HudPicture> GaugePictures()
{
    std::vector<HudPicture> pictures;
    for (std::vector<HudPicture> part : {OwnShipPictures(), SpeedPictures(), MessagePictures()})
        pictures.insert(pictures.end(), part.begin(), part.end());
    return pictures;
}
