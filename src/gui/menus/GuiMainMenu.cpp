#include "gui/menus/GuiMainMenu.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/math/Color.h"
#include "gui/menus/GuiConfirmBox.h"
#include "gui/menus/GuiMainMenu2.h"
#include "gui/menus/GuiMainMenuCredits.h"
#include "gui/menus/GuiProfiles.h"
#include "gui/menus/MenuButtons.h"
#include "game/core/game/MenuGame.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cstring>

GuiMainMenu::MenuState GuiMainMenu::_state = GuiMainMenu::STATE_PROFILES;
float GuiMainMenu::_state_anim = 1.0f;

namespace {

constexpr const char* ButtonTexts[GuiMainMenu::ButtonCount] = {
    "ui_mainmenu_button_play",    "ui_mainmenu_button_angar",   "ui_mainmenu_button_glossary",
    "ui_mainmenu_button_options", "ui_mainmenu_button_credits", "ui_mainmenu_button_quit",
};
constexpr int PlayButton = 0, HangarButton = 1, QuitButton = 5;
constexpr int CameraTextureSide = 100;

} // namespace

GuiMainMenu::GuiMainMenu(GameFrameManager* manager, const char* name)
    : GameFrame(manager, name), _background("$mainmenu_bg", "video//mainmenu_bg.mat")
{}

GuiMainMenu::~GuiMainMenu() { Unload(); }

void GuiMainMenu::Load()
{
    Unload();
    MenuGame::PlayMusic("music\\00_menu.xwma");
    _background.Load("movies/menu.avi");
    _credits = std::make_unique<GuiMainMenuCredits>();
    _credits->Initialize();
    _logo = Gui::AddFlash(LayerManager::GetRoot(), "logo", "swf//logo.swf", Gui::ScreenPos(Vec2(0.0f, 0.0f), GA_CENTER),
                          Gui::ScreenSize(Vec2(1280.0f, 300.0f)));
    Gui::SetVisible({_logo}, false);
    for (int i = 0; i < ButtonCount; ++i)
    {
        _buttons[i].Load(Vec2(380.0f, 219.0f + 105.0f * i), GA_CENTER)->SetText(GuiGame::Text(ButtonTexts[i]));
        _buttons[i].SetVisible(false);
    }
    for (int i = 2; i <= 4; ++i)
        _buttons[i].Reset();
    UpdateButtons();
    _tips.Load();
    _quit_box = std::make_unique<GuiMainMenuEscMenu>();
    _quit_box->Initialize();
    MakeCameraTexture();
}

// Opaque white, made once.
void GuiMainMenu::MakeCameraTexture()
{
    MaterialSystem* render = MenuGame::Render();
    if (_camera_texture || !render)
        return;
    TextureDesc desc;
    desc.kind = TEXKIND_PROCEDURAL;
    desc.width = CameraTextureSide;
    desc.height = CameraTextureSide;
    _camera_texture = render->GetTextureMgr()->CreateTexture("$camera_texture", desc);
    if (!_camera_texture)
        return;
    int pitch = 0;
    auto* pixels = static_cast<unsigned char*>(_camera_texture->LockPixels(0, pitch));
    if (!pixels)
        return;
    for (int y = 0; y < CameraTextureSide; ++y)
        std::memset(pixels + size_t(y) * size_t(pitch), 255, CameraTextureSide * 4);
    _camera_texture->UnlockPixels(0);
}

// What is in front stays as it was.
void GuiMainMenu::Unload()
{
    _background.Unload();
    _quit_box.reset();
    _profiles.reset();
    _play_panel.reset();
    _credits.reset();
    Gui::Detach(LayerManager::GetRoot(), _logo);
    for (GuiBigButton& button : _buttons)
        button.Unload();
    _tips.Unload();
}

void GuiMainMenu::UpdateButtons() { MenuButtons::Update(_buttons, ButtonCount, _selected); }

void GuiMainMenu::UserProceed(float seconds)
{
    _background.Draw();
    Gui::SetVisible({_logo}, false);
    if (_logo && (_state == STATE_BUTTONS || _state == STATE_PLAY))
    {
        _logo->SetColor(Color(1.0f, 1.0f, 1.0f, 1.0f));
        _logo->SetVisible(true);
    }
    Blend(MenuGame::Spf());
    ProceedPanels();

    for (GuiBigButton& button : _buttons)
        button.SetVisible(false);
    if (_state_anim != 1.0f)
    {
        for (GuiBigButton& button : _buttons)
        {
            button.SetAlpha(1.0f - _state_anim);
            button.SetVisible(true);
        }
        if (_quit_box)
            _quit_box->Proceed();
    }
    if (_state_anim != 0.0f)
    {
        if (_state == STATE_PROFILES && _profiles)
            _profiles->Proceed(seconds, _state_anim);
        else if (_state == STATE_PLAY && _play_panel)
            _play_panel->Proceed(seconds, _state_anim);
        else if (_state == STATE_CREDITS && _credits)
            _credits->Proceed(seconds, _state_anim);
    }
}

void GuiMainMenu::Blend(float seconds)
{
    if (_state == STATE_BUTTONS)
    {
        if (_state_anim > 0.0f)
            _state_anim = std::max(0.0f, _state_anim - 2.0f * seconds);
    }
    else if (_state_anim < 1.0f)
    {
        _state_anim = std::min(1.0f, _state_anim + 2.0f * seconds);
    }
}

