#pragma once

#include "layers/widgets/GuiFlashWidget.h"

// The buttons of the menu screens, each one Flash layer under the root, loaded at a design
// position with an alignment (eGuiAlign). Button states: 0 disabled, 1 normal, 2 selected.
// Setters called every frame send only changes; the caches start at NoState so that the
// first call after Load always goes through.

// What the small, middle and big buttons share: the caption, sent on every call, and the
// enabled flag, set by Load.
class GuiButton : public GuiFlashWidget
{
public:
    bool IsEnabled() const { return _enabled; }
    void SetText(const char* text);

protected:
    void LoadButton(const char* name, const char* movie, const Vec2& designPos, int align, const Vec2& designSize);
    void Enable() { _enabled = true; }
    void Disable() { _enabled = false; }

    bool _enabled = false;
};

// "smallButton" on "swf//smallButton.swf", 256 x 105. The enabled flag is only read by screens.
class GuiSmallButton : public GuiButton
{
public:
    static constexpr int NoState = -999;

    GuiSmallButton* Load(const Vec2& designPos, int align);
    using GuiButton::Disable;
    using GuiButton::Enable;
    void SetAlpha(float alpha) { Gui::SetAlpha({_layer}, alpha); }
    // Sent when it changes.
    void SetState(int state);

private:
    int _state = NoState;
};

// "bigButton" on "swf//middleButton.swf", 350 x 180. A disabled button shows state 0.
class GuiMiddleButton : public GuiButton
{
public:
    static constexpr int NoState = -999;

    GuiMiddleButton() = default;
    // Loaded at once.
    GuiMiddleButton(const Vec2& designPos, int align) { Load(designPos, align); }

    GuiMiddleButton* Load(const Vec2& designPos, int align);
    using GuiButton::Disable;
    using GuiButton::Enable;
    // What screens read as the button's visibility: its enabled flag.
    bool IsVisible() const { return _enabled; }
    // The state, 0 while disabled, sent when it changes.
    void SetState(int state);
    int GetState() const { return _state; }

private:
    int _state = NoState;
};

// "bigButton" on "swf//bigButton2.swf", 512 x 180. Its state is sent on every call.
class GuiBigButton : public GuiButton
{
public:
    GuiBigButton* Load(const Vec2& designPos, int align);
    // Disabled, and state 0.
    void Reset();
    void SetAlpha(float alpha) { Gui::SetAlpha({_layer}, alpha); }
    void SetState(int state);
};

// A column header, "buttonTitle" on "swf//buttonTitle.swf", 320 x 140: a caption and a second,
// short caption (a count). All three setters send only changes.
class GuiTitleButton : public GuiFlashWidget
{
public:
    static constexpr int NoState = -999;

    GuiTitleButton* Load(const Vec2& designPos, int align);
    void SetState(int state);
    void SetCaption(const char* text);
    void SetCaption2(const char* text);

private:
    int _state = NoState;
    GuiTextCache _caption;
    GuiTextCache _caption2;
};
