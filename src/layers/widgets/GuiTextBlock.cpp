#include "layers/widgets/GuiTextBlock.h"

#include "MaterialSystem/MaterialSystem.h"
#include "foundation/math/Vec4.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiWidget.h"

void GuiTextBlock::SetCaption(const char* text) { Gui::CopyText(_caption, TextSize, text); }

void GuiTextBlock::SetText(const char* text) { Gui::CopyText(_text, TextSize, text); }

void GuiTextBlock::Draw(const Vec2& pos) const
{
    MaterialSystem* system = LayerManager::GetMaterialSystem();
    if (!system)
        return;
    system->DrawD3DText("Arial", 24, 10, 700, false, _caption,
                        Vec4(pos.x + 119.0f, pos.y + 36.0f, pos.x + 391.0f, pos.y + 90.0f), TA_CENTER, true, _color);
    system->DrawD3DText("Arial", 14, 10, 700, false, _text,
                        Vec4(pos.x + 222.0f, pos.y + 88.0f, pos.x + 302.0f, pos.y + 111.0f), TA_CENTER, true, _color);
}