// Panels are made when their state calls for them and go when they report closed.
void GuiMainMenu::ProceedPanels()
{
    switch (_state)
    {
    case STATE_PROFILES:
        if (!_profiles)
            NewProfiles();
        else if (_profiles->Closed())
        {
            _profiles.reset();
            _state = STATE_BUTTONS;
        }
        break;
    case STATE_PLAY:
        if (!_play_panel)
            NewPlayPanel();
        else if (_play_panel->Closed())
        {
            _state = STATE_BUTTONS;
            _play_panel.reset();
        }
        break;
    case STATE_CREDITS:
        if (_credits && _credits->Closed())
            _state = STATE_BUTTONS;
        break;
    default: break;
    }
}

void GuiMainMenu::NewPlayPanel()
{
    _play_panel = std::make_unique<GuiMainMenu2>();
    _play_panel->Initialize();
    _play_panel->SetCurState(0);
    _play_panel->SetCurSelection(0);
}

void GuiMainMenu::NewProfiles()
{
    _profiles = std::make_unique<GuiProfiles>();
    _profiles->Initialize();
}

void GuiMainMenu::OpenPlayPanel()
{
    NewPlayPanel();
    _state = STATE_PLAY;
}

void GuiMainMenu::OpenProfiles()
{
    if (!_profiles)
        NewProfiles();
    _profiles->SetCurState(0);
    _state = STATE_PROFILES;
}

void GuiMainMenu::EventSelectUp()
{
    MenuGame::PlaySound(MenuGame::SelectButtonSound);
    switch (_state)
    {
    case STATE_BUTTONS:
        if (_quit_box && _quit_box->IsActive())
            return;
        _selected = MenuButtons::Move(_buttons, ButtonCount, _selected, -1);
        UpdateButtons();
        break;
    case STATE_PROFILES:
        if (_profiles)
            _profiles->EventSelectUp();
        break;
    case STATE_PLAY:
        if (_play_panel)
            _play_panel->EventSelectUp();
        break;
    default: break;
    }
}

void GuiMainMenu::EventSelectDown()
{
    MenuGame::PlaySound(MenuGame::SelectButtonSound);
    switch (_state)
    {
    case STATE_BUTTONS:
        if (_quit_box && _quit_box->IsActive())
            return;
        _selected = MenuButtons::Move(_buttons, ButtonCount, _selected, 1);
        UpdateButtons();
        break;
    case STATE_PROFILES:
        if (_profiles)
            _profiles->EventSelectDown();
        break;
    case STATE_PLAY:
        if (_play_panel)
            _play_panel->EventSelectDown();
        break;
    default: break;
    }
}

void GuiMainMenu::EventSelectLeft()
{
    switch (_state)
    {
    case STATE_BUTTONS:
        if (_quit_box && _quit_box->IsActive())
            _quit_box->EventSelectLeft();
        break;
    case STATE_PROFILES:
        if (_profiles)
            _profiles->EventSelectLeft();
        break;
    case STATE_PLAY:
        if (_play_panel)
            _play_panel->EventSelectLeft();
        break;
    default: break;
    }
}

void GuiMainMenu::EventSelectRight()
{
    switch (_state)
    {
    case STATE_BUTTONS:
        if (_quit_box && _quit_box->IsActive())
            _quit_box->EventSelectRight();
        break;
    case STATE_PROFILES:
        if (_profiles)
            _profiles->EventSelectRight();
        break;
    case STATE_PLAY:
        if (_play_panel)
            _play_panel->EventSelectRight();
        break;
    default: break;
    }
}

void GuiMainMenu::EventSelectApply()
{
    MenuGame::PlaySound(MenuGame::PressButtonSound);
    switch (_state)
    {
    case STATE_BUTTONS:
        if (_quit_box && _quit_box->IsActive())
            _quit_box->EventSelectApply();
        else if (_selected == PlayButton)
            OpenPlayPanel();
        else if (_selected == HangarButton)
            MenuGame::SetActiveFrame("angar");
        else if (_selected == QuitButton && _quit_box)
            _quit_box->Show();
        break;
    case STATE_PROFILES:
        if (_profiles)
            _profiles->EventSelectApply();
        break;
    case STATE_PLAY:
        if (_play_panel)
            _play_panel->EventSelectApply();
        break;
    case STATE_CREDITS:
        if (_credits)
            _credits->EventSelectApply();
        break;
    }
}

void GuiMainMenu::EventSelectDecline()
{
    switch (_state)
    {
    case STATE_BUTTONS:
        // A quit box left up would stay on screen, unanswerable, over the profiles.
        if (_quit_box && _quit_box->IsActive())
            _quit_box->EventSelectDecline();
        OpenProfiles();
        break;
    case STATE_PROFILES:
        if (_profiles)
            _profiles->EventSelectDecline();
        break;
    case STATE_PLAY:
        if (_play_panel)
            _play_panel->EventSelectDecline();
        break;
    case STATE_CREDITS:
        if (_credits)
            _credits->EventSelectDecline();
        break;
    }
}

void GuiMainMenu::ProceedKey(const char& key)
{
    if (_state == STATE_PROFILES && _profiles)
        _profiles->ProceedKey(key);
    else if (_state == STATE_PLAY && _play_panel)
        _play_panel->ProceedKey(key);
}

void GuiMainMenu::AddChar(const char& ch)
{
    if (_state == STATE_PROFILES && _profiles)
        _profiles->AddChar(ch);
    else if (_state == STATE_PLAY && _play_panel)
        _play_panel->AddChar(ch);
}
