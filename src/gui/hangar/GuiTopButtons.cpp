#include "gui/hangar/GuiTopButtons.h"

#include "game/core/game/MenuGame.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/profiles/UserProfile.h"
#include "gui/hangar/GuiDeviceParams.h"
#include "gui/hangar/GuiTopButtonsConfirm.h"
#include "gui/hangar/GuiTopButtonsSet.h"
#include "gui/hangar/HangarGui.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cmath>

using FlashHost::Args;

int GuiTopButtons::_state = GuiTopButtons::STATE_SHIP_SET;
float GuiTopButtons::_state_anim = 1.0f;

namespace {

// Loaded with the panel; only the arrows and the flight-model icons are drawn.
const char* const Materials[] = {"angar//back.mat",
                                 "angar//text1.mat",
                                 "angar//text2.mat",
                                 "angar//w_p.mat",
                                 "angar//w_a.mat",
                                 "angar//a_p.mat",
                                 "angar//a_a.mat",
                                 "angar//p_p.mat",
                                 "angar//p_a.mat",
                                 "angar//d_p.mat",
                                 "angar//d_a.mat",
                                 "angar//ugolok1.mat",
                                 "angar//ugolok2.mat",
                                 "angar//ugolok3.mat",
                                 "angar//ugolok4.mat",
                                 "angar//w_text.mat",
                                 "angar//a_text.mat",
                                 "angar//p_text.mat",
                                 "angar//d_text.mat",
                                 "angar//elem_a1_b.mat",
                                 "angar//elem_a1_t.mat",
                                 "angar//elem_a2_b.mat",
                                 "angar//elem_a2_t.mat",
                                 "angar//elem_a3_b.mat",
                                 "angar//elem_a3_t.mat",
                                 "angar//sub_back.mat",
                                 "angar//sub_yellow.mat",
                                 "angar//sub_ramka_t.mat",
                                 "angar//sub_ramka_b.mat",
                                 "angar//sub_yellow_l.mat",
                                 "angar//sub_yellow_r.mat",
                                 "angar//sub_arrows_t.mat",
                                 "angar//sub_arrows_m.mat",
                                 "angar//sub_arrows_b.mat",
                                 "angar//scroll_arrow_up.mat",
                                 "angar//scroll_arrow_down.mat",
                                 "angar//device_back.mat",
                                 "angar//device_back2.mat",
                                 "angar//device_back3.mat",
                                 "angar//device_net.mat",
                                 "angar//device_ugolok1.mat",
                                 "angar//device_ugolok2.mat",
                                 "angar//device_ugolok1_2.mat",
                                 "angar//device_ugolok2_2.mat",
                                 "angar//devices_net_big.mat",
                                 "angar//esc.mat"};

const char* const Headers[4] = {"ui_angar_header_weaponry", "ui_angar_header_armor", "ui_angar_header_power",
                                "ui_angar_header_add"};

// The cards' design places (0 and 5 below the screen, 3 the centre), their sizes and those of
// their pictures.
const Vec2 CardPlaces[GuiTopButtons::CardCount] = {{57, 1103}, {157, 803}, {262, 762},
                                                   {378, 693}, {621, 762}, {721, 1062}};
const float CardSizes[GuiTopButtons::CardCount + 1] = {16, 88, 128, 180, 128, 88, 16};
const float ImageSizes[GuiTopButtons::CardCount + 1] = {16, 70, 100, 100, 100, 70, 16};

struct CardLayer
{
    const char* movie;
    Vec2 size;
};
const CardLayer Cards[GuiTopButtons::CardCount] = {{"swf//frame_m.swf", {140, 119}}, {"swf//frame_m.swf", {140, 119}},
                                                   {"swf//frame_m.swf", {200, 170}}, {"swf//frame_b.swf", {316, 256}},
                                                   {"swf//frame_m.swf", {200, 170}}, {"swf//frame_m.swf", {140, 119}}};

Vec2 Lerp(const Vec2& a, const Vec2& b, float t) { return a * (1.0f - t) + b * t; }

} // namespace

