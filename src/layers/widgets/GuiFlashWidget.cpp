#include "layers/widgets/GuiFlashWidget.h"

#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"

void GuiFlashWidget::Unload() { Gui::Detach(LayerManager::GetRoot(), _layer); }

void GuiFlashWidget::LoadLayer(const char* name, const char* movie, const Vec2& designPos, int align,
                               const Vec2& designSize)
{
    Unload();
    _layer = Gui::AddFlash(LayerManager::GetRoot(), name, movie, Gui::ScreenPos(designPos, align),
                           Gui::ScreenSize(designSize));
}
