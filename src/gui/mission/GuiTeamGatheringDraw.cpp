// The team gathering's presentation: its layers and widgets, the two lists, the caret, the
// centre buttons with the money, and the dealers' loan carousel.
#include "gui/mission/GuiTeamGathering.h"

#include "MaterialSystem/MaterialSystem.h"
#include "game/core/catalogue/LevelDesc.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/profiles/UserProfile.h"
#include "game/core/game/MenuGame.h"
#include "gui/mission/GuiScreen.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

using FlashHost::Args;

namespace {

// Animations run towards 0 at this many design units a second.
constexpr float SlideSpeed = 400.0f;
// The list-end arrows blink together on every visit.
float BlinkPhase = 0.0f;

float Toward(float value, float target, float step)
{
    return value < target ? std::min(value + step, target) : std::max(value - step, target);
}

// Five rows are wholly visible; the rows above and below fade in as the list slides.
float RowAlpha(float y)
{
    if (y <= -35.0f || y >= 475.0f)
        return 0.0f;
    if (y < 0.0f)
        return (y + 35.0f) / 35.0f;
    if (y > 420.0f)
        return (475.0f - y) / 55.0f;
    return 1.0f;
}

std::string Format(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof(text), format, value);
    return text;
}

std::string Integer(int value) { return std::to_string(value); }

} // namespace

void GuiTeamGathering::LoadPresentation()
{
    _sentTeamSize = 0;
    _video.Load("movies/stock_ex.avi");
    _title.Load()->SetTitle(GuiGame::Text("ui_team_title"));
    _tips.Load();
    _personalInfo.Load();

    Layer* root = LayerManager::GetRoot();
    _leftColumn = Gui::AddFlash(root, "left_column", "swf//tg_left_column.swf", Gui::ScreenPos(Vec2(-2.0f, 268.0f)),
                                Gui::ScreenSize(Vec2(400.0f, 670.0f)));
    _rightColumn = Gui::AddFlash(root, "right_column", "swf//tg_right_column.swf",
                                 Gui::ScreenPos(Vec2(881.0f, 257.0f), GA_RIGHT), Gui::ScreenSize(Vec2(400.0f, 670.0f)));
    if (root)
    {
        _caretLayer = new Layer("caret_layer");
        root->AddChild(_caretLayer);
        _piratesLayer = new Layer("pirates_layer");
        root->AddChild(_piratesLayer);
    }
    _caret = Gui::AddFlash(_caretLayer, "gentlemen_caret", "swf//gentlemen_caret.swf", Vec2(0.0f, 0.0f),
                           Gui::ScreenSize(Vec2(405.0f, 185.0f)));
    Gui::SetVisible({_caret}, false);
    _corners.Load(_caretLayer);
    _corners.SetSelected(true);
    _corners.SetVisible(false);

    _missionCard =
        Gui::AddFlash(root, "mission_desc", "swf//tg_mission_desc.swf", Gui::ScreenPos(Vec2(389.0f, 213.0f), GA_CENTER),
                      Gui::ScreenSize(Vec2(512.0f, 280.0f)));
    Gui::Call(_missionCard, L"SetMaxTeam", Args(_required));
    const char* captions[] = {"ui_team_m_from", "ui_team_m_title", "ui_team_m_loc", "ui_team_m_tm", "ui_team_m_detail"};
    const wchar_t* setters[] = {L"SetTxt0", L"SetTxt1", L"SetTxt2", L"SetTxt3", L"SetTxt4"};
    for (int i = 0; i < 5; ++i)
        Gui::Call(_missionCard, setters[i], Args(GuiGame::Text(captions[i])));

    _message = Gui::AddFlash(root, "message", "swf//message_board.swf", Gui::ScreenPos(Vec2(389.0f, 213.0f), GA_CENTER),
                             Gui::ScreenSize(Vec2(500.0f, 420.0f)));
    Gui::SetVisible({_message}, false);
    Gui::Call(_message, L"SetTxt", Args(GuiGame::Text("ui_team_message")));

    const Vec2 arrowPos = Gui::ScreenPos(Vec2(1015.0f, 800.0f), GA_RIGHT),
               arrowSize = Gui::ScreenSize(Vec2(128.0f, 128.0f));
    _arrowUp =
        Gui::AddSprite(root, "arrowUp", arrowPos, arrowSize, GuiGame::LoadMaterial("angar//scroll_arrow_up.mat"));
    _arrowDown =
        Gui::AddSprite(root, "arrowDown", arrowPos, arrowSize, GuiGame::LoadMaterial("angar//scroll_arrow_down.mat"));
    Gui::SetVisible({_arrowUp, _arrowDown}, false);

    for (FlashLayer*& card : _loanMedium)
    {
        card = Gui::AddFlash(root, "loan_p", "swf//loan_p.swf", Gui::ScreenPos(Vec2(0.0f, 0.0f), GA_CENTER),
                             Gui::ScreenSize(Vec2(256.0f, 230.0f) * 0.76f));
        for (const wchar_t* empty : {L"SetRate", L"SetCash", L"SetName"})
            Gui::Call(card, empty, Args(""));
    }
    _loanBig = Gui::AddFlash(root, "loan_a", "swf//loan_a.swf", Gui::ScreenPos(Vec2(0.0f, 0.0f), GA_CENTER),
                             Gui::ScreenSize(Vec2(256.0f, 230.0f)));
    for (FlashLayer* card : {_loanMedium[0], _loanMedium[1], _loanBig})
    {
        Gui::Call(card, L"SetRateC", Args(GuiGame::Text("ui_team_loan_rate")));
        Gui::Call(card, L"SetCashC", Args(GuiGame::Text("ui_team_loan_cash")));
        Gui::SetVisible({card}, false);
    }
}

