#include "gui/mission/GuiStockEx.h"

#include "game/core/catalogue/LevelsList.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/profiles/UserProfile.h"
#include "game/hud/GuiShipHudTextMessage.h"
#include "game/core/game/MenuGame.h"
#include "gui/mission/GuiScreen.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr const char* ScreenName = "Stock exchange";
constexpr int RaceColumnRows = GuiRacesColumn::Rows;

std::string Format(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof(text), format, value);
    return text;
}

} // namespace

void GuiStockExEscMenu::EventSelectApply()
{
    _shown = false;
    if (_yes)
    {
        _result = RESULT_YES;
        MenuGame::SetActiveFrame("main_menu");
        return;
    }
    _result = RESULT_NONE;
}

GuiStockEx::GuiStockEx(GameFrameManager* manager, const char* name)
    : GameFrame(manager, name), _video("$stockex_bg", "gui_stock_ex.mat")
{}

GuiStockEx::~GuiStockEx() { Unload(); }

int GuiStockEx::CalcStarsCount(const LevelDesc* offer)
{
    if (!offer || offer->GetPrice() == 0)
        return 1;
    if (offer->GetPrice() < 0)
        return 0;
    return offer->GetAvaliable() ? 3 : 4;
}

int GuiStockEx::GetLevelsCount() const
{
    const LevelsList* offers = _pilot ? _pilot->GetLevelsList() : nullptr;
    if (!offers)
        return 0;
    return _kind == 0 ? offers->GetFreeCount() : _kind == 1 ? offers->GetPaidCount() : 0;
}

LevelDesc* GuiStockEx::GetLevelDesc(int index) const
{
    const LevelsList* offers = _pilot ? _pilot->GetLevelsList() : nullptr;
    if (!offers)
        return nullptr;
    return _kind == 0 ? offers->GetFreeDesc(index) : _kind == 1 ? offers->GetPaidDesc(index) : nullptr;
}

void GuiStockEx::UserInitialize()
{
    Load();
    _video.Load("movies/stock_ex.avi");
    _mode = MODE_KINDS;
    _kindCursor = _kind = _selected = _top = _offerCount = 0;
    _opened = false;
    _shownOffer = nullptr;
    _pendingUp = _pendingDown = false;
    _listSlide = _openSlide = _openFade = 0.0f;
    std::fill(std::begin(_rowHighlight), std::end(_rowHighlight), 0.0f);
    _leaveForPilots = !_pilot;
}

void GuiStockEx::Load()
{
    Unload();
    _pilot = GuiScreen::Pilot(ScreenName);
    LoadRaces();
    LoadPirates();
    _message = std::make_unique<GuiShipHudTextMessage>();
    _message->Load();
    _title.Load()->SetTitle(GuiGame::Text("ui_stock_title"));
    _tips.Load();
    _personalInfo.Load();

    _raceHeader.Load(Vec2(30.0f, 183.0f), GA_LEFT)->SetCaption(GuiGame::Text("ui_stock_race_title"));
    _raceHeader.SetCaption2("7");
    _raceHeader.SetState(0);
    _racesColumn.Load(Vec2(-3.0f, 271.0f));
    for (int i = 0; i < RaceColumnRows; ++i)
    {
        _racesColumn.SetName(i, _raceName[i]);
        _racesColumn.SetNameSmall(i, _raceCode[i]);
        _racesColumn.SetRate(i, _raceRating[i] * 0.01f);
        _racesColumn.SetIcon(i, _raceIcon[i]);
    }

    const PirateRating* rating = _pilot ? _pilot->GetPirateRating() : nullptr;
    _pirateHeader.Load(Vec2(930.0f, 183.0f), GA_RIGHT)->SetCaption(GuiGame::Text("ui_stock_pirate_title"));
    _pirateHeader.SetCaption2(std::to_string(rating ? rating->GetPirateCount() : 0).c_str());
    _pirateHeader.SetState(0);
    _piratesColumn.Load(Vec2(878.0f, 261.0f));
    _piratesColumn.Initialize(5);
    const float greatest = *std::max_element(std::begin(_pirateScore), std::end(_pirateScore));
    for (int i = 0; i < Pirates; ++i)
    {
        _piratesColumn.SetName(i, _pirateName[i]);
        _piratesColumn.SetScoreText(i, Format("%.0f", _pirateScore[i]).c_str());
        _piratesColumn.SetEffText(i, std::to_string(_pirateEff[i]).c_str());
        _piratesColumn.SetScore(i, greatest > 0.0f ? _pirateScore[i] / greatest : 0.0f);
        _piratesColumn.SetEff(i, float(_pirateEff[i]) * 0.01f);
        _piratesColumn.SetFace(i, _pirateFace[i]);
    }

    const char* kinds[] = {"ui_stock_button_free", "ui_stock_button_paid", "ui_stock_button_exclusive"};
    for (int i = 0; i < 3; ++i)
        _kindButtons[i].Load(Vec2(470.0f, 339.0f + 105.0f * float(i)), GA_CENTER)->SetText(GuiGame::Text(kinds[i]));
    _kindButtons[2].SetState(0);
    _listHeader.Load(Vec2(480.0f, 183.0f), GA_CENTER)->SetState(1);

    const Vec2 away(-999.0f, -999.0f);
    for (int i = 0; i < 2; ++i)
    {
        _selectedCards[i] = std::make_unique<GuiStockItemSelected>();
        _selectedCards[i]->Load()->SetPos(away);
        _selectedCards[i]->SetName("");
        _selectedCards[i]->SetState(i == 0 ? 1 : 0);
    }
    _fullCard = std::make_unique<GuiStockItemFull>();
    _fullCard->Load()->SetPos(away);
    _fullCard->SetName("");
    _corners = std::make_unique<GuiCorners>();
    _corners->Load(nullptr);
    _corners->SetVisible(false);
    _escBox = std::make_unique<GuiStockExEscMenu>();
}

