#include "gui/menus/GuiProfiles.h"

#include "foundation/math/Color.h"
#include "game/core/game/Game.h"
#include "game/profiles/ProfileManager.h"
#include "game/profiles/UserProfile.h"
#include "gui/menus/GuiConfirmBox.h"
#include "gui/menus/GuiProfileFaces.h"
#include "game/core/game/MenuGame.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiGame.h"
#include "layers/widgets/GuiWidget.h"

#include <algorithm>
#include <cstdio>

using FlashHost::Args;

namespace {

constexpr const char* ButtonTexts[GuiProfiles::ButtonCount] = {
    "ui_profile_button_use",    "ui_profile_button_new",  "ui_profile_button_rename",
    "ui_profile_button_delete", "ui_profile_button_quit",
};
constexpr const char* DetailCaptions[] = {
    "ui_profile_table_cash",    "ui_profile_table_level",  "ui_profile_table_ship",
    "ui_profile_table_devices", "ui_profile_table_levels",
};
constexpr const char* Ranks[] = {"I", "II", "III", "IV", "V", "VI", "VII"};
constexpr char Backspace = 8;

} // namespace

GuiProfiles::GuiProfiles() = default;

GuiProfiles::~GuiProfiles() { ShutDown(); }

ProfileManager* GuiProfiles::Profiles() { return game.GetProfileManager(); }

UserProfile* GuiProfiles::CurrentPilot() const
{
    const ProfileManager* profiles = Profiles();
    return profiles ? profiles->GetProfileByIndex(_current) : nullptr;
}

void GuiProfiles::Initialize()
{
    ShutDown();
    Layer* root = LayerManager::GetRoot();
    _black = GuiGame::LoadMaterial("black.mat");
    _faces = std::make_unique<GuiProfileFaces>();
    for (int i = 0; i < ButtonCount; ++i)
        _buttons[i].Load(Vec2(63.0f, 219.0f + 90.0f * i), GA_LEFT)->SetText(GuiGame::Text(ButtonTexts[i]));
    _title.Load()->SetTitle(GuiGame::Text("ui_profile_title"));
    _selected = 0;
    _current = 0;
    _detail_fade = 1.0f;
    _name.Clear();
    _profile_count = Profiles() ? Profiles()->GetProfileCount() : 0;

    _portrait_layer = Gui::AddSprite(root, "default", Gui::ScreenPos(Vec2(494.0f, 192.0f), GA_CENTER),
                                     Gui::ScreenSize(Vec2(129.0f, 129.0f)));
    _detail_layer =
        Gui::AddFlash(root, "profilesDetail", "swf//field_short.swf", Gui::ScreenPos(Vec2(413.0f, 159.0f), GA_CENTER),
                      Gui::ScreenSize(Vec2(650.0f, 512.0f)));
    Gui::SetVisible({_portrait_layer, _detail_layer}, false);
    UpdateDetail();

    _tape_back = Gui::AddSprite(root, "back", Vec2(0.0f, 0.0f), MenuGame::ScreenPixels(), _black);
    _tape_layer = Gui::AddFlash(root, "tapeField", "swf//tape_field.swf",
                                Gui::ScreenPos(Vec2(398.0f, 303.0f), GA_CENTER), Gui::ScreenSize(Vec2(512.0f, 300.0f)));
    Gui::SetVisible({_tape_back, _tape_layer}, false);
    Gui::Call(_tape_layer, L"SetMsg", Args(GuiGame::Text("ui_profile_new_00")));
    Gui::Call(_tape_layer, L"SetMsg2", Args(GuiGame::Text("ui_profile_new_01")));
    UpdateTapeField();

    _delete_box = std::make_unique<GuiProfilesConfirm>();
    _delete_box->Initialize();
    _quit_box = std::make_unique<GuiMainMenuEscMenu>();
    _quit_box->Initialize();

    _name_used_back = Gui::AddSprite(root, "back", Vec2(0.0f, 0.0f), MenuGame::ScreenPixels(), _black);
    if (_name_used_back)
        _name_used_back->SetColor(Color(1.0f, 1.0f, 1.0f, 0.5f));
    _name_used_layer =
        Gui::AddFlash(root, "name_used", "swf//name_used.swf", Gui::ScreenPos(Vec2(420.0f, 298.0f), GA_CENTER),
                      Gui::ScreenSize(Vec2(475.0f, 280.0f)));
    Gui::Call(_name_used_layer, L"SetMsg", Args(GuiGame::Text("ui_profile_new_02")));
    Gui::Call(_name_used_layer, L"SetMsg2", Args(GuiGame::Text("ui_profile_new_03")));
    Gui::SetVisible({_name_used_back, _name_used_layer}, false);
    UpdateDetail();
}

void GuiProfiles::ShutDown()
{
    _faces.reset();
    _delete_box.reset();
    _quit_box.reset();
    for (GuiSmallButton& button : _buttons)
        button.Unload();
    _title.Unload();
    Layer* root = LayerManager::GetRoot();
    Gui::Detach(root, _detail_layer);
    Gui::Detach(root, _portrait_layer);
    Gui::Detach(root, _tape_back);
    Gui::Detach(root, _tape_layer);
    Gui::Detach(root, _name_used_layer);
    Gui::Detach(root, _name_used_back);
}

