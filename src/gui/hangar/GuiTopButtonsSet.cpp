#include "gui/hangar/GuiTopButtonsSet.h"

#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/game/MenuGame.h"
#include "game/profiles/UserProfile.h"
#include "gui/hangar/HangarGui.h"
#include "gui/menus/GuiProfileFaces.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiGame.h"

#include <cstdio>
#include <cstring>

using FlashHost::Args;

namespace {

// Loaded with the menu; of these only the ship picture and the dimming are drawn.
const char* const Materials[] = {"angar//title.mat",
                                 "races//asp.mat",
                                 "gui_game_menu//b_text.mat",
                                 "black.mat",
                                 "gui_profiles//tape_back.mat",
                                 "gui_profiles//detail_back1.mat",
                                 "gui_profiles//detail_back2.mat",
                                 "angar//elem_a1_b.mat",
                                 "angar//elem_a1_t.mat",
                                 "angar//elem_a2_b.mat",
                                 "angar//elem_a2_t.mat",
                                 "angar//elem_a3_b.mat",
                                 "angar//elem_a3_t.mat",
                                 "angar//ugolok1.mat",
                                 "angar//ugolok2.mat",
                                 "angar//ugolok3.mat",
                                 "angar//ugolok4.mat",
                                 "gui_profiles//ramka_t.mat",
                                 "gui_profiles//ramka_b.mat"};

bool IsTypedCharacter(char c) { return c != 96 && c != 8 && c != 27 && c != 13 && c != 9; }

} // namespace

GuiTopButtonsSet::GuiTopButtonsSet() = default;

GuiTopButtonsSet::~GuiTopButtonsSet() { ShutDown(); }

void GuiTopButtonsSet::Initialize()
{
    ShutDown();
    for (const char* file : Materials)
        GuiGame::LoadMaterial(file);
    _shipPicture = GuiGame::LoadMaterial("races//asp.mat");
    _black = GuiGame::LoadMaterial("black.mat");

    _faces = std::make_unique<GuiProfileFaces>();
    for (int i = 0; i < ButtonCount; ++i)
    {
        char code[32];
        std::snprintf(code, sizeof(code), "ui_angar_btn%d", i);
        _buttons[i] = std::make_unique<GuiSmallButton>();
        _buttons[i]->Load(Vec2(992.0f, 240.0f + 90.0f * float(i)), GA_RIGHT);
        _buttons[i]->SetText(GuiGame::Text(code));
    }
    UpdateButtons();
    _title = std::make_unique<GuiTitle>();
    _title->Load();
    _title->SetTitle(GuiGame::Text("ui_angar_title"));
    _header = std::make_unique<GuiPersonalInfo>();
    _header->Load();

    _selected = 0;
    _shipIndex = 0;
    _name[0] = '\0';
    _length = 0;
    _mode = NE_NONE;
    if (const UserProfile* profile = MenuGame::CurrentProfile())
        _shipIndex = profile->GetCurrentShipIndex();
    _faces->SetCurSelectedWithOutAnim(_shipIndex);

    Layer* root = LayerManager::GetRoot();
    _nameUsedLayer = Gui::AddFlash(root, "name_used", "swf//name_used.swf", Gui::ScreenPos(Vec2(420, 298), GA_CENTER),
                                   Gui::ScreenSize(Vec2(475.0f, 280.0f)));
    _tapeField = Gui::AddFlash(root, "tapeField", "swf//tape_field.swf", Gui::ScreenPos(Vec2(398, 303), GA_CENTER),
                               Gui::ScreenSize(Vec2(512.0f, 300.0f)));
    Gui::SetVisible({_nameUsedLayer, _tapeField}, false);
    Gui::Call(_tapeField, L"SetMsg", Args("Tape new name:"));
    Gui::Call(_tapeField, L"SetMsg2", Args(GuiGame::Text("ui_profile_new_01")));
    UpdateTapeField();
}

// Both layers go, the name box too, so that no visit leaves a layer behind.
void GuiTopButtonsSet::ShutDown()
{
    for (std::unique_ptr<GuiSmallButton>& button : _buttons)
        button.reset();
    _title.reset();
    _header.reset();
    _faces.reset();
    Gui::Detach(LayerManager::GetRoot(), _tapeField);
    Gui::Detach(LayerManager::GetRoot(), _nameUsedLayer);
}

void GuiTopButtonsSet::SetState(int state)
{
    _state = state;
    _selected = 0;
}

void GuiTopButtonsSet::Reset()
{
    _selected = 0;
    UpdateButtons();
}

void GuiTopButtonsSet::UpdateButtons()
{
    for (int i = 0; i < ButtonCount; ++i)
    {
        if (_buttons[i] && _buttons[i]->IsEnabled())
            _buttons[i]->SetState(i == _selected ? 2 : 1);
    }
}

void GuiTopButtonsSet::SetVisible(bool visible)
{
    for (const std::unique_ptr<GuiSmallButton>& button : _buttons)
    {
        if (button)
            button->SetVisible(visible);
    }
    if (_title)
        _title->SetVisible(visible);
    if (_header)
        _header->SetVisible(visible);
    if (_faces)
        _faces->SetVisible(visible);
}

