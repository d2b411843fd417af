// The team gathering's navigation: moving between the lists and the centre buttons, hiring and
// returning pirates, taking loans and leaving.
#include "gui/mission/GuiTeamGathering.h"

#include "game/core/frames/GameFrameManager.h"
#include "game/profiles/UserProfile.h"
#include "game/core/game/MenuGame.h"
#include "gui/mission/GuiScreen.h"

#include <algorithm>

void GuiTeamGathering::EventSelectLeft()
{
    if (_messageOpen)
        return;
    MenuGame::PlaySound(MenuGame::SelectSlotSound);
    if (_loanMode)
    {
        if (_dealerPos == float(_dealerIndex) && _dealerIndex > 0)
        {
            --_dealerIndex;
            _loanFade = 0.0f;
        }
        return;
    }
    _row = 0;
    const bool centreOff = !_buttons[BUTTON_GO].IsEnabled() && !_buttons[BUTTON_LOAN].IsEnabled();
    if (_section == SECTION_PIRATES && !centreOff)
        _section = SECTION_CENTRE;
    else if (_section != SECTION_TEAM && !_team.empty())
        _section = SECTION_TEAM;
}

void GuiTeamGathering::EventSelectRight()
{
    if (_messageOpen)
        return;
    MenuGame::PlaySound(MenuGame::SelectSlotSound);
    if (_loanMode)
    {
        if (_dealerPos == float(_dealerIndex) && _dealerIndex < GetDealersCount() - 1)
        {
            ++_dealerIndex;
            _loanFade = 0.0f;
        }
        return;
    }
    _row = 0;
    const bool centreOff = !_buttons[BUTTON_GO].IsEnabled() && !_buttons[BUTTON_LOAN].IsEnabled();
    if (_section == SECTION_TEAM && !centreOff)
        _section = SECTION_CENTRE;
    else
        _section = SECTION_PIRATES;
}

void GuiTeamGathering::EventSelectUp()
{
    if (_messageOpen || _scrollAnim != 0.0f || _gapAnim != 0.0f)
        return;
    MenuGame::PlaySound(MenuGame::SelectButtonSound);
    MoveInList(false);
}

void GuiTeamGathering::EventSelectDown()
{
    if (_messageOpen || _scrollAnim != 0.0f || _gapAnim != 0.0f)
        return;
    MenuGame::PlaySound(MenuGame::SelectButtonSound);
    MoveInList(true);
}

void GuiTeamGathering::MoveInList(bool down)
{
    if (_section == SECTION_CENTRE)
    {
        // The two buttons take turns, each only while it is enabled.
        if (_loanMode)
            return;
        const int other = _centreButton == BUTTON_GO ? BUTTON_LOAN : BUTTON_GO;
        if (_buttons[other].IsEnabled())
            _centreButton = other;
        return;
    }
    const bool team = _section == SECTION_TEAM;
    const int count = team ? int(_team.size()) : int(_available.size());
    int& top = team ? _teamTop : _pirateTop;
    if (down)
    {
        if (_row < VisibleRows - 1)
        {
            if (top + _row + 1 < count)
            {
                ++_row;
                _caretAnim = -RowHeight;
            }
        }
        else if (top < count - VisibleRows)
        {
            _scrollAnim = RowHeight;
            ++top;
        }
    }
    else if (_row > 0)
    {
        --_row;
        _caretAnim = RowHeight;
    }
    else if (top > 0)
    {
        _scrollAnim = -RowHeight;
        --top;
    }
    _pulse = 0.0f;
    _pulseState = 0;
}

void GuiTeamGathering::EventSelectApply()
{
    MenuGame::PlaySound(MenuGame::PressButtonSound);
    if (_messageOpen)
    {
        CloseMessage();
        return;
    }
    switch (_section)
    {
    case SECTION_PIRATES: Hire(); break;
    case SECTION_TEAM: Return(); break;
    default: ApplyCentre(); break;
    }
}

