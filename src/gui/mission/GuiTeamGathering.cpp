#include "gui/mission/GuiTeamGathering.h"

#include "foundation/base/Random.h"
#include "game/core/catalogue/LevelDesc.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/profiles/UserProfile.h"
#include "gui/mission/GuiScreen.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>

using FlashHost::Args;

namespace {

constexpr const char* ScreenName = "Team gathering";

} // namespace

GuiTeamGathering::GuiTeamGathering(GameFrameManager* manager, const char* name)
    : GameFrame(manager, name), _video("$team_bg", "gui_team.mat")
{
    _records.reserve(MaxRecords);
}

GuiTeamGathering::~GuiTeamGathering() { Unload(); }

int GuiTeamGathering::PiratePrice(int levelPrice, int seats, int efficiency, float r)
{
    // A mission with no seats has nothing to share.
    const int share = seats > 0 ? levelPrice / seats : 0;
    float q = float(share);
    q = q + q * float(50 - efficiency) * 0.01f;
    // In double, as the rolls of 0.99 are meant to stay below 1.147 of the share.
    return int((0.85 + 0.3 * double(r)) * double(q));
}

float GuiTeamGathering::RandomFraction() { return float(EngineRandom() % 100) * 0.01f; }

int GuiTeamGathering::GetBalance() const
{
    if (!_pilot)
        return 0;
    int balance = _pilot->GetCash() - (_level ? _level->GetPrice() : 0) + _pilot->GetTmpCredit();
    // Prices take the sign of the mission's price: they are added.
    for (const PiratDesc* record : _team)
        balance += record->price;
    return balance;
}

Dealer* GuiTeamGathering::GetDealer(int index) const
{
    return _pilot && index >= 0 ? _pilot->GetDealerByIndex(unsigned(index)) : nullptr;
}

int GuiTeamGathering::GetDealersCount() const { return _pilot ? int(_pilot->GetDealersCount()) : 0; }

void GuiTeamGathering::UserInitialize()
{
    Load();
    LoadPresentation();
    _leaveForPilots = !_pilot;
}

void GuiTeamGathering::UserShutDown() { Unload(); }

void GuiTeamGathering::Load()
{
    Unload();
    _pilot = GuiScreen::Pilot(ScreenName);
    _team.clear();
    _loanSmall = GuiGame::LoadMaterial("gui_team//loan_s.mat");

    _headers[0].Load(Vec2(30.0f, 183.0f), GA_LEFT);
    _headers[0].SetCaption(GuiGame::Text("ui_team_header0"));
    _headers[0].SetCaption2("7");
    _headers[1].Load(Vec2(930.0f, 183.0f), GA_RIGHT);
    _headers[1].SetCaption(GuiGame::Text("ui_team_header1"));
    for (GuiTitleButton& header : _headers)
        header.SetState(0);

    GetMissionInfo();
    RollRecords();
    FillPiratesList();
    _required = _level ? _level->GetMaxPirates() : 0;

    _buttons[BUTTON_GO].Load(Vec2(467.0f, 414.0f), GA_CENTER)->SetText(GuiGame::Text("ui_team_button0"));
    _buttons[BUTTON_LOAN].Load(Vec2(467.0f, 517.0f), GA_CENTER)->SetText(GuiGame::Text("ui_team_button1"));
    _centreButton = BUTTON_LOAN;
    _section = SECTION_PIRATES;
    _row = _pirateTop = _teamTop = 0;
    _messageOpen = _loanMode = false;
    _dealerIndex = 0;
    _dealerPos = _loanFade = 0.0f;
    _scrollAnim = _caretAnim = _gapAnim = 0.0f;
    _pulse = 0.0f;
    _pulseState = 2;
    _sentBalance = 0;
    _lastDealerName = _lastRate = _lastCash = GuiTextCache();
    _lastFrom = _lastName = _lastLocation = GuiTextCache();
    FillLoans();
}

void GuiTeamGathering::Unload()
{
    UnloadPresentation();
    for (GuiTitleButton& header : _headers)
        header.Unload();
    for (GuiMiddleButton& button : _buttons)
        button.Unload();
    _team.clear();
    _available.clear();
}

void GuiTeamGathering::GetMissionInfo()
{
    _level = _pilot ? _pilot->GetCurrentLevel() : nullptr;
    Gui::CopyText(_missionFrom, sizeof(_missionFrom), _level ? _level->GetFrom() : "");
    Gui::CopyText(_missionName, sizeof(_missionName), _level ? _level->GetName() : "");
    Gui::CopyText(_missionLocation, sizeof(_missionLocation), _level ? _level->GetLocation() : "");
}

void GuiTeamGathering::RollRecords()
{
    _records.clear();
    _maxScore = 0.0f;
    const PirateRating* rating = _pilot ? _pilot->GetPirateRating() : nullptr;
    const int count = rating ? std::min(rating->GetPirateCount(), MaxRecords) : 0;
    const int price = _level ? _level->GetPrice() : 0;
    const int seats = _level ? _level->GetMaxPirates() : 0;
    for (int i = 0; i < count; ++i)
    {
        Pirate* pirate = rating->GetPirate(i);
        PiratDesc& record = _records.emplace_back();
        Gui::CopyText(record.name, sizeof(record.name), pirate->GetName());
        record.score = pirate->GetTotalScore();
        record.efficiency = int(pirate->GetEfficiency());
        record.price = PiratePrice(price, seats, record.efficiency, RandomFraction());
        record.icon = GuiGame::LoadMaterial(pirate->GetIcon());
        record.pirate = pirate;
        _maxScore = std::max(_maxScore, record.score);
    }
}

void GuiTeamGathering::FillPiratesList()
{
    _available.clear();
    for (PiratDesc& record : _records)
    {
        if (!record.taken)
            _available.push_back(&record);
    }
    _teamSizeCache = int(_team.size());
}

void GuiTeamGathering::FillLoans()
{
    const int balance = GetBalance();
    for (int i = 0; i < GetDealersCount(); ++i)
    {
        Dealer* dealer = GetDealer(i);
        const float r1 = RandomFraction();
        const float r2 = RandomFraction();
        dealer->SetCash((1.0f + 0.2f * r1) * float(-balance));
        dealer->SetPerc(15.0f + 30.0f * r2);
    }
}

void GuiTeamGathering::CloseMessage()
{
    _messageOpen = false;
    _section = SECTION_CENTRE;
    _centreButton = BUTTON_LOAN;
}