void GuiProfiles::Proceed(float seconds, float blend)
{
    ProfileManager* profiles = Profiles();
    _profile_count = profiles ? profiles->GetProfileCount() : 0;
    const bool any = _profile_count > 0;
    for (GuiSmallButton& button : _buttons)
        button.SetAlpha(blend);
    for (int i : {BUTTON_USE, BUTTON_RENAME, BUTTON_DELETE})
        any ? _buttons[i].Enable() : _buttons[i].Disable();
    if (!any && _selected != BUTTON_NEW && _selected != BUTTON_QUIT)
        _selected = BUTTON_NEW;
    UpdateButtons();

    if (any)
        DrawDetail(blend);
    else
        Gui::SetVisible({_detail_layer, _portrait_layer}, false);
    // The carousel and its frame show only with pilots in it.
    _faces->SetVisible(any);
    if (any)
    {
        _faces->SetCount(_profile_count);
        for (int i = 0; i < _profile_count; ++i)
        {
            _faces->SetName(i, profiles->GetProfileByIndex(i)->GetName());
            _faces->SetMaterial(i, nullptr);
        }
        _faces->SetCurSelected(_current);
        _faces->Proceed(seconds, blend);
    }

    Gui::SetVisible({_tape_back, _tape_layer}, false);
    if (IsTyping())
    {
        ProceedTapeField(blend);
        Gui::SetVisible({_tape_layer}, true);
    }
    Gui::SetVisible({_name_used_back, _name_used_layer}, _name_used);
    if (_name_used)
        Gui::BringToFront(LayerManager::GetRoot(), {_name_used_back, _name_used_layer});
    _quit_box->Proceed();
    _delete_box->Proceed();

    if (_delete_box->GetResult() == GuiConfirmBox::RESULT_YES && profiles)
    {
        const int count = profiles->GetProfileCount();
        profiles->DeleteProfile(profiles->GetProfileByIndex(_current));
        if (_current == count - 1)
            _current = std::max(0, _current - 1);
        _detail_fade = 0.0f;
        UpdateDetail();
    }
}

void GuiProfiles::DrawDetail(float blend)
{
    Gui::SetVisible({_detail_layer, _portrait_layer}, true);
    if (_detail_fade < 1.0f)
        _detail_fade = std::min(1.0f, _detail_fade + 4.0f * MenuGame::Spf());
    Gui::SetAlpha({_detail_layer, _portrait_layer}, blend * _detail_fade);
}

// The dimming is a layer of its own right under the entry, both over everything else: drawn
// before the layers, it would leave the pilots' rows and buttons bright around the entry.
void GuiProfiles::ProceedTapeField(float blend)
{
    if (_tape_back)
    {
        _tape_back->SetColor(Color(1.0f, 1.0f, 1.0f, blend * 0.5f));
        _tape_back->SetVisible(true);
    }
    Gui::BringToFront(LayerManager::GetRoot(), {_tape_back, _tape_layer});
}

void GuiProfiles::UpdateButtons()
{
    for (int i = 0; i < ButtonCount; ++i)
        _buttons[i].SetState(!_buttons[i].IsEnabled() ? 0 : i == _selected ? 2 : 1);
}

void GuiProfiles::UpdateTapeField() { Gui::Call(_tape_layer, L"SetName", Args(_name.Get())); }

void GuiProfiles::UpdateDetail()
{
    const UserProfile* pilot = CurrentPilot();
    if (!pilot)
        return;
    Gui::SetMaterial(_portrait_layer, GuiGame::LoadMaterial(pilot->GetFaceMaterial()));
    Gui::Call(_detail_layer, L"SetName", Args(pilot->GetName()));
    char cash[16];
    std::snprintf(cash, sizeof(cash), "%d", pilot->GetCash());
    // Pilots have ranks 1 to 7; any other shows as its number.
    char rank[16];
    const int level = pilot->GetLevel();
    std::snprintf(rank, sizeof(rank), "%s",
                  level >= 1 && level <= 7 ? Ranks[level - 1] : std::to_string(level).c_str());
    const ProfileShip* ship = pilot->GetShip();
    const char* values[] = {cash, rank, ship ? ship->GetName() : "", "23/180", "1/8"};
    for (int row = 0; row < 5; ++row)
        Gui::Call(_detail_layer, L"SetValue", Args(row)(values[row]));
    for (int row = 0; row < 5; ++row)
        Gui::Call(_detail_layer, L"SetCaption", Args(row)(GuiGame::Text(DetailCaptions[row])));
}

