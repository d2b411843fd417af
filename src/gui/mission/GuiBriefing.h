#pragma once

#include "game/core/frames/GameFrame.h"

#include "foundation/math/Vec2.h"
#include "foundation/math/Vec4.h"

#include <string>

class Material;

// "briefing": an order from the agent typed out letter by letter over two pages, a voice
// message note in 9 seconds and then the order's details in 35 seconds beside a slide show of
// ten photos. Apply or Decline go from the note to the details, and from the details to the
// ship configurations. What was typed is kept for the next visit. The page keeps its
// proportions: on a screen wider than 4:3 it takes the height and stands in the middle.
class GuiBriefing : public GameFrame
{
public:
    static constexpr int PhotoCount = 10;
    static constexpr float NoteSeconds = 9.0f;
    static constexpr float DetailsSeconds = 35.0f;

    GuiBriefing(GameFrameManager* manager, const char* name);

    void EventSelectApply() override;
    void EventSelectDecline() override { EventSelectApply(); }

    // The first characters of `text` typed after `time` of `duration` seconds, whole characters
    // of the UTF-8 text.
    static std::string TypedText(const std::string& text, float time, float duration);
    // The photo shown when `typed` of `length` characters are typed: one per tenth of the text.
    static int PhotoIndex(size_t typed, size_t length);

    // Where the 1280 x 960 page lies on a screen: its design units times `scale`, from `x` on.
    struct Page
    {
        float scale, x;

        Vec2 At(float left, float top) const { return Vec2(x + left * scale, top * scale); }
        Vec4 Rect(float left, float top, float right, float bottom) const;
    };
    static Page PageOn(const Vec2& screen);

    // 1 the note, 0 the details.
    int GetPage() const { return _page; }
    float GetTime() const { return _time; }
    float GetDuration() const { return _duration; }
    int GetPhoto() const { return _photo; }
    const std::string& GetShownText() const { return _shownText; }
    const std::string& GetNoteText() const { return _noteText; }
    const std::string& GetDetailsText() const { return _detailsText; }

protected:
    void UserInitialize() override { Load(); }
    void UserProceed(float seconds) override;
    void UserShutDown() override {}

private:
    void Load();
    // From the note to the details; false on the details page.
    bool Next();
    void DrawNote(const Page& page, float width, float pulseAlpha);
    void DrawDetails(const Page& page, float width, float pulseAlpha);

    std::string _noteText;
    std::string _detailsText;
    std::string _shownText;
    int _page = 1;
    Material* _black = nullptr;
    Material* _agent = nullptr;
    Material* _buttonBg = nullptr;
    Material* _photos[PhotoCount] = {};
    Material* _bgNote = nullptr;
    Material* _bgDetails = nullptr;
    int _photo = 0;
    float _time = 0.0f;
    float _duration = NoteSeconds;
    float _pulse = 0.0f;
};
