#include "gui/mission/GuiBriefing.h"

#include "MaterialSystem/MaterialSystem.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"
#include "foundation/math/Vec4.h"
#include "game/core/frames/GameFrameManager.h"
#include "gui/menus/GuiLogo.h"
#include "game/core/game/MenuGame.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr const char* NoteText = "Hello, my dear.\nHope you are feeling better after last party?\nI have some job for "
                                 "you boy. Let me know if you are interested \u2026\n\nSkarrow";
constexpr const char* DetailsText =
    "Two cargo ships will take some freight in system of Aldaron V in thirty six hours. My client would be happy to "
    "prevent that freight leaving of Aldaron system. Mission is very easy \u2013 destroy cargo completely. Nobody "
    "should leave system. Cargo will be guarded: standard set of YTG fighters. Client is ready to pay 1.5 Mln. "
    "personally to you, plus you may grab all salvage, he-he. Few fellows are ready to help you. I need to get your "
    "decision during 3 hours. \n\nSkarrow";
constexpr const char* VoiceLine = "YOU\u2019VE  GOT A VOICE MESSAGE FROM \u201cSKARROW\u201d:";
constexpr const char* NoteHeader = "INCOMING MESSAGE\n\nFrom: Skarrow\nSubect: New order";
constexpr const char* NotePrompt = "PRESS ANY KEY FOR DETAILS";
constexpr const char* DetailsHeader = "INCOMING MESSAGE\n\nFrom: Skarrow\nSubect: New order\nDetails:";
constexpr const char* DetailsPrompt = "PRESS ANY KEY TO APPLY ORDER";

const Color White(1.0f, 1.0f, 1.0f, 1.0f);
const Color Cyan(0.0f, 0.85f, 1.0f, 1.0f);

bool Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

size_t CharacterCount(const std::string& text)
{
    return size_t(std::count_if(text.begin(), text.end(), [](char c) { return !Continuation(c); }));
}

// The texts' bold Arial at the page's scale, in a rectangle of screen pixels.
void Text(const char* text, float scale, const Vec4& rect, TextAlign align, const Color& color)
{
    if (MaterialSystem* render = MenuGame::Render())
        render->DrawD3DText("Arial", unsigned(28.0f * scale), unsigned(12.0f * scale), 700, false, text, rect, align,
                            true, color);
}

void Quad(Material* material, const Vec2& pos, const Vec2& size, const Color& color = White)
{
    if (MaterialSystem* render = MenuGame::Render())
        render->RenderQuad(material, pos, size, 0.0f, color, 0);
}

} // namespace

GuiBriefing::Page GuiBriefing::PageOn(const Vec2& screen)
{
    // The whole page shows on any screen: a wide one leaves bands at its sides.
    const float scale = std::min(screen.x / 1280.0f, screen.y / 960.0f);
    return Page{scale, 0.5f * (screen.x - 1280.0f * scale)};
}

Vec4 GuiBriefing::Page::Rect(float left, float top, float right, float bottom) const
{
    return Vec4(x + left * scale, top * scale, x + right * scale, bottom * scale);
}

GuiBriefing::GuiBriefing(GameFrameManager* manager, const char* name) : GameFrame(manager, name) {}

std::string GuiBriefing::TypedText(const std::string& text, float time, float duration)
{
    const size_t length = CharacterCount(text);
    const size_t typed =
        duration > 0.0f ? std::min(length, size_t(std::max(time / duration, 0.0f) * float(length))) : length;
    size_t bytes = 0;
    for (size_t characters = 0; bytes < text.size(); ++bytes)
    {
        if (!Continuation(text[bytes]) && characters++ == typed)
            break;
    }
    return text.substr(0, bytes);
}

int GuiBriefing::PhotoIndex(size_t typed, size_t length)
{
    // A text of fewer than ten characters has one photo for all of it.
    const size_t tenth = length / 10;
    return tenth ? int(std::min<size_t>(PhotoCount - 1, typed / tenth)) : 0;
}

