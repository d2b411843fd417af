#include "gui/menus/GuiMainMenuCredits.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/draw/ScreenPrims.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec4.h"
#include "game/core/game/MenuGame.h"
#include "layers/widgets/GuiGame.h"

#include <cstdio>

namespace {
constexpr const char* CreditsFile = "credits.txt";
}

void GuiMainMenuCredits::Initialize()
{
    _black = GuiGame::LoadMaterial("black.mat");
    _text[0] = '\0';
    // Made empty when it is missing.
    if (std::FILE* file = std::fopen(CreditsFile, "ab"))
        std::fclose(file);
    std::FILE* file = std::fopen(CreditsFile, "rb");
    if (!file)
        return;
    const size_t read = std::fread(_text, 1, BufferSize - 1, file);
    std::fclose(file);
    // Lines may end in "\r\n"; the renderer would draw the carriage returns.
    size_t kept = 0;
    for (size_t i = 0; i < read; ++i)
    {
        if (_text[i] != '\r')
            _text[kept++] = _text[i];
    }
    _text[kept] = '\0';
}

void GuiMainMenuCredits::SetCurState(int state)
{
    _scroll = 0.0f;
    _state = state;
}

// Screen pixels, not design units: the text enters at 790 and shows between 210 and 680.
void GuiMainMenuCredits::Proceed(float, float blend)
{
    _scroll += 100.0f * MenuGame::Spf();
    MaterialSystem* render = MenuGame::Render();
    if (!render)
        return;
    const float y = float(int(790.0f - _scroll));
    RenderText* text = render->DrawD3DText("Arial", 28, 14, 700, false, _text, Vec4(0.0f, y, 1280.0f, y + 99999.0f),
                                           TA_HCENTER, false, Color(0.0f, 1.0f, 1.0f, blend));
    if (!text)
        return;
    const float clip[4] = {0.0f, 210.0f, 1280.0f, 680.0f};
    for (int i = 0; i < 4; ++i)
        text->clipRect[i] = clip[i];
    text->clip = true;
}
