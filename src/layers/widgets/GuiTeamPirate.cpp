#include "layers/widgets/GuiTeamPirate.h"

#include "layers/FlashLayer.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiGame.h"

using FlashHost::Args;

GuiTeamPirate* GuiTeamPirate::Load(Layer* parent)
{
    Unload();
    _parent = Gui::ParentOrRoot(parent);
    _face = Gui::AddSprite(_parent, "spr", Vec2(0.0f, 0.0f), Gui::ScreenSize(Vec2(51.0f, 51.0f)));
    _layer =
        Gui::AddFlash(_parent, "tgPirat", "swf//tg_pirat.swf", Vec2(0.0f, 0.0f), Gui::ScreenSize(Vec2(260.0f, 90.0f)));
    _name = _cash = _score = _eff = GuiTextCache();
    _levels[0] = _levels[1] = NoLevel;
    _state = NoState;
    Gui::Call(_layer, L"SetTxt0", Args(GuiGame::Text("ui_team_pirat_name")));
    Gui::Call(_layer, L"SetTxt1", Args(GuiGame::Text("ui_team_pirat_cash")));
    Gui::Call(_layer, L"SetTxt2", Args(GuiGame::Text("ui_team_pirat_score")));
    Gui::Call(_layer, L"SetTxt3", Args(GuiGame::Text("ui_team_pirat_eff")));
    return this;
}

void GuiTeamPirate::Unload()
{
    Gui::Detach(_parent, _face);
    Gui::Detach(_parent, _layer);
    _parent = nullptr;
}

void GuiTeamPirate::SetPos(const Vec2& pos)
{
    Gui::SetPos(_layer, pos);
    Gui::SetPos(_face, pos + Gui::ScreenSize(Vec2(8.0f, 9.0f)));
}

void GuiTeamPirate::SetAlpha(float alpha) { Gui::SetAlpha({_face, _layer}, alpha); }

void GuiTeamPirate::SetVisible(bool visible) { Gui::SetVisible({_face, _layer}, visible); }

void GuiTeamPirate::SetFace(Material* face) { Gui::SetMaterial(_face, face); }

void GuiTeamPirate::SetState(int state) { Gui::CallOnChange(_layer, _state, L"SetState", state); }

void GuiTeamPirate::SetLevel(int index, float value)
{
    if (index < 0 || index >= Levels || value == _levels[index])
        return;
    _levels[index] = value;
    Gui::Call(_layer, L"SetLevel", Args(index)(value));
}

void GuiTeamPirate::SetName(const char* text) { Gui::CallOnChange(_layer, _name, L"SetName", text); }
void GuiTeamPirate::SetCash(const char* text) { Gui::CallOnChange(_layer, _cash, L"SetCash", text); }
void GuiTeamPirate::SetScore(const char* text) { Gui::CallOnChange(_layer, _score, L"SetScore", text); }
void GuiTeamPirate::SetEff(const char* text) { Gui::CallOnChange(_layer, _eff, L"SetEff", text); }