GuiTopButtons::GuiTopButtons(IConstructionAngar* angar) : _angar(angar) { Reset(); }

GuiTopButtons::~GuiTopButtons() { Unload(); }

void GuiTopButtons::ResetState()
{
    _state = STATE_SHIP_SET;
    _state_anim = 1.0f;
}

void GuiTopButtons::Reset()
{
    _category = 0;
    _row = 0;
    _slotOpen = false;
    _choice = 0;
    _carousel = 0.0f;
    _lastCategory = SDT_NONE;
    _lastSubType = -100;
    _pulse = 1.0f;
    _cardFade = 0.0f;
    _iconFade = 0.0f;
}

void GuiTopButtons::Load()
{
    Unload();
    for (const char* file : Materials)
        GuiGame::LoadMaterial(file);
    _arrowBig = GuiGame::LoadMaterial("angar//devices_arrow_big.mat");
    _arrowSmall = GuiGame::LoadMaterial("angar//devices_arrow_small.mat");
    const char* sizes[3] = {"s", "m", "b"};
    const char* models[4] = {"direct", "strafe", "duplex", "comby"};
    for (int size = 0; size < 3; ++size)
    {
        for (int model = 0; model < 4; ++model)
        {
            const std::string file = std::string("angar//fm_") + sizes[size] + "_" + models[model] + ".mat";
            _flightModels[size][model] = GuiGame::LoadMaterial(file.c_str());
        }
    }

    for (int k = 0; k < CardCount; ++k)
    {
        _cardPos[k] = Gui::ScreenPos(CardPlaces[k], GA_CENTER);
        _imagePos[k] = Gui::ScreenPos(CardPlaces[k] + Vec2((CardSizes[k] - ImageSizes[k]) * 0.5f), GA_CENTER);
    }
    _imagePos[CardCount] = _imagePos[CardCount - 1];
    for (int k = 0; k <= CardCount; ++k)
    {
        _cardSizes[k] = CardSizes[k] * LayerManager::GetScaleFactor();
        _imageSizes[k] = ImageSizes[k] * LayerManager::GetScaleFactor();
    }

    _params = std::make_unique<GuiDeviceParams>();
    _params->Load();

    Layer* root = LayerManager::GetRoot();
    _active = Gui::AddFlash(root, "title", "swf//top_button_a.swf", Gui::ScreenPos(Vec2(-76.0f, -65.0f), GA_CENTER),
                            Gui::ScreenSize(Vec2(512.0f, 512.0f)));
    for (int i = 0; i < 4; ++i)
    {
        _passive[i] = Gui::AddFlash(root, "button_passive", "swf//top_button_p.swf",
                                    Gui::ScreenPos(Vec2(315.0f * float(i) - 75.0f, 18.0f), GA_CENTER),
                                    Gui::ScreenSize(Vec2(512.0f, 128.0f)));
        Gui::Call(_passive[i], L"SetType", Args(i + 1)(GuiGame::Text(Headers[i])));
    }
    for (int k = 0; k < CardCount; ++k)
    {
        _cards[k] =
            Gui::AddFlash(root, "title", Cards[k].movie, GetDeviceFPos(float(k)), Gui::ScreenSize(Cards[k].size));
        Gui::SetVisible({_cards[k]}, false);
        _cardMovies[k] = GuiTextCache();
    }
    _raceBack = Gui::AddFlash(root, "race_back", "swf//race_back.swf", Gui::ScreenPos(Vec2(346, 611), GA_CENTER),
                              Gui::ScreenSize(Vec2(128.0f, 128.0f)));
    _raceCaption = Gui::AddFlash(root, "race_txt", "swf//race_txt.swf", Gui::ScreenPos(Vec2(323, 703), GA_CENTER),
                                 Gui::ScreenSize(Vec2(128.0f, 22.0f)));
    _caption = GuiTextCache();
    _sentType = -1;
    _sentHeader = GuiTextCache();
    _sentRace = GuiTextCache();

    _confirm = std::make_unique<GuiTopButtonsConfirm>();
    _shipSet = std::make_unique<GuiTopButtonsSet>();
    _shipSet->Initialize();
}

