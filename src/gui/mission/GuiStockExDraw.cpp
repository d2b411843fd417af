// The stock exchange's frames: the kind buttons, or the list of offers as cards sliding as the
// selection moves and a card opens or closes, with the corners around the selected card.
#include "gui/mission/GuiStockEx.h"

#include "game/core/catalogue/LevelDesc.h"
#include "game/profiles/UserProfile.h"
#include "game/hud/GuiShipHudTextMessage.h"
#include "gui/mission/GuiScreen.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <string>

namespace {

// Slides run towards 0 at this many design units a second, fades at 5 a second.
constexpr float SlideSpeed = 400.0f;
constexpr float FadeSpeed = 5.0f;

float Toward(float value, float target, float step)
{
    return value < target ? std::min(value + step, target) : std::max(value - step, target);
}

// The list's cards fade in at its top and out at its foot.
float CardAlpha(float y)
{
    if (y <= 213.0f || y >= 861.0f)
        return 0.0f;
    if (y < 250.0f)
        return (y - 213.0f) / 37.0f;
    if (y > 778.0f)
        return (861.0f - y) / 83.0f;
    return 1.0f;
}

Vec2 Centred(float x, float y) { return Gui::ScreenPos(Vec2(x, y), GA_CENTER); }

} // namespace

Material* GuiStockEx::DealerFace() const
{
    const Dealer* dealer = _pilot ? _pilot->GetDealerByIndex(0) : nullptr;
    return dealer ? GuiGame::LoadMaterial(dealer->GetIcon()) : nullptr;
}

void GuiStockEx::UserProceed(float seconds)
{
    if (_leaveForPilots)
    {
        GuiScreen::LeaveForPilots(GetManager());
        _leaveForPilots = false;
    }
    _video.Draw();
    for (const std::unique_ptr<GuiStockItemPassive>& card : _passiveCards)
        card->SetVisible(false);
    for (const std::unique_ptr<GuiStockItemSelected>& card : _selectedCards)
    {
        if (card)
            card->SetVisible(false);
    }
    if (_fullCard)
        _fullCard->SetVisible(false);
    if (_corners)
        _corners->SetVisible(false);
    if (_mode == MODE_KINDS)
        DrawCenterButtons();
    else
        DrawOffers(seconds);
    if (_escBox)
        _escBox->Proceed();
    if (_message)
        _message->Proceed();
    // A move asked for while a card closed happens once the card is mostly closed.
    if (_pendingUp && SelectedOfferUp())
        _pendingUp = false;
    if (_pendingDown && SelectedOfferDown())
        _pendingDown = false;
}

void GuiStockEx::DrawCenterButtons()
{
    _listHeader.SetVisible(false);
    for (const std::unique_ptr<GuiStockItemPassive>& card : _passiveCards)
        card->SetName("");
    for (const std::unique_ptr<GuiStockItemSelected>& card : _selectedCards)
    {
        if (card)
            card->SetName("");
    }
    if (_fullCard)
        _fullCard->SetName("");
    for (GuiMiddleButton& button : _kindButtons)
        button.SetVisible(true);
    _kindButtons[0].SetState(_kindCursor == 0 ? 2 : 1);
    _kindButtons[1].SetState(_kindCursor == 1 ? 2 : 1);
}

void GuiStockEx::DrawOffers(float seconds)
{
    _listHeader.SetVisible(true);
    for (GuiMiddleButton& button : _kindButtons)
        button.SetVisible(false);
    _offerCount = GetLevelsCount();
    while (int(_passiveCards.size()) < _offerCount)
    {
        _passiveCards.push_back(std::make_unique<GuiStockItemPassive>());
        _passiveCards.back()->Load()->SetPos(Vec2(-999.0f, -999.0f));
    }
    _listHeader.SetCaption2(std::to_string(_offerCount).c_str());
    _listHeader.SetCaption(GuiGame::Text(_kind != 0 ? "ui_stock_button_paid" : "ui_stock_button_free"));

    // The list follows the selection a row a frame; an open card leaves room for four rows.
    const int visibleRows = _opened ? 4 : 5;
    if (_selected - _top >= visibleRows)
    {
        ++_top;
        _listSlide = RowHeight;
    }
    else if (_selected - _top < 0)
    {
        --_top;
        _listSlide = -RowHeight;
    }
    _listSlide = Toward(_listSlide, 0.0f, SlideSpeed * seconds);
    _openSlide = Toward(_openSlide, 0.0f, SlideSpeed * seconds);
    _openFade = Toward(_openFade, _opened ? 1.0f : 0.0f, FadeSpeed * seconds);

    float y = -RowHeight;
    bool afterSelected = false;
    for (int j = 0; j < visibleRows + 2 && j < Rows; ++j)
    {
        const int index = _top + j - 1;
        if (index < 0 || index >= _offerCount)
        {
            y += RowHeight;
            continue;
        }
        const float at = y + _listSlide + (afterSelected ? _openSlide : 0.0f);
        if (index == _selected)
        {
            _rowHighlight[j] = std::min(_rowHighlight[j] + FadeSpeed * seconds, 1.0f);
            const bool available = _opened ? DrawOfferFull(at, index) : DrawOfferActive(at, index);
            // Not around the rows that slide in and out at the ends.
            if (j > 0 && j < visibleRows + 1)
                DrawCorners(at, _rowHighlight[j], available);
            y += _opened ? 2.0f * RowHeight : RowHeight;
            afterSelected = true;
            continue;
        }
        _rowHighlight[j] = std::max(_rowHighlight[j] - FadeSpeed * seconds, 0.0f);
        DrawOfferPassive(_passiveCards[size_t(index)].get(), at, index);
        y += RowHeight;
    }
}

