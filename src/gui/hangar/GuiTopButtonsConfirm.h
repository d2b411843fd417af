#pragma once

class FlashLayer;
class Material;
class SpriteLayer;

// The three-choice box of the fitting panel ("swf//save_no.swf", which carries its texts) over
// a half-dark screen: Left and Right cycle the choice 0..2, Enter applies it, Escape hides it.
class GuiTopButtonsConfirm
{
public:
    static constexpr int ChoiceCount = 3;

    GuiTopButtonsConfirm() { Initialize(); }
    ~GuiTopButtonsConfirm();
    GuiTopButtonsConfirm(const GuiTopButtonsConfirm&) = delete;
    GuiTopButtonsConfirm& operator=(const GuiTopButtonsConfirm&) = delete;

    void Initialize();
    // Shown with the first choice.
    void Show();
    void Hide() { _shown = false; }
    bool IsShown() const { return _shown; }
    int GetChoice() const { return _choice; }
    // Hides the box; the choice stays readable.
    void Apply() { Hide(); }
    void Next();
    void Prev();
    void UpdateState();
    // The layers are visible exactly while the box is shown.
    void Proceed();

    FlashLayer* GetFlash() const { return _confirm; }

private:
    Material* _black = nullptr;
    int _choice = 0;
    bool _shown = false;
    FlashLayer* _confirm = nullptr;
    SpriteLayer* _back = nullptr;
};
