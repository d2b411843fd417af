#include "layers/widgets/GuiButtons.h"

using FlashHost::Args;

GuiSmallButton* GuiSmallButton::Load(const Vec2& designPos, int align)
{
    LoadLayer("smallButton", "swf//smallButton.swf", designPos, align, Vec2(256.0f, 105.0f));
    _enabled = true;
    _state = NoState;
    return this;
}

void GuiSmallButton::SetState(int state)
{
    if (state == _state)
        return;
    _state = state;
    Call(L"SetState", Args(state));
}

void GuiSmallButton::SetText(const char* text) { Call(L"SetText", Args(text)); }

GuiMiddleButton* GuiMiddleButton::Load(const Vec2& designPos, int align)
{
    LoadLayer("bigButton", "swf//middleButton.swf", designPos, align, Vec2(350.0f, 180.0f));
    _enabled = true;
    _state = NoState;
    return this;
}

void GuiMiddleButton::SetState(int state)
{
    const int shown = _enabled ? state : 0;
    if (shown == _state)
        return;
    _state = shown;
    Call(L"SetState", Args(shown));
}

void GuiMiddleButton::SetText(const char* text) { Call(L"SetText", Args(text)); }

GuiBigButton* GuiBigButton::Load(const Vec2& designPos, int align)
{
    LoadLayer("bigButton", "swf//bigButton2.swf", designPos, align, Vec2(512.0f, 180.0f));
    _enabled = true;
    return this;
}

void GuiBigButton::Reset()
{
    _enabled = false;
    SetState(0);
}

void GuiBigButton::SetState(int state) { Call(L"SetState", Args(state)); }

void GuiBigButton::SetText(const char* text) { Call(L"SetText", Args(text)); }

GuiTitleButton* GuiTitleButton::Load(const Vec2& designPos, int align)
{
    LoadLayer("buttonTitle", "swf//buttonTitle.swf", designPos, align, Vec2(320.0f, 140.0f));
    _state = NoState;
    _caption = GuiTextCache();
    _caption2 = GuiTextCache();
    return this;
}

void GuiTitleButton::SetState(int state)
{
    if (state == _state)
        return;
    _state = state;
    Call(L"SetState", Args(state));
}

void GuiTitleButton::SetCaption(const char* text) { Gui::CallOnChange(_layer, _caption, L"SetCaption", text); }

void GuiTitleButton::SetCaption2(const char* text) { Gui::CallOnChange(_layer, _caption2, L"SetCaption2", text); }
