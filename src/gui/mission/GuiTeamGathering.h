#pragma once

#include "game/core/frames/GameFrame.h"
#include "gui/menus/MenuBackground.h"
#include "layers/widgets/GuiButtons.h"
#include "layers/widgets/GuiCorners.h"
#include "layers/widgets/GuiPersonalInfo.h"
#include "layers/widgets/GuiTeamPirate.h"
#include "layers/widgets/GuiTitle.h"

#include <memory>
#include <vector>

class Dealer;
class FlashLayer;
class Layer;
class LevelDesc;
class Material;
class Pirate;
class SpriteLayer;
class UserProfile;

// One pirate of the pilot's rating as the team gathering offers him, with the price rolled for
// this visit.
struct PiratDesc
{
    char name[256] = {};
    float score = 0;
    int efficiency = 0; // per cent
    int price = 0;
    bool taken = false;
    Material* icon = nullptr;
    Pirate* pirate = nullptr; // the rating's
};

// "team_gathering": hiring the gang of a team mission. The pirates for hire are listed on the
// right (section 2), the gang on the left (section 0) and the "go" and loan buttons in the
// centre (section 1). Every frame the money left after the mission's price and the gang's
// prices, plus any loan, becomes the pilot's temporary cash, which the mission description
// charges when the mission starts. When the money is short, a carousel of the pilot's dealers
// offers loans. Both ways out lead back to "mission_desc".
class GuiTeamGathering : public GameFrame
{
public:
    static constexpr int MaxRecords = 128;
    static constexpr int VisibleRows = 5;
    static constexpr float RowHeight = 105.0f;

    enum eSection
    {
        SECTION_TEAM = 0,
        SECTION_CENTRE = 1,
        SECTION_PIRATES = 2,
    };
    enum eCentreButton
    {
        BUTTON_GO = 0,
        BUTTON_LOAN = 1,
    };

    GuiTeamGathering(GameFrameManager* manager, const char* name);
    ~GuiTeamGathering() override;

    void EventSelectUp() override;
    void EventSelectDown() override;
    void EventSelectLeft() override;
    void EventSelectRight() override;
    void EventSelectApply() override;
    void EventSelectDecline() override;

    // A pirate's price for one of `seats` seats of a mission of `levelPrice`, rolled with r in
    // 0..0.99: the per-seat share, one per cent dearer for each point of efficiency below 50
    // (cheaper above), times 0.85 to 1.147. No seats make every price 0.
    static int PiratePrice(int levelPrice, int seats, int efficiency, float r);
    // (rand() mod 100) / 100 from the engine's random numbers.
    static float RandomFraction();
    // The pilot's cash less the mission's price, plus the credit taken and the hired pirates'
    // prices.
    int GetBalance() const;

    int GetSection() const { return _section; }
    int GetRow() const { return _row; }
    int GetPirateTop() const { return _pirateTop; }
    int GetTeamTop() const { return _teamTop; }
    int GetCentreButton() const { return _centreButton; }
    bool IsLoanMode() const { return _loanMode; }
    bool IsMessageOpen() const { return _messageOpen; }
    int GetDealerIndex() const { return _dealerIndex; }
    int GetRequired() const { return _required; }
    int GetRecordCount() const { return int(_records.size()); }
    const PiratDesc& GetRecord(int index) const { return _records[size_t(index)]; }
    int GetAvailableCount() const { return int(_available.size()); }
    const PiratDesc* GetAvailable(int index) const { return _available[size_t(index)]; }
    int GetTeamSize() const { return int(_team.size()); }
    const PiratDesc* GetTeamMember(int index) const { return _team[size_t(index)]; }
    float GetMaxScore() const { return _maxScore; }
    const GuiMiddleButton& GetButton(int button) const { return _buttons[button]; }
    // The row widgets of the pirates list (right) or the team list (left).
    const std::vector<std::unique_ptr<GuiTeamPirate>>& GetRows(bool team) const
    {
        return team ? _teamRows : _pirateRows;
    }
    FlashLayer* GetMissionCard() const { return _missionCard; }
    FlashLayer* GetMessageBoard() const { return _message; }
    FlashLayer* GetLoanCard() const { return _loanBig; }
    // The list scrolls, or closes behind a pirate who left it: Up and Down wait.
    bool IsAnimating() const { return _scrollAnim != 0 || _gapAnim != 0; }

protected:
    void UserInitialize() override;
    void UserProceed(float seconds) override;
    void UserShutDown() override;

private:
    // Money and lists.
    void Load();
    void Unload();
    void GetMissionInfo();
    // The pirates of the pilot's rating with freshly rolled prices, none taken.
    void RollRecords();
    void FillPiratesList();
    // Each dealer offers the shortfall and up to a fifth more, at 15 to 44.7 per cent.
    void FillLoans();
    void CloseMessage();
    bool TeamFull() const { return int(_team.size()) == _required; }
    Dealer* GetDealer(int index) const;
    int GetDealersCount() const;

