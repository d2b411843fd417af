#include "HudArt.h"
#include "HudCatalog.h"
#include "HudWords.h"

using namespace HudArt;

std::vector<HudPicture> WordPictures(const HudWords& words)
{
    std::vector<HudPicture> pictures;
    const char* const levels[4] = {"shd", "hul", "eng", "wpn"};
    for (int i = 0; i < 4; ++i)
    {
        const unsigned h = i == 0 || i == 3 ? 32 : 16;
        const std::string caption = words(std::string("ui_hud_level_") + levels[i]);
        const auto badge = [=](Canvas& c) {
            Panel(c, 1, 1, 30, float(h) - 2, 3, WithAlpha(DeepBlue, 0.8f), Cyan, 1);
            Caption(c, caption, 16, float(h) * 0.5f, 9, true, Cyan);
        };
        pictures.push_back(Picture("gui_hud_enemy_level" + std::to_string(i + 1) + ".mat", 32, h, badge,
                                   "The label of the target panel's " + std::string(levels[i]) + " bar."));
        pictures.push_back(Picture("gui_hud_usership_levels" + std::to_string(i + 1) + ".mat", 32, h, badge,
                                   "The badge of the own ship's " + std::string(levels[i]) + " level."));
    }
    for (const char* mode : {"direct", "strafe", "duplex", "comby"})
    {
        const std::string caption = words(std::string("ui_hud_fm_") + mode);
        pictures.push_back(Picture(
            std::string("gui//fm_") + mode + ".mat", 128, 128,
            [=](Canvas& c) {
                Panel(c, 14, 40, 100, 28, 6, WithAlpha(DeepBlue, 0.8f), Cyan, 1.5f);
                Caption(c, caption, 64, 54, 12, true, Cyan);
            },
            std::string("The flight model's icon: ") + mode + "."));
    }
    const std::string gear = words("ui_hud_gear");
    pictures.push_back(Picture(
        "gui//speed_duplex_back.mat", 256, 128,
        [=](Canvas& c) {
            Panel(c, 28, 4, 200, 56, 8, WithAlpha(DeepBlue, 0.8f), Cyan, 1.5f);
            Line(c, 128, 4, 128, 60, 1, WithAlpha(Cyan, 0.6f));
            Caption(c, gear, 128, 72, 10, true, Cyan);
        },
        "The duplex gear display's back."));
    return pictures;
}

std::vector<HudPicture> LocalisedPictures(const HudWords& words)
{
    std::vector<HudPicture> pictures = WordPictures(words);
    const std::string& language = words.Language();
    for (HudPicture& picture : pictures)
    {
        picture.material = language + "//" + picture.material;
        const size_t slash = picture.texture.rfind('/');
        picture.texture = picture.texture.substr(0, slash + 1) + language + picture.texture.substr(slash);
    }
    return pictures;
}