void GuiTeamGathering::UnloadPresentation()
{
    _video.Unload();
    _title.Unload();
    _tips.Unload();
    _personalInfo.Unload();
    // The rows and the corners live in the plain layers: they go first.
    _pirateRows.clear();
    _teamRows.clear();
    _corners.Unload();
    Layer* root = LayerManager::GetRoot();
    Gui::Detach(_caretLayer, _caret);
    for (FlashLayer*& card : _loanMedium)
        Gui::Detach(root, card);
    Gui::Detach(root, _loanBig);
    Gui::Detach(root, _leftColumn);
    Gui::Detach(root, _rightColumn);
    Gui::Detach(root, _caretLayer);
    Gui::Detach(root, _piratesLayer);
    Gui::Detach(root, _missionCard);
    Gui::Detach(root, _message);
    Gui::Detach(root, _arrowUp);
    Gui::Detach(root, _arrowDown);
}

void GuiTeamGathering::UserProceed(float seconds)
{
    if (_leaveForPilots)
    {
        GuiScreen::LeaveForPilots(GetManager());
        _leaveForPilots = false;
    }
    Gui::SetVisible({_loanBig, _loanMedium[0], _loanMedium[1]}, false);
    _headers[0].SetState(_section == SECTION_TEAM ? 1 : 0);
    _headers[1].SetState(_section == SECTION_PIRATES ? 1 : 0);
    _video.Draw();

    if (_pulseState == 0)
    {
        _pulse = std::min(_pulse + 10.0f * seconds, 1.0f);
        if (_pulse >= 1.0f)
            _pulseState = 1;
    }
    else if (_pulseState == 1)
    {
        _pulse = std::max(_pulse - 10.0f * seconds, 0.0f);
        if (_pulse <= 0.0f)
            _pulseState = 2;
    }
    DrawCaret();
    _scrollAnim = Toward(_scrollAnim, 0.0f, SlideSpeed * seconds);
    _caretAnim = Toward(_caretAnim, 0.0f, SlideSpeed * seconds);
    _gapAnim = Toward(_gapAnim, 0.0f, SlideSpeed * seconds);

    DrawList(false, seconds);
    DrawArrows(seconds);
    DrawList(true, seconds);

    const int teamSize = int(_team.size());
    _headers[0].SetCaption2((Integer(teamSize) + " / " + Integer(_required)).c_str());
    if (teamSize != _sentTeamSize)
    {
        _sentTeamSize = teamSize;
        Gui::Call(_missionCard, L"SetCurTeam", Args(teamSize));
    }
    DrawCenterButtons(seconds);
}

void GuiTeamGathering::DrawCaret()
{
    const bool inTeam = _section == SECTION_TEAM;
    const float x = inTeam ? -885.0f : 0.0f;
    const int align = inTeam ? GA_LEFT : GA_RIGHT;
    const bool shown = _section != SECTION_CENTRE;
    Gui::SetVisible({_caret}, shown);
    _corners.SetVisible(shown);
    if (!shown)
        return;
    const float y = float(_row) * RowHeight + _caretAnim;
    Gui::SetPos(_caret, Gui::ScreenPos(Vec2(x + 886.0f, y + 284.0f), align));
    const Vec2 corners[GuiCorners::Corners] = {
        Vec2(x + 897.0f, y + 291.0f) + Vec2(-35.0f, -15.0f) * _pulse,
        Vec2(x + 1191.0f, y + 291.0f) + Vec2(35.0f, -15.0f) * _pulse,
        Vec2(x + 897.0f, y + 390.0f) + Vec2(-35.0f, 15.0f) * _pulse,
        Vec2(x + 1191.0f, y + 390.0f) + Vec2(35.0f, 15.0f) * _pulse,
    };
    for (int i = 0; i < GuiCorners::Corners; ++i)
        _corners.SetCornerPos(i, Gui::ScreenPos(corners[i], align));
}