// Seven rows start as a stand-in race; the pilot's rating fills them in its order.
void GuiStockEx::LoadRaces()
{
    for (int i = 0; i < Races; ++i)
    {
        const bool standIn = i < RaceColumnRows;
        Gui::CopyText(_raceName[i], sizeof(_raceName[i]), standIn ? "Human" : "");
        Gui::CopyText(_raceCode[i], sizeof(_raceCode[i]), standIn ? "YTG" : "");
        _raceRating[i] = standIn ? 87.432f : 0.0f;
        _raceIcon[i] = nullptr;
    }
    const RaceRating* races = _pilot ? _pilot->GetRaceRating() : nullptr;
    for (int i = 0; races && i < std::min(races->GetRaceCount(), Races); ++i)
    {
        const Race* race = races->GetRace(i);
        _raceRating[i] = race->GetRating();
        Gui::CopyText(_raceName[i], sizeof(_raceName[i]), race->GetName());
        Gui::CopyText(_raceCode[i], sizeof(_raceCode[i]), race->GetCode());
        _raceIcon[i] = GuiGame::LoadMaterial(race->GetIcon());
    }
}

// The best five pirates, and the pilot himself in the last row.
void GuiStockEx::LoadPirates()
{
    for (int i = 0; i < Pirates; ++i)
    {
        Gui::CopyText(_pirateName[i], sizeof(_pirateName[i]), "(none)");
        _pirateScore[i] = 0.0f;
        _pirateEff[i] = 0;
        _pirateFace[i] = nullptr;
    }
    const PirateRating* rating = _pilot ? _pilot->GetPirateRating() : nullptr;
    for (int i = 0; rating && i < std::min(rating->GetPirateCount(), Pirates); ++i)
    {
        const Pirate* pirate = rating->GetPirate(i);
        Gui::CopyText(_pirateName[i], sizeof(_pirateName[i]), pirate->GetName());
        _pirateScore[i] = pirate->GetTotalScore() * 100.0f;
        _pirateEff[i] = int(pirate->GetEfficiency());
        _pirateFace[i] = GuiGame::LoadMaterial(pirate->GetIcon());
    }
    if (!_pilot)
        return;
    const int player = Pirates - 1;
    Gui::CopyText(_pirateName[player], sizeof(_pirateName[player]), _pilot->GetName());
    _pirateScore[player] = float(_pilot->GetScore());
    _pirateEff[player] = _pilot->GetEfficiency();
    _pirateFace[player] = GuiGame::LoadMaterial(_pilot->GetFaceMaterial());
}