    // Events.
    void Hire();
    void Return();
    void ApplyCentre();
    void MoveInList(bool down);
    void EmptyTeam();

    // Presentation.
    void LoadPresentation();
    void UnloadPresentation();
    void DrawCaret();
    void DrawList(bool team, float seconds);
    void DrawGentle(float x, float y, PiratDesc* record, int& used, bool team, bool selected);
    void DrawArrows(float seconds);
    void DrawCenterButtons(float seconds);
    void DrawLoans(float seconds);
    void DrawLoanS(const Vec2& pos, float scale);
    void DrawLoanM(FlashLayer* layer, const Vec2& pos, float scale);
    void DrawLoanB(Vec2 pos, float d, const Dealer* dealer);

    UserProfile* _pilot = nullptr;
    bool _leaveForPilots = false; // no pilot: the pilot panel, at the first step
    bool _messageOpen = false;
    int _section = SECTION_PIRATES;
    bool _loanMode = false;
    int _row = 0;
    int _pirateTop = 0;
    int _teamTop = 0;
    int _centreButton = BUTTON_LOAN;
    int _dealerIndex = 0;
    float _dealerPos = 0;
    float _loanFade = 0;
    float _scrollAnim = 0;
    float _caretAnim = 0;
    float _gapAnim = 0;
    float _pulse = 0;
    int _pulseState = 2; // 0 growing, 1 shrinking, 2 idle

    LevelDesc* _level = nullptr;
    char _missionFrom[256] = {};
    char _missionName[256] = {};
    char _missionLocation[256] = {};
    std::vector<PiratDesc> _records; // at most MaxRecords, never reallocated
    float _maxScore = 0;
    std::vector<PiratDesc*> _available;
    int _teamSizeCache = 0;
    int _required = 0;
    std::vector<PiratDesc*> _team;

    MenuBackground _video;
    std::vector<std::unique_ptr<GuiTeamPirate>> _pirateRows, _teamRows;
    GuiTitleButton _headers[2];
    GuiMiddleButton _buttons[2];
    GuiTitle _title;
    GuiTipsPanel _tips;
    GuiPersonalInfo _personalInfo;
    GuiCorners _corners;
    FlashLayer* _leftColumn = nullptr;
    FlashLayer* _rightColumn = nullptr;
    FlashLayer* _caret = nullptr;
    FlashLayer* _missionCard = nullptr;
    FlashLayer* _message = nullptr;
    FlashLayer* _loanMedium[2] = {};
    FlashLayer* _loanBig = nullptr;
    Layer* _caretLayer = nullptr;
    Layer* _piratesLayer = nullptr;
    SpriteLayer* _arrowUp = nullptr;
    SpriteLayer* _arrowDown = nullptr;
    Material* _loanSmall = nullptr;
    int _sentBalance = 0;
    int _sentTeamSize = 0;
    GuiTextCache _lastDealerName, _lastRate, _lastCash;
    GuiTextCache _lastFrom, _lastName, _lastLocation;
};