void GuiTopButtons::Unload()
{
    _params.reset();
    _confirm.reset();
    _shipSet.reset();
    Layer* root = LayerManager::GetRoot();
    Gui::Detach(root, _raceBack);
    Gui::Detach(root, _raceCaption);
    Gui::Detach(root, _active);
    for (FlashLayer*& layer : _passive)
        Gui::Detach(root, layer);
    for (FlashLayer*& layer : _cards)
        Gui::Detach(root, layer);
}

Vec2 GuiTopButtons::GetDeviceFPos(float x) const
{
    if (!(x >= 0.0f && x <= 6.0f))
        return Vec2(Outside);
    if (x > 5.0f)
        return _cardPos[5];
    if (x == 0.0f)
        return _cardPos[0];
    const int upper = int(std::ceil(x));
    return Lerp(_cardPos[upper - 1], _cardPos[upper], x - float(upper - 1));
}

Vec2 GuiTopButtons::GetDeviceFSize(float x) const
{
    if (!(x >= 0.0f && x < 6.0f))
        return Vec2(0.0f);
    const int k = int(x);
    return Vec2(_cardSizes[k] + (_cardSizes[k + 1] - _cardSizes[k]) * (x - float(k)));
}

Vec2 GuiTopButtons::GetDeviceImageFPos(float x) const
{
    if (!(x >= 0.0f && x <= 7.0f))
        return Vec2(Outside);
    if (x >= 6.0f)
        return Vec2(0.0f);
    const int k = int(x);
    return Lerp(_imagePos[k], _imagePos[k + 1], x - float(k));
}

Vec2 GuiTopButtons::GetDeviceImageFSize(float x) const
{
    if (!(x >= 0.0f && x < 6.0f))
        return Vec2(0.0f);
    const int k = int(x);
    return Vec2(_imageSizes[k] + (_imageSizes[k + 1] - _imageSizes[k]) * (x - float(k)));
}

void GuiTopButtons::InitDefaultValues()
{
    if (!_angar)
        return;
    if (_lists.InitSelections(*_angar, [this](GuiSubDevice* slot, int index) { SetStartSelection(slot, index); }))
        UpdateTextes();
}

void GuiTopButtons::SetStartSelection(GuiSubDevice* slot, int index)
{
    const GuiDevice* device = slot ? slot->At(index) : nullptr;
    if (device && _angar)
        _angar->SwitchDevice(device->device, device->type, device->subType);
}

void GuiTopButtons::UpdateTextes()
{
    Gui::Call(_active, L"StartAnimation");
    Gui::Call(_active, L"ClearAllText");
    for (const std::unique_ptr<GuiSubDevice>& slot : _lists.Of(_category))
        Gui::Call(_active, L"AddText", Args(slot->name));
}

void GuiTopButtons::AdjustSelection()
{
    _pulse = 1.0f;
    if (_category < 0)
    {
        _category = 3;
        _pulse = 4.0f;
    }
    else if (_category > 3)
    {
        _category = 0;
        _pulse = 4.0f;
    }
}

int GuiTopButtons::GetDeviceIndex(int row) const { return row >= 0 && row < _lists.Count(_category) ? row : -1; }

void GuiTopButtons::FitChoice(int choice)
{
    GuiSubDevice* slot = GetOpenSlot();
    const GuiDevice* device = slot ? slot->At(choice) : nullptr;
    if (!device)
        return;
    slot->selected = choice;
    if (_angar)
        _angar->SwitchDevice(device->device, _category, device->subType);
}

void GuiTopButtons::OpenSlot(GuiSubDevice& slot)
{
    _slotOpen = true;
    // Undo returns to the slot's own choice, which may be none; then to what the ship carried.
    _savedChoice = slot.selected;
    _choice = slot.At(slot.selected) ? slot.selected : 0;
    const GuiDevice* first = slot.At(0);
    _savedDevice = _angar && first ? _angar->GetCurrentDevice(_category, first->subType) : nullptr;
}