void GuiStockEx::DrawOfferPassive(GuiStockItemPassive* card, float y, int index)
{
    const LevelDesc* offer = GetLevelDesc(index);
    if (!offer)
        return;
    card->SetPos(Centred(434.0f, y + 274.0f));
    card->SetAlpha(CardAlpha(y + 276.0f));
    card->SetVisible(true);
    card->SetFace(DealerFace());
    card->SetName(offer->GetName());
    card->SetRace(offer->GetRace());
    card->SetState(offer->GetAvaliable() ? 1 : 0);
    card->SetMoney(std::to_string(offer->GetPrice()).c_str());
    card->SetStars(CalcStarsCount(offer));
}

bool GuiStockEx::DrawOfferActive(float y, int index)
{
    const LevelDesc* offer = GetLevelDesc(index);
    if (!offer)
        return false;
    for (const std::unique_ptr<GuiStockItemSelected>& card : _selectedCards)
    {
        card->SetPos(Centred(387.0f, y + 263.0f));
        card->SetFace(DealerFace());
        card->SetName(offer->GetName());
        card->SetRace(offer->GetRace());
        card->SetMoney(std::to_string(offer->GetPrice()).c_str());
        card->SetStars(CalcStarsCount(offer));
    }
    _selectedCards[0]->SetVisible(offer->GetAvaliable());
    _selectedCards[1]->SetVisible(!offer->GetAvaliable());
    return offer->GetAvaliable();
}

bool GuiStockEx::DrawOfferFull(float y, int index)
{
    LevelDesc* offer = GetLevelDesc(index);
    if (!offer)
        return false;
    const Dealer* dealer = _pilot ? _pilot->GetDealerByIndex(0) : nullptr;
    _fullCard->SetPos(Centred(386.0f, y + 267.0f));
    _fullCard->SetVisible(true);
    _fullCard->SetName(offer->GetName());
    _fullCard->SetFrom(dealer ? dealer->GetName() : "");
    _fullCard->SetLocation(offer->GetLocation());
    _fullCard->SetDesc(offer->GetDesc());
    _fullCard->SetRace(dealer ? dealer->GetRace() : "");
    _fullCard->SetFace(DealerFace());
    _fullCard->SetMoney(std::to_string(offer->GetPrice()).c_str());
    _fullCard->SetStars(CalcStarsCount(offer));
    _shownOffer = offer;
    return offer->GetAvaliable();
}

void GuiStockEx::DrawCorners(float y, float highlight, bool available)
{
    const float h = highlight, f = _openFade;
    const Vec2 corners[GuiCorners::Corners] = {
        Vec2(434.0f, y + 290.0f) + Vec2(-43.0f, -15.0f) * h + Vec2(-12.0f, 9.0f) * f,
        Vec2(719.0f, y + 290.0f) + Vec2(43.0f, -15.0f) * h + Vec2(12.0f, 9.0f) * f,
        Vec2(434.0f, y + 351.0f) + Vec2(-43.0f, 15.0f) * h + Vec2(-12.0f, 112.0f) * f,
        Vec2(720.0f, y + 351.0f) + Vec2(43.0f, 15.0f) * h + Vec2(12.0f, 112.0f) * f,
    };
    for (int i = 0; i < GuiCorners::Corners; ++i)
        _corners->SetCornerPos(i, Gui::ScreenPos(corners[i] + Vec2(22.0f, 0.0f), GA_CENTER));
    _corners->SetSelected(available);
    _corners->SetVisible(true);
}
