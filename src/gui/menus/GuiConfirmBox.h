#pragma once

class FlashLayer;
class Material;
class SpriteLayer;

// The yes/no box of the menus: the movie "swf//confirm.swf" over a half-dark screen, asking its
// question with the texts "ui_common_box_00" to "_02". Left and Right flip the choice, Decline
// hides the box and forgets the choice (no), and Apply answers, which each kind of box does its
// own way. The choice starts at no.
class GuiConfirmBox
{
public:
    // Results: none yet, answered no, answered yes.
    enum eResult : int
    {
        RESULT_NONE = 0,
        RESULT_NO = 1,
        RESULT_YES = 2,
    };

    GuiConfirmBox() = default;
    // Removes its layers from the root.
    virtual ~GuiConfirmBox();
    GuiConfirmBox(const GuiConfirmBox&) = delete;
    GuiConfirmBox& operator=(const GuiConfirmBox&) = delete;

    // Builds the box, hidden.
    void Initialize();
    void Show() { _shown = true; }
    bool IsActive() const { return _shown; }
    bool GetYes() const { return _yes; }
    void EventSelectLeft();
    void EventSelectRight();
    void EventSelectDecline();
    virtual void EventSelectApply() = 0;
    // The last answer, which reading clears.
    int GetResult();
    // The layers show while the box is up, in front of every other layer of the root.
    void Proceed();

protected:
    // The movie shows the choice: state 0 for yes, 1 for no.
    void UpdateState();

    Material* _back_material = nullptr;
    bool _yes = false;
    bool _shown = false;
    int _result = RESULT_NONE;
    FlashLayer* _confirm_layer = nullptr;
    SpriteLayer* _back_layer = nullptr;
};

// The main menu's quit box: yes ends the program.
class GuiMainMenuEscMenu : public GuiConfirmBox
{
public:
    // Yes asks the program to end (the box stays up until it does); no hides the box.
    void EventSelectApply() override;
};

// The profile panel's delete box: the panel reads the answer.
class GuiProfilesConfirm : public GuiConfirmBox
{
public:
    void EventSelectApply() override;
};
