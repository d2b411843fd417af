#pragma once

#include "game/core/frames/GameFrame.h"
#include "gui/menus/GuiConfirmBox.h"
#include "gui/menus/MenuBackground.h"
#include "layers/widgets/GuiButtons.h"
#include "layers/widgets/GuiColumns.h"
#include "layers/widgets/GuiCorners.h"
#include "layers/widgets/GuiPersonalInfo.h"
#include "layers/widgets/GuiStockItems.h"
#include "layers/widgets/GuiTitle.h"

#include <memory>
#include <vector>

class GuiShipHudTextMessage;
class LevelDesc;
class Material;
class UserProfile;

// The stock exchange's yes/no box: yes leaves for the main menu.
class GuiStockExEscMenu : public GuiConfirmBox
{
public:
    // Built and initialised at once.
    GuiStockExEscMenu() { Initialize(); }
    void EventSelectApply() override;
};

// "stock_ex": the races' ratings on the left, the best pirates on the right, and in the centre
// the kinds of offer, then the offers of the chosen kind as cards. Apply opens the selected
// offer's card, and again takes the offer: it becomes the pilot's current mission, with the whole
// cash to pay for it, and its description follows. Escape asks whether to leave for the main
// menu.
class GuiStockEx : public GameFrame
{
public:
    static constexpr int Races = 8;
    static constexpr int Pirates = 6;
    static constexpr int Rows = 7;
    static constexpr float RowHeight = 120.0f;

    enum eMode
    {
        MODE_KINDS = 0,
        MODE_OFFERS = 1,
    };

    GuiStockEx(GameFrameManager* manager, const char* name);
    ~GuiStockEx() override;

    void EventSelectUp() override;
    void EventSelectDown() override;
    void EventSelectLeft() override;
    void EventSelectRight() override;
    void EventSelectApply() override;
    void EventSelectDecline() override;

    // 1 for a free offer, 0 for one with a negative price, 3 for a paid one that can be taken
    // and 4 for one that cannot.
    static int CalcStarsCount(const LevelDesc* offer);
    // The offers of the kind shown: free (0), paid (1), none for any other kind.
    int GetLevelsCount() const;
    LevelDesc* GetLevelDesc(int index) const;

    int GetMode() const { return _mode; }
    int GetKindCursor() const { return _kindCursor; }
    int GetKind() const { return _kind; }
    int GetSelected() const { return _selected; }
    int GetTop() const { return _top; }
    bool IsOpened() const { return _opened; }
    bool IsSliding() const { return _listSlide != 0.0f || _openSlide != 0.0f; }
    const GuiMiddleButton& GetKindButton(int kind) const { return _kindButtons[kind]; }
    GuiStockExEscMenu* GetEscMenu() const { return _escBox.get(); }
    GuiShipHudTextMessage* GetMessage() const { return _message.get(); }
    const GuiStockItemFull* GetFullCard() const { return _fullCard.get(); }
    const GuiCorners* GetCorners() const { return _corners.get(); }

protected:
    void UserInitialize() override;
    void UserProceed(float seconds) override;
    void UserShutDown() override { Unload(); }

private:
    void Load();
    void Unload();
    void LoadRaces();
    void LoadPirates();
    bool SelectedOfferUp();
    bool SelectedOfferDown();
    bool MoveSelection(int step);
    bool TakenByBoxOrMessage();
    void MoveUpDown(int step);
    void CloseCard();
    void TakeOffer();

    void DrawCenterButtons();
    void DrawOffers(float seconds);
    void DrawOfferPassive(GuiStockItemPassive* card, float y, int index);
    bool DrawOfferActive(float y, int index);
    bool DrawOfferFull(float y, int index);
    void DrawCorners(float y, float highlight, bool available);
    // The first dealer's face and name stand for every offer's client; none without a dealer.
    Material* DealerFace() const;

    UserProfile* _pilot = nullptr;
    bool _leaveForPilots = false; // no pilot: the pilot panel, at the first step
    int _mode = MODE_KINDS;
    int _kindCursor = 0;
    int _kind = 0;
    int _selected = 0;
    int _offerCount = 0;
    int _top = 0;
    bool _opened = false;
    LevelDesc* _shownOffer = nullptr;
    float _listSlide = 0.0f;
    float _openSlide = 0.0f;
    float _openFade = 0.0f;
    float _rowHighlight[Rows] = {};
    bool _pendingUp = false, _pendingDown = false;

    float _raceRating[Races] = {};
    char _raceName[Races][256] = {};
    char _raceCode[Races][64] = {};
    Material* _raceIcon[Races] = {};
    char _pirateName[Pirates][256] = {};
    float _pirateScore[Pirates] = {};
    int _pirateEff[Pirates] = {};
    Material* _pirateFace[Pirates] = {};

    MenuBackground _video;
    std::vector<std::unique_ptr<GuiStockItemPassive>> _passiveCards; // one per offer index
    std::unique_ptr<GuiStockItemSelected> _selectedCards[2];         // can be taken, cannot
    std::unique_ptr<GuiStockItemFull> _fullCard;
    GuiMiddleButton _kindButtons[3];
    GuiTitleButton _raceHeader, _pirateHeader, _listHeader;
    GuiRacesColumn _racesColumn;
    GuiPiratesColumn _piratesColumn;
    std::unique_ptr<GuiCorners> _corners;
    std::unique_ptr<GuiStockExEscMenu> _escBox;
    std::unique_ptr<GuiShipHudTextMessage> _message;
    GuiTitle _title;
    GuiTipsPanel _tips;
    GuiPersonalInfo _personalInfo;
};
