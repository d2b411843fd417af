#pragma once

#include "layers/widgets/GuiButtons.h"

class FlashLayer;
class Material;
class SpriteLayer;

// The pause menu over a running mission. The mission frame makes it, runs it every frame and
// hands it the navigation events. While it is open the mission is paused as the pause key pauses
// it (the world stands still and the player's flight input waits); closing it, by any way,
// resumes. Escape opens and closes it; it offers resume, restart (the current mission loaded
// again, as the score screen's "fly again" does) and leaving the mission, which asks first and
// then returns to the mission selection with the menu music. While it is closed only Escape
// reaches it, so keys pressed in flight change nothing. It is drawn over every other layer.
class LevelMenu
{
public:
    static constexpr int ButtonCount = 3;

    // What the last Apply did.
    enum eResult : int
    {
        RESULT_RESUME = 0,
        RESULT_RESTART = 1,
        RESULT_QUIT = 2,
    };

    LevelMenu() = default;
    // Removes its layers from the root; resumes the mission if it is open.
    virtual ~LevelMenu();
    LevelMenu(const LevelMenu&) = delete;
    LevelMenu& operator=(const LevelMenu&) = delete;

    // Builds the menu, closed.
    void Initialize();
    // Shows what is open and the buttons' states.
    void Proceed();
    bool IsOpen() const { return _open; }
    int GetResult() const { return _result; }
    int GetSelected() const { return _selected; }
    bool IsConfirmOpen() const { return _confirm_open; }
    bool GetYes() const { return _yes; }
    const GuiBigButton& GetButton(int i) const { return _buttons[i]; }
    FlashLayer* GetConfirmLayer() const { return _confirm_layer; }
    SpriteLayer* GetBackLayer() const { return _back_layer; }

    void EventSelectUp();
    void EventSelectDown();
    void EventSelectLeft();
    void EventSelectRight();
    void EventSelectDecline();
    virtual void EventSelectApply();

private:
    // Opens or closes the menu, pausing or resuming the mission with it.
    void SetOpen(bool open);
    void BringToFront();

    Material* _black = nullptr;
    GuiBigButton _buttons[ButtonCount];
    FlashLayer* _confirm_layer = nullptr;
    SpriteLayer* _back_layer = nullptr;
    bool _confirm_open = false;
    int _selected = 0;
    bool _yes = false;
    bool _open = false;
    int _result = RESULT_RESUME;
};