void GuiTopButtons::CloseSlot()
{
    _slotOpen = false;
    GuiSubDevice* slot = GetOpenSlot();
    if (!slot || slot->At(_savedChoice))
    {
        _choice = _savedChoice;
        FitChoice(_choice);
        return;
    }
    slot->selected = _savedChoice;
    _choice = 0;
    const GuiDevice* first = slot->At(0);
    if (_angar && first && _savedDevice && _angar->GetCurrentDevice(_category, first->subType) != _savedDevice)
        _angar->SwitchDevice(_savedDevice, _category, first->subType);
}

void GuiTopButtons::MoveRow(int step)
{
    const int row = GetDeviceIndex(_row + step);
    if (row < 0)
        return;
    _row = row;
    HangarGui::Sound("menu//select_button.wav");
    _rowShift = step < 0 ? -29 : 29;
    Gui::Call(_active, L"SetShift", Args(step < 0 ? -32.0f : 32.0f));
    Gui::Call(_active, L"SetSelected", Args(_row));
}

void GuiTopButtons::StepCategory(int step)
{
    const int start = _category;
    for (int tries = 0; tries < 4; ++tries)
    {
        _category += step;
        AdjustSelection();
        if (_lists.Count(_category) > 0)
        {
            _row = 0;
            UpdateTextes();
            return;
        }
    }
    _category = start;
}

void GuiTopButtons::EventUp()
{
    if (_confirm && _confirm->IsShown())
        return;
    if (_state == STATE_SHIP_SET)
    {
        if (_shipSet)
            _shipSet->EventSelectUp();
        return;
    }
    if (_slotOpen)
        CloseSlot();
    MoveRow(-1);
}

void GuiTopButtons::EventDown()
{
    if (_confirm && _confirm->IsShown())
        return;
    if (_state == STATE_SHIP_SET)
    {
        if (_shipSet)
            _shipSet->EventSelectDown();
        return;
    }
    if (_slotOpen)
        CloseSlot();
    MoveRow(1);
}

void GuiTopButtons::EventLeft()
{
    if (_confirm && _confirm->IsShown())
    {
        _confirm->Prev();
        return;
    }
    if (_state == STATE_SHIP_SET)
    {
        if (_shipSet)
            _shipSet->EventSelectLeft();
        return;
    }
    if (!_slotOpen)
    {
        StepCategory(-1);
        return;
    }
    GuiSubDevice* slot = GetOpenSlot();
    if (slot && slot->At(_choice - 1))
    {
        FitChoice(--_choice);
        _cardFade = 0.0f;
    }
}

void GuiTopButtons::EventRight()
{
    if (_confirm && _confirm->IsShown())
    {
        _confirm->Next();
        return;
    }
    if (_state == STATE_SHIP_SET)
    {
        if (_shipSet)
            _shipSet->EventSelectRight();
        return;
    }
    if (!_slotOpen)
    {
        StepCategory(1);
        return;
    }
    GuiSubDevice* slot = GetOpenSlot();
    if (slot && slot->At(_choice + 1))
    {
        FitChoice(++_choice);
        _cardFade = 0.0f;
    }
}

void GuiTopButtons::EventEnter()
{
    if (_confirm && _confirm->IsShown())
    {
        _confirm->Apply();
        if (_confirm->GetChoice() != 2)
        {
            _state = STATE_SHIP_SET;
            if (_shipSet)
                _shipSet->SetState(0);
            if (_angar)
                _angar->EnterSlot(0, 0);
        }
        return;
    }
    if (_state == STATE_SHIP_SET)
    {
        if (_shipSet)
            _shipSet->EventSelectApply();
        return;
    }
    if (_slotOpen)
    {
        // The card shown is kept, even the first one of a slot that had no choice.
        GuiSubDevice* slot = GetOpenSlot();
        if (slot && slot->selected != _choice)
            FitChoice(_choice);
        _slotOpen = false;
        _savedChoice = _choice;
    }
    else if (GuiSubDevice* slot = GetOpenSlot())
    {
        OpenSlot(*slot);
    }
}