void GuiStockEx::Unload()
{
    _video.Unload();
    _passiveCards.clear();
    for (std::unique_ptr<GuiStockItemSelected>& card : _selectedCards)
        card.reset();
    _fullCard.reset();
    for (GuiMiddleButton& button : _kindButtons)
        button.Unload();
    _raceHeader.Unload();
    _pirateHeader.Unload();
    _listHeader.Unload();
    _racesColumn.Unload();
    _piratesColumn.Unload();
    _corners.reset();
    _escBox.reset();
    _message.reset();
    _title.Unload();
    _tips.Unload();
    _personalInfo.Unload();
}

bool GuiStockEx::MoveSelection(int step)
{
    if (_listSlide != 0.0f || _openSlide >= 60.0f)
        return false;
    _selected = std::clamp(_selected + step, 0, std::max(_offerCount - 1, 0));
    return true;
}

bool GuiStockEx::SelectedOfferUp() { return MoveSelection(-1); }

bool GuiStockEx::SelectedOfferDown() { return MoveSelection(1); }

void GuiStockEx::CloseCard()
{
    _opened = false;
    _openSlide = RowHeight;
}

// The box takes the keys while it is up; a key only hides a message on screen.
bool GuiStockEx::TakenByBoxOrMessage()
{
    if (_escBox && _escBox->IsActive())
        return true;
    if (_message && _message->IsActive())
    {
        _message->Clear();
        return true;
    }
    return false;
}

// The kind cursor alternates between free and paid; in the list an open card closes first and
// the move follows when it has mostly closed.
void GuiStockEx::MoveUpDown(int step)
{
    MenuGame::PlaySound(MenuGame::SelectButtonSound);
    if (TakenByBoxOrMessage())
        return;
    if (_mode == MODE_KINDS)
        _kindCursor = 1 - _kindCursor;
    else if (_opened)
    {
        CloseCard();
        (step < 0 ? _pendingUp : _pendingDown) = true;
    }
    else
        MoveSelection(step);
}

void GuiStockEx::EventSelectUp() { MoveUpDown(-1); }

void GuiStockEx::EventSelectDown() { MoveUpDown(1); }

void GuiStockEx::EventSelectLeft()
{
    if (_escBox && _escBox->IsActive())
        _escBox->EventSelectLeft();
    else
        TakenByBoxOrMessage();
}

void GuiStockEx::EventSelectRight()
{
    if (_escBox && _escBox->IsActive())
        _escBox->EventSelectRight();
    else
        TakenByBoxOrMessage();
}

void GuiStockEx::EventSelectApply()
{
    MenuGame::PlaySound(MenuGame::PressButtonSound);
    if (_escBox && _escBox->IsActive())
    {
        _escBox->EventSelectApply();
        return;
    }
    if (TakenByBoxOrMessage())
        return;
    if (_mode == MODE_KINDS)
    {
        _mode = MODE_OFFERS;
        _kind = _kindCursor;
        return;
    }
    if (_opened)
    {
        TakeOffer();
        return;
    }
    const LevelDesc* offer = GetLevelDesc(_selected);
    if (offer && offer->GetAvaliable())
    {
        _opened = true;
        _openSlide = -RowHeight;
        _openFade = 0.0f;
    }
}

void GuiStockEx::TakeOffer()
{
    if (!_shownOffer || !_pilot)
        return;
    if (!_shownOffer->GetAvaliable())
    {
        // Shown until the next key.
        _message->SetOffset(Vec2(0.0f, -180.0f));
        _message->Show("Mission is not accessible", 9999999.0f, false, 3);
        return;
    }
    _pilot->SetCurrentLevel(_shownOffer);
    _pilot->SetTmpCash(_pilot->GetCash());
    _pilot->SetTmpCredit(0);
    GetManager()->SetActive("mission_desc");
}

void GuiStockEx::EventSelectDecline()
{
    if (_escBox && _escBox->IsActive())
    {
        _escBox->EventSelectDecline();
        return;
    }
    if (TakenByBoxOrMessage())
        return;
    if (_mode == MODE_KINDS)
    {
        if (_escBox)
            _escBox->Show();
        return;
    }
    if (_opened)
    {
        CloseCard();
        return;
    }
    _mode = MODE_KINDS;
    _selected = _top = 0;
    _listSlide = _openSlide = 0.0f;
    std::fill(std::begin(_rowHighlight), std::end(_rowHighlight), 0.0f);
}