// Seven rows from the one above the first visible to the one below the last, sliding with the
// list's animations.
void GuiTeamGathering::DrawList(bool team, float)
{
    if (!team)
        FillPiratesList();
    for (const std::unique_ptr<GuiTeamPirate>& widget : team ? _teamRows : _pirateRows)
        widget->SetVisible(false);
    const std::vector<PiratDesc*>& list = team ? _team : _available;
    const int top = team ? _teamTop : _pirateTop;
    const bool active = _section == (team ? SECTION_TEAM : SECTION_PIRATES);
    int used = 0;
    for (int j = 0; j < VisibleRows + 2; ++j)
    {
        float y = -RowHeight + RowHeight * float(j);
        if (active)
        {
            y += _scrollAnim;
            if ((_gapAnim > 0.0f && j > _row) || (_gapAnim < 0.0f && j < _row + 2))
                y += _gapAnim;
        }
        const int index = top + j - 1;
        if (index < 0 || index >= int(list.size()))
            continue;
        DrawGentle(team ? -885.0f : 0.0f, y, list[size_t(index)], used, team, active && index == top + _row);
    }
}

void GuiTeamGathering::DrawGentle(float x, float y, PiratDesc* record, int& used, bool team, bool selected)
{
    std::vector<std::unique_ptr<GuiTeamPirate>>& rows = team ? _teamRows : _pirateRows;
    if (used >= int(rows.size()))
    {
        rows.push_back(std::make_unique<GuiTeamPirate>());
        rows.back()->Load(_piratesLayer);
    }
    GuiTeamPirate& row = *rows[size_t(used++)];
    row.SetPos(Gui::ScreenPos(Vec2(x + 957.0f, y + 340.0f), team ? GA_LEFT : GA_RIGHT));
    row.SetVisible(true);
    row.SetName(record->name);
    row.SetCash(Integer(record->price).c_str());
    row.SetScore(Format("%.3f", record->score).c_str());
    row.SetEff(Integer(record->efficiency).c_str());
    // With every score 0 the bars stay empty.
    row.SetLevel(0, _maxScore > 0.0f ? record->score / _maxScore : 0.0f);
    row.SetLevel(1, float(record->efficiency) * 0.01f);
    row.SetFace(record->icon);
    row.SetState(selected ? 1 : 0);
    row.SetAlpha(RowAlpha(y));
}

void GuiTeamGathering::DrawArrows(float seconds)
{
    BlinkPhase += 4.0f * seconds;
    if (_section != SECTION_PIRATES)
        return;
    const float alpha = std::fabs(std::cos(BlinkPhase));
    Gui::SetVisible({_arrowUp}, _pirateTop == 0);
    Gui::SetVisible({_arrowDown}, _pirateTop >= int(_available.size()) - VisibleRows);
    Gui::SetAlpha({_arrowUp, _arrowDown}, alpha);
}

void GuiTeamGathering::DrawCenterButtons(float seconds)
{
    for (int i = 0; i < 2; ++i)
        _buttons[i].SetState(i == _centreButton && _section == SECTION_CENTRE ? 2 : 1);
    Gui::CallOnChange(_missionCard, _lastFrom, L"SetName", _missionFrom);
    Gui::CallOnChange(_missionCard, _lastName, L"SetTitle", _missionName);
    Gui::CallOnChange(_missionCard, _lastLocation, L"SetLocation", _missionLocation);

    const int balance = GetBalance();
    Gui::CallOnChange(_missionCard, _sentBalance, L"SetMoney", balance);
    // The temporary cash never goes below 0.
    if (_pilot)
        _pilot->SetTmpCash(std::max(balance, 0));
    _personalInfo.SetCash(Integer(std::max(balance, 0)).c_str());

    const bool full = TeamFull();
    const int credit = _pilot ? _pilot->GetTmpCredit() : 0;
    if (balance < 0 || !full)
        _buttons[BUTTON_GO].Disable();
    else
        _buttons[BUTTON_GO].Enable();
    if (!full || credit != 0)
        _buttons[BUTTON_LOAN].Disable();
    else if (balance < 0)
        _buttons[BUTTON_LOAN].Enable();

    if (_loanMode)
        DrawLoans(seconds);
    Gui::SetVisible({_message}, _messageOpen);
}