void GuiBriefing::Load()
{
    _black = GuiGame::LoadMaterial("black.mat");
    _agent = GuiGame::LoadMaterial("agent/agent.mat");
    _buttonBg = GuiGame::LoadMaterial("agent/button_bg.mat");
    _bgNote = GuiGame::LoadMaterial("agent/briefing_bg_00.mat");
    _bgDetails = GuiGame::LoadMaterial("agent/briefing_bg_01.mat");
    for (int i = 0; i < PhotoCount; ++i)
    {
        char name[32];
        std::snprintf(name, sizeof(name), "agent/photo%02d.mat", i);
        _photos[i] = GuiGame::LoadMaterial(name);
    }
    _noteText = NoteText;
    _detailsText = DetailsText;
    _shownText.clear();
}

bool GuiBriefing::Next()
{
    if (_page != 1)
        return false;
    _time = 0.0f;
    _duration = DetailsSeconds;
    _page = 0;
    return true;
}

void GuiBriefing::EventSelectApply()
{
    if (!Next())
        GetManager()->SetActive("configurations");
}

void GuiBriefing::UserProceed(float seconds)
{
    const Vec2 screen = MenuGame::ScreenPixels();
    _pulse += 3.0f * seconds;
    const float pulseAlpha = GuiLogo::PulseAlpha(_pulse);
    Quad(_black, Vec2(0.0f, 0.0f), screen);
    _time = std::min(_time + seconds, _duration);
    if (_page == 1)
        DrawNote(PageOn(screen), screen.x, pulseAlpha);
    else
        DrawDetails(PageOn(screen), screen.x, pulseAlpha);
}

void GuiBriefing::DrawNote(const Page& page, float width, float pulseAlpha)
{
    const float s = page.scale;
    Quad(_bgNote, page.At(0.0f, 0.0f), Vec2(1280.0f, 960.0f) * s);
    Quad(_agent, page.At(189.0f, 272.0f), Vec2(256.0f, 256.0f) * s);
    Text(VoiceLine, s, page.Rect(185, 199, 990, 690), TA_TOP_LEFT, Cyan);
    Text(NoteHeader, s, page.Rect(392, 272, 990, 690), TA_TOP_LEFT, Cyan);
    _shownText = TypedText(_noteText, _time, _duration);
    Text(_shownText.c_str(), s, page.Rect(185, 487, 990, 690), TA_TOP_LEFT, Cyan);
    Quad(_buttonBg, page.At(417.0f, 832.0f), Vec2(446.0f, 64.0f) * s, Color(1.0f, 1.0f, 1.0f, 0.3f));
    Text(NotePrompt, s, Vec4(0.0f, 832 * s, width, 896 * s), TA_CENTER, Color(0.0f, 0.85f, 1.0f, pulseAlpha));
}

void GuiBriefing::DrawDetails(const Page& page, float width, float pulseAlpha)
{
    const float s = page.scale;
    Quad(_bgDetails, page.At(0.0f, 0.0f), Vec2(1280.0f, 960.0f) * s);
    Quad(_photos[_photo], page.At(87.0f, 170.0f), Vec2(512.0f, 512.0f) * s);
    Quad(_agent, page.At(690.0f, 55.0f), Vec2(256.0f, 256.0f) * s);
    Text(DetailsHeader, s, page.Rect(890, 57, 1280, 400), TA_TOP_LEFT, Cyan);
    _shownText = TypedText(_detailsText, _time, _duration);
    // The photo follows the text from the next frame on.
    _photo = PhotoIndex(CharacterCount(_shownText), CharacterCount(_detailsText));
    Text(_shownText.c_str(), s, page.Rect(690, 264, 1250, 750), TA_TOP_LEFT, Cyan);
    Quad(_buttonBg, page.At(417.0f, 832.0f), Vec2(446.0f, 64.0f) * s, Color(1.0f, 1.0f, 1.0f, 0.3f));
    Text(DetailsPrompt, s, Vec4(0.0f, 832 * s, width, 896 * s), TA_CENTER, Color(0.0f, 0.85f, 1.0f, pulseAlpha));
}
