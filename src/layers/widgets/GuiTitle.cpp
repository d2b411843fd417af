#include "layers/widgets/GuiTitle.h"

#include "layers/widgets/GuiGame.h"

using FlashHost::Args;

GuiTitle* GuiTitle::Load()
{
    LoadLayer("title", "swf//title.swf", Vec2(0.0f, 13.0f), GA_CENTER, Vec2(1280.0f, 69.0f));
    return this;
}

void GuiTitle::SetTitle(const char* text) { Call(L"SetTitle", Args(text)); }

GuiTipsPanel* GuiTipsPanel::Load()
{
    LoadLayer("remarks", "swf//remarks.swf", Vec2(39.0f, 911.0f), GA_CENTER, Vec2(1205.0f, 45.0f));
    Call(L"Set1", Args(GuiGame::Text("ui_common_tip_00")));
    Call(L"Set2", Args(GuiGame::Text("ui_common_tip_01")));
    Call(L"Set3", Args(GuiGame::Text("ui_common_tip_02")));
    Call(L"Set4", Args(GuiGame::Text("ui_common_tip_03")));
    return this;
}