void GuiTeamGathering::Hire()
{
    if (_teamSizeCache >= _required || int(_team.size()) >= _required)
        return;
    // Nobody under the cursor: fewer pirates than seats, or all of them hired.
    const int index = _pirateTop + _row;
    if (index < 0 || index >= int(_available.size()) || _available[size_t(index)]->taken)
        return;
    const int availableBefore = int(_available.size());
    PiratDesc* record = _available[size_t(index)];
    record->taken = true;
    _team.push_back(record);
    _gapAnim = RowHeight;
    if (TeamFull())
    {
        const int balance = GetBalance();
        if (balance < 0 && _pilot->GetTmpCredit() != 0)
            _section = SECTION_TEAM;
        else if (balance < 0)
        {
            _messageOpen = true;
            FillLoans();
        }
        else
        {
            // Paid to the last coin counts as paid: the gang of free pirates a new pilot hires
            // goes as well.
            _section = SECTION_CENTRE;
            _centreButton = BUTTON_GO;
            _buttons[BUTTON_GO].Enable();
            _buttons[BUTTON_LOAN].Disable();
        }
    }
    if (availableBefore == _pirateTop + VisibleRows && _pirateTop > 0)
    {
        --_pirateTop;
        _gapAnim = -RowHeight;
    }
}

void GuiTeamGathering::Return()
{
    const int index = _teamTop + _row;
    if (index < 0 || index >= int(_team.size()))
        return;
    _team[size_t(index)]->taken = false;
    // The last member takes the place of the one who leaves.
    _team[size_t(index)] = _team.back();
    _team.pop_back();
    _gapAnim = RowHeight;
    const int size = int(_team.size());
    if (_teamTop + 4 == size && size > 4)
    {
        --_teamTop;
        _gapAnim = -RowHeight;
    }
    if (_row >= size)
    {
        --_row;
        _gapAnim = 0.0f;
        if (_row < 0)
        {
            _row = 0;
            _section = SECTION_PIRATES;
        }
    }
    _centreButton = BUTTON_LOAN;
}

void GuiTeamGathering::ApplyCentre()
{
    // A disabled button does nothing: no mission with an unpaid or incomplete gang.
    if (!_buttons[_centreButton].IsEnabled() || !_pilot)
        return;
    if (_centreButton == BUTTON_GO)
    {
        // The gang hired now replaces one hired on an earlier visit.
        UserTeam* gang = _pilot->GetTeam();
        gang->ClearTeam();
        for (const PiratDesc* record : _team)
            gang->AddPirate(record->pirate);
        GetManager()->SetActive("mission_desc");
        return;
    }
    if (!_loanMode)
    {
        // No dealer, no carousel.
        if (GetDealersCount() == 0)
            return;
        _loanMode = true;
        _dealerIndex = 0;
        _dealerPos = 0.0f;
        _loanFade = 0.0f;
        return;
    }
    const Dealer* dealer = GetDealer(_dealerIndex);
    if (!dealer)
        return;
    _pilot->SetTmpCredit(int(dealer->GetCash()) + _pilot->GetTmpCredit());
    _loanMode = false;
    if (GetBalance() >= 0 && TeamFull())
        _centreButton = BUTTON_GO;
    else
        _section = SECTION_TEAM;
}

void GuiTeamGathering::EventSelectDecline()
{
    if (_messageOpen)
    {
        CloseMessage();
        return;
    }
    if (_loanMode)
    {
        _loanMode = false;
        return;
    }
    if (_team.empty())
    {
        GetManager()->SetActive("mission_desc");
        return;
    }
    EmptyTeam();
}

// Everyone back in the list, the gang and the credit dropped, and the prices rolled again.
void GuiTeamGathering::EmptyTeam()
{
    _team.clear();
    if (_pilot)
    {
        _pilot->GetTeam()->ClearTeam();
        _pilot->SetTmpCredit(0);
    }
    RollRecords();
    FillPiratesList();
    _pirateTop = _teamTop = 0;
    _row = 0;
    _section = SECTION_PIRATES;
}
