#include "game/hud/GuiShipHudBigMb.h"

#include "game/hud/HudServices.h"
#include "layers/widgets/GuiGame.h"

#include <cstring>

namespace {

const char* const MaterialFiles[GuiShipHudBigMb::MaterialCount] = {
    "gui_hud_bigmb_1.mat", "gui_hud_bigmb_2.mat", "gui_hud_bigmb_3.mat", "gui_hud_bigmb_4.mat", "gui_hud_bigmb_c1.mat"};

} // namespace

void GuiShipHudBigMb::Load()
{
    for (int i = 0; i < MaterialCount; ++i)
        _materials[i] = GuiGame::LoadMaterial(MaterialFiles[i]);
    _cornerMaterial = GuiGame::LoadMaterial("gui_hud_bigmb_c2.mat");
    _closed = true;
    _lineCount = 3;
    _title[0] = '\0';
    _text[0] = '\0';
}

int GuiShipHudBigMb::LinesFor(size_t titleLength, size_t textLength)
{
    int n = 0;
    while (float(n) * 7.5f + 27.625f < float(titleLength))
        ++n;
    while (float(n) * 168.0f + 600.0f < float(textLength))
        ++n;
    return n;
}

void GuiShipHudBigMb::SetMessage(const char* title, const char* text, int lines)
{
    _closed = false;
    Gui::CopyText(_title, sizeof _title, title);
    Gui::CopyText(_text, sizeof _text, text);
    // Counted on what the box holds.
    _lineCount = lines == -1 ? LinesFor(std::strlen(_title), std::strlen(_text)) : lines;
}