void GuiTopButtons::EventEsc()
{
    if (_confirm && _confirm->IsShown())
    {
        _confirm->Hide();
        return;
    }
    if (_state == STATE_SHIP_SET)
    {
        if (_shipSet)
            _shipSet->EventSelectDecline();
        return;
    }
    if (_slotOpen)
        CloseSlot();
    else if (_confirm)
        _confirm->Show();
}

void GuiTopButtons::ProceedKey(const char& key)
{
    if (_shipSet)
        _shipSet->ProceedKey(key);
}

void GuiTopButtons::AddChar(const char& c)
{
    if (_shipSet)
        _shipSet->AddChar(c);
}

void GuiTopButtons::Proceed()
{
    const float spf = HangarGui::Spf();
    Gui::SetVisible({_raceCaption, _raceBack}, false);
    if (_state == STATE_SHIP_SET)
    {
        _state_anim = std::min(_state_anim + 4.0f * spf, 1.0f);
        if (_shipSet && _shipSet->Closed())
        {
            _state = STATE_FITTING;
            _shipSet->Reset();
            Reset();
        }
    }
    else
    {
        _state_anim = std::max(_state_anim - 4.0f * spf, 0.0f);
    }

    if (_state_anim == 1.0f)
    {
        Gui::SetVisible({_passive[0], _passive[1], _passive[2], _passive[3], _active}, false);
        for (FlashLayer* card : _cards)
            Gui::SetVisible({card}, false);
        if (_params)
            _params->SetVisible(false);
    }
    else
    {
        if (_lists.Count(_category) == 0)
            return;
        ProceedFitting();
    }

    if (_shipSet)
    {
        _shipSet->SetVisible(_state_anim != 0.0f);
        if (_state_anim != 0.0f)
            _shipSet->Proceed(spf, _state_anim);
    }
    if (_confirm)
        _confirm->Proceed();
}

void GuiTopButtons::ProceedFitting()
{
    GuiSubDevice* slot = GetOpenSlot();
    const GuiDevice* device = slot ? slot->At(slot->selected) : nullptr;
    if (device && (_category != _lastCategory || device->subType != _lastSubType))
    {
        if (_angar)
            _angar->SwitchDevice(device->device, _category, device->subType);
        _choice = slot->selected;
        _carousel = float(_choice);
        if (_angar && _lastCategory != SDT_NONE)
            _angar->LeaveSlot(_lastCategory, _lastSubType);
        if (_angar)
            _angar->EnterSlot(_category, device->subType);
        _lastCategory = _category;
        _lastSubType = device->subType;
    }

    for (int i = 0; i < 4; ++i)
        Gui::SetVisible({_passive[i]}, i != _category);

    UpdateParameters();
    if (_params)
        _params->Proceed();
    Gui::SetPos(_active, Gui::ScreenPos(Vec2(315.0f * float(_category) - 76.0f, -65.0f), GA_CENTER));
    Gui::SetVisible({_active}, true);
    const char* header = GuiGame::Text(Headers[_category]);
    const bool headerChanged = _sentHeader.Change(header);
    if (headerChanged || _sentType != _category + 1)
    {
        _sentType = _category + 1;
        Gui::Call(_active, L"SetType", Args(_sentType)(header));
    }

    const UserProfile* profile = MenuGame::CurrentProfile();
    const ProfileShip* ship = profile ? profile->GetShip() : nullptr;
    if (ship)
        DrawFlightModelB(Vec2(788.0f, 658.0f), int(ship->GetFlightModel()) + 1, 1.0f - _state_anim);

    DrawDevices(1.0f - _state_anim);
    if (_params)
        _params->SetVisible(_slotOpen);
}