void GuiTeamGathering::DrawLoans(float seconds)
{
    _loanFade = std::min(_loanFade + 4.0f * seconds, 1.0f);
    _dealerPos = Toward(_dealerPos, float(_dealerIndex), 5.0f * seconds);
    const float d = _dealerPos - float(_dealerIndex);
    const float a = std::fabs(d);
    auto slot = [&](int k) { return GetDealer(_dealerIndex - 2 + k); };

    if (slot(0))
    {
        const bool moving = d < 0.0f;
        DrawLoanS(Vec2(359.0f, 683.0f) + (moving ? Vec2(40.0f, -5.0f) * a : Vec2(0.0f, 0.0f)),
                  moving ? 1.0f + std::fabs(d * 0.25f) : 1.0f);
    }
    if (slot(4))
    {
        const bool moving = d > 0.0f;
        DrawLoanS(Vec2(666.0f, 683.0f) + (moving ? Vec2(-70.0f, -10.0f) * a : Vec2(0.0f, 0.0f)),
                  moving ? 1.0f + std::fabs(d * 0.3f) : 1.0f);
    }
    if (slot(1))
    {
        if (d > 0.0f)
            DrawLoanM(_loanMedium[0], Vec2(420.0f, 631.0f) + Vec2(-43.0f, 10.0f) * a, 1.0f - std::fabs(d * 0.3f));
        else
            DrawLoanM(_loanMedium[0], Vec2(420.0f, 631.0f) + Vec2(70.0f, -10.0f) * a, 1.0f + std::fabs(d * 0.25f));
    }
    if (slot(3))
    {
        if (d > 0.0f)
            DrawLoanM(_loanMedium[1], Vec2(605.0f, 631.0f) + Vec2(-140.0f, -20.0f) * a, 1.0f + std::fabs(d * 0.3f));
        else
            DrawLoanM(_loanMedium[1], Vec2(605.0f, 631.0f) + Vec2(50.0f, 10.0f) * a, 1.0f - std::fabs(d * 0.25f));
    }
    if (const Dealer* dealer = slot(2))
        DrawLoanB(Vec2(511.0f, 641.0f), d, dealer);
}

void GuiTeamGathering::DrawLoanS(const Vec2& pos, float scale)
{
    if (MaterialSystem* render = MenuGame::Render())
        render->RenderQuad(_loanSmall, Gui::ScreenPos(pos, GA_CENTER), Gui::ScreenSize(Vec2(256.0f, 128.0f) * scale),
                           0.0f, Color(1.0f, 1.0f, 1.0f, _loanFade), 0);
}

void GuiTeamGathering::DrawLoanM(FlashLayer* layer, const Vec2& pos, float scale)
{
    if (!layer)
        return;
    layer->SetVisible(true);
    layer->SetPos(Gui::ScreenPos(pos + Vec2(29.0f, 46.0f), GA_CENTER));
    layer->SetScale(Vec2(scale, scale));
}

void GuiTeamGathering::DrawLoanB(Vec2 pos, float d, const Dealer* dealer)
{
    const float scale = 1.0f - std::fabs(d * 0.2f);
    pos += (d > 0.0f ? Vec2(-79.0f, 42.0f) : Vec2(140.0f, 42.0f)) * std::fabs(d);
    if (_loanBig)
    {
        _loanBig->SetVisible(true);
        _loanBig->SetPos(Gui::ScreenPos(pos + Vec2(-48.0f, -43.0f) + Vec2(52.0f, 64.0f) * scale, GA_CENTER));
        _loanBig->SetScale(Vec2(scale, scale));
    }
    Gui::CallOnChange(_loanBig, _lastDealerName, L"SetName", dealer->GetName());
    Gui::CallOnChange(_loanBig, _lastRate, L"SetRate", Format("%0.f%%", dealer->GetPerc()).c_str());
    Gui::CallOnChange(_loanBig, _lastCash, L"SetCash", Format("%0.f", dealer->GetCash()).c_str());
    if (MaterialSystem* render = MenuGame::Render())
        render->RenderQuad(GuiGame::LoadMaterial(dealer->GetIcon()),
                           Gui::ScreenPos(pos + Vec2(1.0f, 5.0f) + Vec2(52.0f, 64.0f) * scale, GA_CENTER),
                           Gui::ScreenSize(Vec2(51.0f, 51.0f) * scale), 0.0f, Color(1.0f, 1.0f, 1.0f, 1.0f), 0);
}
