// The fitting panel's carousel of device cards, its arrows and the flight-model icons.
#include "gui/hangar/GuiTopButtons.h"

#include "game/core/game/MenuGame.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/profiles/Races.h"
#include "game/profiles/UserProfile.h"
#include "gui/hangar/HangarGui.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cmath>
#include <string>

using FlashHost::Args;

namespace {

enum eArrow
{
    ARROW_BIG_L,
    ARROW_BIG_R,
    ARROW_SMALL_L,
    ARROW_SMALL_R,
};

// A design point on the screen, the design frame centred.
Vec2 Centred(const Vec2& design) { return Gui::ScreenPos(design, GA_CENTER); }

// The card movie of a picture: "<working folder>//textures//<picture less its extension>.swf".
std::string CardMovie(const char* picture)
{
    std::string name(picture);
    name.resize(name.size() > 4 ? name.size() - 4 : 0);
    return std::string(LayerManager::GetBaseDirectory()) + "textures//" + name + ".swf";
}

} // namespace

void GuiTopButtons::DrawDevices(float alpha)
{
    GuiSubDevice* slot = GetOpenSlot();
    if (!_slotOpen || !slot || slot->Count() == 0)
    {
        for (FlashLayer* card : _cards)
            Gui::SetVisible({card}, false);
        return;
    }
    const float spf = HangarGui::Spf();
    _cardFade = std::min(_cardFade + 5.0f * spf, 1.0f);
    _iconFade = std::min(_iconFade + 5.0f * spf, 1.0f);
    _choice = std::clamp(_choice, 0, slot->Count() - 1);
    const float step = 6.0f * spf;
    const float target = float(_choice);
    if (std::fabs(target - _carousel) <= step)
        _carousel = target;
    else
        _carousel += _carousel < target ? step : -step;
    const float shift = _carousel - target;

    DrawArrows(_choice, *slot, alpha);
    for (int k = 0; k < CardCount; ++k)
        DrawCard(k, slot->At(_choice - 3 + k), shift);

    const GuiDevice* centre = slot->At(_choice);
    const char* code = UserProfile::ConvertRaceToCode(centre->device->race);
    Gui::CallOnChange(_raceCaption, _sentRace, L"SetCaption", code);
    Gui::SetVisible({_raceCaption, _raceBack}, true);
    const UserProfile* profile = MenuGame::CurrentProfile();
    const RaceRating* races = profile ? profile->GetRaceRating() : nullptr;
    const Race* race = races ? races->GetRaceByCode(code) : nullptr;
    if (race)
        HangarGui::Quad(GuiGame::LoadMaterial(race->GetIcon()), Centred(Vec2(355.0f, 636.0f)),
                        Gui::ScreenSize(Vec2(64.0f, 64.0f)), Color(1.0f, 1.0f, 1.0f, alpha));

    const float iconAlpha = _cardFade * _iconFade;
    const struct
    {
        int card;
        Vec2 pos;
        bool medium;
    } icons[3] = {{2, {302, 792}, false}, {3, {443, 751}, true}, {4, {660, 792}, false}};
    for (const auto& icon : icons)
    {
        const GuiDevice* device = slot->At(_choice - 3 + icon.card);
        if (!device)
            continue;
        const int model = int(device->device->flightModel);
        if (icon.medium)
            DrawFlightModelM(icon.pos, model, iconAlpha);
        else
            DrawFlightModelS(icon.pos, model, iconAlpha);
    }
}

void GuiTopButtons::DrawCard(int card, const GuiDevice* device, float shift)
{
    FlashLayer* layer = _cards[card];
    if (!device)
    {
        Gui::SetVisible({layer}, false);
        return;
    }
    Gui::SetVisible({layer}, true);
    Gui::SetPos(layer, card == 3 ? _cardPos[3] : GetDeviceFPos(float(card) - shift));
    Gui::CallOnChange(layer, _cardMovies[card], L"Create", CardMovie(device->picture).c_str());
    if (card == 3)
        Gui::CallOnChange(layer, _caption, L"SetCaption", GuiGame::Text(device->name));
}

void GuiTopButtons::DrawArrows(int s, const GuiSubDevice& slot, float alpha)
{
    auto e = [&slot](int i) { return slot.At(i) != nullptr; };
    if (!e(s - 2) && !e(s - 1) && e(s + 3))
        DrawArrow(ARROW_BIG_L, alpha);
    else if (!e(s + 1) && !e(s + 2) && e(s - 3))
        DrawArrow(ARROW_BIG_R, alpha);
    else if (!e(s - 2) && e(s + 3))
        DrawArrow(ARROW_SMALL_L, alpha);
    else if (e(s + 1) && !e(s + 2) && e(s - 3))
        DrawArrow(ARROW_SMALL_R, alpha);
}

void GuiTopButtons::DrawArrow(int arrow, float alpha)
{
    float& p = _arrowPhases[arrow];
    p += HangarGui::Spf();
    if (p > 1.0f)
        p = 0.0f;
    const float a = (p < 0.5f ? 2.0f * p : 2.0f * (1.0f - p)) * alpha;
    const Color color(1.0f, 1.0f, 1.0f, a);
    switch (arrow)
    {
    case ARROW_BIG_L:
        HangarGui::Quad(_arrowBig, Centred(Vec2(172.0f + 178.0f * p, 712.0f)), Gui::ScreenSize(Vec2(128, 256)), color);
        break;
    case ARROW_BIG_R:
        HangarGui::MirroredQuad(_arrowBig, Centred(Vec2(758.0f - 178.0f * p, 712.0f)), Gui::ScreenSize(Vec2(128, 256)),
                                color);
        break;
    case ARROW_SMALL_L:
        HangarGui::MirroredQuad(_arrowSmall, Centred(Vec2(120.0f + 80.0f * p, 800.0f)), Gui::ScreenSize(Vec2(128, 128)),
                                color);
        break;
    default:
        HangarGui::Quad(_arrowSmall, Centred(Vec2(830.0f - 80.0f * p, 800.0f)), Gui::ScreenSize(Vec2(128, 128)), color);
        break;
    }
}

void GuiTopButtons::DrawFlightModel(const Vec2& pos, const Vec2& size, Material* const* icons, int model, float alpha)
{
    if (model < 1 || model > 4)
        return;
    HangarGui::Quad(icons[model - 1], Centred(pos), Gui::ScreenSize(size), Color(1.0f, 1.0f, 1.0f, alpha));
}

void GuiTopButtons::DrawFlightModelS(const Vec2& pos, int model, float alpha)
{
    DrawFlightModel(pos, Vec2(64.0f, 64.0f), _flightModels[0], model, alpha);
}

void GuiTopButtons::DrawFlightModelM(const Vec2& pos, int model, float alpha)
{
    DrawFlightModel(pos + Vec2(-17.0f, -17.0f), Vec2(128.0f, 128.0f), _flightModels[1], model, alpha);
}

void GuiTopButtons::DrawFlightModelB(const Vec2& pos, int model, float alpha)
{
    DrawFlightModel(pos, Vec2(128.0f, 128.0f), _flightModels[2], model, alpha);
}