void GuiProfiles::EventSelectUp()
{
    if (_delete_box->IsActive())
        return;
    if (_profile_count > 0)
    {
        if (_edit_mode != EDIT_NONE)
            return;
        _selected = (_selected + ButtonCount - 1) % ButtonCount;
        UpdateButtons();
    }
    else
    {
        _selected = _selected == BUTTON_NEW ? BUTTON_QUIT : BUTTON_NEW;
    }
}

void GuiProfiles::EventSelectDown()
{
    if (_delete_box->IsActive())
        return;
    if (_profile_count > 0)
    {
        if (_edit_mode != EDIT_NONE)
            return;
        _selected = (_selected + 1) % ButtonCount;
        UpdateButtons();
    }
    else
    {
        _selected = _selected == BUTTON_NEW ? BUTTON_QUIT : BUTTON_NEW;
    }
}

void GuiProfiles::EventSelectLeft()
{
    if (_delete_box->IsActive())
    {
        MenuGame::PlaySound(MenuGame::SelectSlotSound);
        _delete_box->EventSelectLeft();
    }
    else if (_quit_box->IsActive())
    {
        MenuGame::PlaySound(MenuGame::SelectSlotSound);
        _quit_box->EventSelectLeft();
    }
    else if (_current > 0)
    {
        MovePilot(-1);
    }
}

void GuiProfiles::EventSelectRight()
{
    if (_delete_box->IsActive())
    {
        MenuGame::PlaySound(MenuGame::SelectSlotSound);
        _delete_box->EventSelectRight();
    }
    else if (_quit_box->IsActive())
    {
        MenuGame::PlaySound(MenuGame::SelectSlotSound);
        _quit_box->EventSelectRight();
    }
    else if (_current < _profile_count - 1)
    {
        MovePilot(1);
    }
}

// Not while typing, nor while the carousel still slides.
void GuiProfiles::MovePilot(int step)
{
    if (_edit_mode != EDIT_NONE || !_faces->CanScroll())
        return;
    MenuGame::PlaySound(MenuGame::SelectSlotSound);
    _current += step;
    _detail_fade = 0.0f;
    UpdateDetail();
}

void GuiProfiles::EventSelectApply()
{
    if (_delete_box->IsActive())
    {
        _delete_box->EventSelectApply();
        return;
    }
    if (_quit_box->IsActive())
    {
        _quit_box->EventSelectApply();
        return;
    }
    if (_edit_mode != EDIT_NONE)
    {
        FinishEntry();
        return;
    }
    UserProfile* pilot = CurrentPilot();
    switch (_selected)
    {
    case BUTTON_USE:
        if (pilot)
        {
            Profiles()->SelectCurrent(pilot->GetName());
            _state = ClosedState;
        }
        break;
    case BUTTON_NEW: _edit_mode = EDIT_NEW; break;
    case BUTTON_RENAME:
        if (pilot)
        {
            _name.Set(pilot->GetName());
            _edit_mode = EDIT_RENAME;
            UpdateTapeField();
        }
        break;
    case BUTTON_DELETE:
        if (pilot)
            _delete_box->Show();
        break;
    case BUTTON_QUIT: _quit_box->Show(); break;
    default: break;
    }
}

// A new pilot and a renamed one pass the same checks: a name is typed, and the profile manager
// takes it as a file name no other pilot has.
void GuiProfiles::FinishEntry()
{
    if (_name_used)
    {
        _name_used = false;
        return;
    }
    ProfileManager* profiles = Profiles();
    if (_name.IsEmpty() || !profiles)
        return;
    if (_edit_mode == EDIT_NEW)
    {
        if (!profiles->CreateProfile(_name.Get()))
        {
            _name_used = true;
            return;
        }
        _selected = BUTTON_USE;
        _profile_count = profiles->GetProfileCount();
        _current = _profile_count - 1;
        _faces->SetCurSelectedWithOutAnim(_current);
    }
    else if (!profiles->RenameProfile(CurrentPilot(), _name.Get()))
    {
        _name_used = true;
        return;
    }
    EndEntry();
    _detail_fade = 0.0f;
    UpdateDetail();
}

void GuiProfiles::EndEntry()
{
    _name.Clear();
    _edit_mode = EDIT_NONE;
    UpdateTapeField();
}

void GuiProfiles::EventSelectDecline()
{
    if (_delete_box->IsActive())
        _delete_box->EventSelectDecline();
    else if (_edit_mode != EDIT_NONE && _name_used)
        _name_used = false;
    else if (_edit_mode != EDIT_NONE)
        EndEntry();
    else if (_quit_box->IsActive())
        _quit_box->EventSelectDecline();
    else
        _quit_box->Show();
}

// Typing reaches the name only while the entry is up: keys pressed before "New pilot" must not
// fill the name unseen.
void GuiProfiles::AddChar(const char& ch)
{
    if (!IsTyping())
        return;
    _name.Add(ch);
    UpdateTapeField();
}

void GuiProfiles::ProceedKey(const char& key)
{
    if (!IsTyping() || key != Backspace)
        return;
    _name.Back();
    UpdateTapeField();
}

bool GuiProfiles::IsTyping() const { return _edit_mode != EDIT_NONE && !_name_used; }
