#pragma once
// The in-mission pause menu. The mission frame makes it, runs it every frame and hands it the
// navigation events; while it is open the player's flight input waits. Until the menu's screen
// is built it never opens.
class LevelMenu
{
public:
    LevelMenu() = default;
    virtual ~LevelMenu() = default;

    void Initialize() {}
    void Proceed() {}
    bool IsOpen() const { return false; }

    void EventSelectUp() {}
    void EventSelectDown() {}
    void EventSelectLeft() {}
    void EventSelectRight() {}
    void EventSelectDecline() {}
    virtual void EventSelectApply() {}
};