void GuiTopButtonsSet::Proceed(float dt, float alpha)
{
    const UserProfile* profile = MenuGame::CurrentProfile();
    if (profile)
        _shipIndex = profile->GetCurrentShipIndex();
    for (const std::unique_ptr<GuiSmallButton>& button : _buttons)
    {
        if (button)
            button->SetAlpha(alpha);
    }
    if (_header)
        _header->SetAlpha(alpha);
    if (_title)
        _title->SetAlpha(alpha);

    if (_faces)
    {
        const int count = profile ? profile->GetShipCount() : 0;
        _faces->SetCount(count);
        for (int i = 0; i < count; ++i)
        {
            _faces->SetName(i, profile->GetShip(i)->GetName());
            _faces->SetMaterial(i, _shipPicture);
        }
        _faces->SetCurSelected(_shipIndex);
        _faces->Proceed(dt, alpha);
    }

    Gui::SetVisible({_tapeField}, false);
    if (_mode != NE_NONE && !_nameUsed)
    {
        ProceedTapeField(alpha);
        Gui::SetVisible({_tapeField}, true);
    }
    if (_nameUsed)
        HangarGui::Quad(_black, Vec2(0.0f, 0.0f),
                        Vec2(float(LayerManager::GetWidth()), float(LayerManager::GetHeight())),
                        Color(1.0f, 1.0f, 1.0f, alpha * 0.5f));
    Gui::SetVisible({_nameUsedLayer}, _nameUsed);
}

void GuiTopButtonsSet::ProceedTapeField(float alpha)
{
    HangarGui::Quad(_black, Vec2(0.0f, 0.0f), Vec2(float(LayerManager::GetWidth()), float(LayerManager::GetHeight())),
                    Color(1.0f, 1.0f, 1.0f, alpha * 0.5f));
}

void GuiTopButtonsSet::UpdateTapeField() { Gui::Call(_tapeField, L"SetName", Args(_name)); }

void GuiTopButtonsSet::StepButton(int step)
{
    int next = _selected;
    for (int tries = 0; tries < ButtonCount; ++tries)
    {
        next = (next + step + ButtonCount) % ButtonCount;
        if (_buttons[next] && _buttons[next]->IsEnabled())
        {
            _selected = next;
            HangarGui::Sound("menu//select_button.wav");
            UpdateButtons();
            return;
        }
    }
}

void GuiTopButtonsSet::EventSelectUp() { StepButton(-1); }

void GuiTopButtonsSet::EventSelectDown() { StepButton(1); }

void GuiTopButtonsSet::SelectShip(int index)
{
    _shipIndex = index;
    if (UserProfile* profile = MenuGame::CurrentProfile())
        profile->SelectShip(index);
}

void GuiTopButtonsSet::EventSelectLeft()
{
    if (_shipIndex > 0)
        SelectShip(_shipIndex - 1);
}

void GuiTopButtonsSet::EventSelectRight()
{
    const UserProfile* profile = MenuGame::CurrentProfile();
    if (profile && _shipIndex < profile->GetShipCount() - 1)
        SelectShip(_shipIndex + 1);
}

void GuiTopButtonsSet::StartNameEntry(int mode)
{
    const UserProfile* profile = MenuGame::CurrentProfile();
    const ProfileShip* ship = profile ? profile->GetShip(_shipIndex) : nullptr;
    Gui::CopyText(_name, sizeof(_name), ship ? ship->GetName() : "");
    _length = int(std::strlen(_name));
    _mode = mode;
    UpdateTapeField();
}

void GuiTopButtonsSet::FinishNameEntry()
{
    UserProfile* profile = MenuGame::CurrentProfile();
    if (profile && _mode == NE_CLONE)
    {
        profile->CloneShip(_name);
        _shipIndex = profile->GetShipCount() - 1;
        if (_faces)
            _faces->SetCurSelectedWithOutAnim(_shipIndex);
    }
    else if (profile && _mode == NE_RENAME)
    {
        if (ProfileShip* ship = profile->GetShip(_shipIndex))
            ship->SetName(_name);
    }
    _name[0] = '\0';
    _length = 0;
    _mode = NE_NONE;
    UpdateTapeField();
}

void GuiTopButtonsSet::ApplyButton()
{
    switch (_selected)
    {
    case 0: LeaveHangar(); break;
    case 2: _state = StateClosed; break;
    case 3: StartNameEntry(NE_CLONE); break;
    case 4: StartNameEntry(NE_RENAME); break;
    case 5:
        if (UserProfile* profile = MenuGame::CurrentProfile(); profile && profile->GetShipCount() > 1)
            profile->DeleteShip(profile->GetShip(_shipIndex));
        break;
    default: break;
    }
}

void GuiTopButtonsSet::EventSelectApply()
{
    if (_mode != NE_NONE)
        FinishNameEntry();
    else
        ApplyButton();
}

void GuiTopButtonsSet::EventSelectDecline()
{
    if (_mode == NE_NONE)
    {
        LeaveHangar();
        return;
    }
    _name[0] = '\0';
    _length = 0;
    _mode = NE_NONE;
    UpdateTapeField();
}

void GuiTopButtonsSet::AddChar(const char& c)
{
    if (_length < NameLimit && IsTypedCharacter(c))
    {
        _name[_length++] = c;
        _name[_length] = '\0';
    }
    UpdateTapeField();
}

// Backspace takes back a whole character, all the bytes of its UTF-8 text.
void GuiTopButtonsSet::ProceedKey(const char& key)
{
    if (key == 8 && _length > 0)
    {
        do
            --_length;
        while (_length > 0 && (static_cast<unsigned char>(_name[_length]) & 0xC0) == 0x80);
        _name[_length] = '\0';
    }
    UpdateTapeField();
}

void GuiTopButtonsSet::LeaveHangar()
{
    GameFrameManager* frames = game.GetGameFrameManager();
    if (!frames)
        return;
    if (GameFrame* previous = frames->GetPrev())
        frames->SetActive(previous);
    else
        frames->SetActive("main_menu");
}
