#include "layers/widgets/GuiButtons.h"

using FlashHost::Args;

void GuiButton::LoadButton(const char* name, const char* movie, const Vec2& designPos, int align,
                           const Vec2& designSize)
{
    LoadLayer(name, movie, designPos, align, designSize);
    _enabled = true;
}

void GuiButton::SetText(const char* text) { Call(L"SetText", Args(text)); }

GuiSmallButton* GuiSmallButton::Load(const Vec2& designPos, int align)
{
    LoadButton("smallButton", "swf//smallButton.swf", designPos, align, Vec2(256.0f, 105.0f));
    _state = NoState;
    return this;
}

void GuiSmallButton::SetState(int state) { Gui::CallOnChange(_layer, _state, L"SetState", state); }

GuiMiddleButton* GuiMiddleButton::Load(const Vec2& designPos, int align)
{
    LoadButton("bigButton", "swf//middleButton.swf", designPos, align, Vec2(350.0f, 180.0f));
    _state = NoState;
    return this;
}

void GuiMiddleButton::SetState(int state) { Gui::CallOnChange(_layer, _state, L"SetState", _enabled ? state : 0); }

GuiBigButton* GuiBigButton::Load(const Vec2& designPos, int align)
{
    LoadButton("bigButton", "swf//bigButton2.swf", designPos, align, Vec2(512.0f, 180.0f));
    return this;
}

void GuiBigButton::Reset()
{
    _enabled = false;
    SetState(0);
}

void GuiBigButton::SetState(int state) { Call(L"SetState", Args(state)); }

GuiTitleButton* GuiTitleButton::Load(const Vec2& designPos, int align)
{
    LoadLayer("buttonTitle", "swf//buttonTitle.swf", designPos, align, Vec2(320.0f, 140.0f));
    _state = NoState;
    _caption = GuiTextCache();
    _caption2 = GuiTextCache();
    return this;
}

void GuiTitleButton::SetState(int state) { Gui::CallOnChange(_layer, _state, L"SetState", state); }

void GuiTitleButton::SetCaption(const char* text) { Gui::CallOnChange(_layer, _caption, L"SetCaption", text); }

void GuiTitleButton::SetCaption2(const char* text) { Gui::CallOnChange(_layer, _caption2, L"SetCaption2", text); }
