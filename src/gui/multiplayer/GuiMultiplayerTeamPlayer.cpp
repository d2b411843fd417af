#include "gui/multiplayer/GuiMultiplayerTeamPlayer.h"

#include "layers/FlashLayer.h"
#include "layers/SpriteLayer.h"

using FlashHost::Args;

GuiMultiplayerTeamPlayer::GuiMultiplayerTeamPlayer(Layer* parent) : _parent(Gui::ParentOrRoot(parent))
{
    _picture = Gui::AddSprite(_parent, "spr", Vec2(0.0f, 0.0f), Gui::ScreenSize(Vec2(51.0f, 51.0f)));
    _flash =
        Gui::AddFlash(_parent, "tgPirat", "swf//mt_player.swf", Vec2(0.0f, 0.0f), Gui::ScreenSize(Vec2(260.0f, 90.0f)));
}

GuiMultiplayerTeamPlayer::~GuiMultiplayerTeamPlayer()
{
    Gui::Detach(_parent, _flash);
    Gui::Detach(_parent, _picture);
}

void GuiMultiplayerTeamPlayer::SetPos(const Vec2& pos)
{
    Gui::SetPos(_flash, pos);
    Gui::SetPos(_picture, pos + Gui::ScreenSize(Vec2(8.0f, 9.0f)));
}

void GuiMultiplayerTeamPlayer::SetName(const char* text) { Gui::CallOnChange(_flash, _name, L"SetName", text); }

void GuiMultiplayerTeamPlayer::SetCash(const char* text) { Gui::CallOnChange(_flash, _cash, L"SetCash", text); }

void GuiMultiplayerTeamPlayer::SetScore(const char* text) { Gui::CallOnChange(_flash, _score, L"SetScore", text); }

void GuiMultiplayerTeamPlayer::SetEff(const char* text) { Gui::CallOnChange(_flash, _eff, L"SetEff", text); }

void GuiMultiplayerTeamPlayer::SetLevel(int level, float value)
{
    if (level < 0 || level >= LevelCount || _levels[level] == value)
        return;
    _levels[level] = value;
    Gui::Call(_flash, L"SetLevel", Args(level)(value));
}

void GuiMultiplayerTeamPlayer::SetState(int state) { Gui::CallOnChange(_flash, _state, L"SetState", state); }

void GuiMultiplayerTeamPlayer::SetVisible(bool visible) { Gui::SetVisible({_flash, _picture}, visible); }

void GuiMultiplayerTeamPlayer::SetAlpha(float alpha) { Gui::SetAlpha({_flash, _picture}, alpha); }

void GuiMultiplayerTeamPlayer::SetMaterial(Material* material) { Gui::SetMaterial(_picture, material); }

bool GuiMultiplayerTeamPlayer::IsVisible() const { return _flash && _flash->GetVisible(); }
