#pragma once

#include "layers/widgets/GuiButtons.h"

// The main menu's play panel: "single" (the mission selection), "multi" (made disabled, so the
// selection never rests on it) and "back". It is closed once a button left it or Decline came.
class GuiMainMenu2
{
public:
    static constexpr int ButtonCount = 3;
    static constexpr int ClosedState = 3;

    GuiMainMenu2() = default;
    ~GuiMainMenu2() { ShutDown(); }
    GuiMainMenu2(const GuiMainMenu2&) = delete;
    GuiMainMenu2& operator=(const GuiMainMenu2&) = delete;

    // The three buttons, hidden, "single" selected.
    void Initialize();
    void ShutDown();
    // Shows the buttons.
    void Proceed(float seconds, float blend);
    bool Closed() const { return _state == ClosedState; }
    void SetCurState(int state) { _state = state; }
    void SetCurSelection(int selected) { _selected = selected; }
    int GetCurSelection() const { return _selected; }
    const GuiBigButton& GetButton(int i) const { return _buttons[i]; }

    void EventSelectUp();
    void EventSelectDown();
    void EventSelectLeft() {}
    void EventSelectRight() {}
    void EventSelectApply();
    void EventSelectDecline() { _state = ClosedState; }
    void AddChar(const char&) {}
    void ProceedKey(const char&) {}

private:
    void UpdateButtons();

    int _selected = 0;
    int _state = 0;
    GuiBigButton _buttons[ButtonCount];
};
