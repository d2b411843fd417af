#pragma once

// An in-game overlay widget drawn straight with screen quads, lines and texts: loaded once,
// proceeded every frame, and drawn only while shown.
class GuiBase
{
public:
    virtual ~GuiBase() = default;

    virtual void Load() = 0;
    virtual void Unload() = 0;
    // Queues this frame's drawing; nothing while hidden.
    virtual void Proceed() = 0;

    void Show() { _visible = true; }
    void Hide() { _visible = false; }
    bool IsVisible() const { return _visible; }

protected:
    GuiBase() = default;
    GuiBase(const GuiBase&) = default;
    GuiBase& operator=(const GuiBase&) = default;

private:
    bool _visible = false;
};
