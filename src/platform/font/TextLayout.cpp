#include "platform/font/TextLayout.h"

#include "platform/font/Font.h"
#include "platform/font/Utf8.h"

#include <algorithm>
#include <cmath>

namespace {

struct Line
{
    size_t begin = 0, end = 0; // code points [begin, end)
    float width = 0.0f;
};

class Measurer
{
public:
    Measurer(Font& font, unsigned format) : _font(font), _expandTabs(format & TF_EXPANDTABS)
    {
        _tabStop = 8.0f * font.GetAverageWidth();
    }

    // The pen after the code point, starting from `pen`.
    float Advance(char32_t cp, float pen)
    {
        if (cp == U'\t')
        {
            if (!_expandTabs || _tabStop <= 0.0f)
                return pen;
            return (std::floor(pen / _tabStop) + 1.0f) * _tabStop;
        }
        return pen + _font.GetGlyph(cp).advance;
    }

    float Width(const std::u32string& text, size_t begin, size_t end)
    {
        float pen = 0.0f;
        for (size_t i = begin; i < end; ++i)
            pen = Advance(text[i], pen);
        return pen;
    }

private:
    Font& _font;
    bool _expandTabs;
    float _tabStop = 0.0f;
};

bool IsSpace(char32_t cp) { return cp == U' ' || cp == U'\t'; }

// Greedy wrapping of one paragraph [begin, end) into lines no wider than `limit`.
void WrapParagraph(Measurer& measure, const std::u32string& text, size_t begin, size_t end, float limit,
                   std::vector<Line>& lines)
{
    size_t lineBegin = begin;
    size_t i = begin;
    size_t lastFit = begin; // end of the last word that fitted on the current line
    while (i < end)
    {
        size_t wordEnd = i;
        while (wordEnd < end && IsSpace(text[wordEnd]))
            ++wordEnd;
        while (wordEnd < end && !IsSpace(text[wordEnd]))
            ++wordEnd;
        const float width = measure.Width(text, lineBegin, wordEnd);
        if (width > limit && lastFit > lineBegin)
        {
            lines.push_back({lineBegin, lastFit, measure.Width(text, lineBegin, lastFit)});
            // The spaces at the break belong to neither line.
            lineBegin = lastFit;
            while (lineBegin < end && IsSpace(text[lineBegin]))
                ++lineBegin;
            lastFit = lineBegin;
            i = lineBegin;
            continue;
        }
        lastFit = wordEnd;
        i = wordEnd;
    }
    lines.push_back({lineBegin, end, measure.Width(text, lineBegin, end)});
}

} // namespace

float MeasureText(Font& font, std::string_view utf8, unsigned format)
{
    std::u32string text = DecodeUtf8(utf8);
    std::erase(text, U'\r');
    Measurer measure(font, format);
    float widest = 0.0f;
    size_t begin = 0;
    for (size_t i = 0; i <= text.size(); ++i)
    {
        if (i < text.size() && text[i] != U'\n')
            continue;
        widest = std::max(widest, measure.Width(text, begin, i));
        begin = i + 1;
    }
    return widest;
}

void LayoutText(Font& font, std::string_view utf8, const TextBox& box, unsigned format, std::vector<PlacedGlyph>& out)
{
    std::u32string text = DecodeUtf8(utf8);
    std::erase(text, U'\r');
    Measurer measure(font, format);
    const float boxWidth = static_cast<float>(box.right - box.left);
    const bool wrap = (format & TF_WORDBREAK) && boxWidth > 0.0f;

    std::vector<Line> lines;
    size_t begin = 0;
    for (size_t i = 0; i <= text.size(); ++i)
    {
        if (i < text.size() && text[i] != U'\n')
            continue;
        if (wrap)
        {
            WrapParagraph(measure, text, begin, i, boxWidth, lines);
        }
        else
        {
            lines.push_back({begin, i, measure.Width(text, begin, i)});
        }
        begin = i + 1;
    }

    const int lineHeight = font.GetLineHeight();
    const int blockHeight = lineHeight * static_cast<int>(lines.size());
    int y = box.top;
    if (format & TF_VCENTER)
    {
        y = box.top + (box.bottom - box.top - blockHeight) / 2;
    }
    else if (format & TF_BOTTOM)
    {
        y = box.bottom - blockHeight;
    }
    for (const Line& line : lines)
    {
        float x = static_cast<float>(box.left);
        if (format & TF_CENTER)
        {
            x = box.left + std::floor((boxWidth - line.width) * 0.5f);
        }
        else if (format & TF_RIGHT)
        {
            x = box.right - line.width;
        }
        const int baseline = y + font.GetAscent();
        float pen = 0.0f;
        for (size_t i = line.begin; i < line.end; ++i)
        {
            const char32_t cp = text[i];
            if (cp != U'\t')
            {
                const Font::Glyph& glyph = font.GetGlyph(cp);
                if (glyph.width && glyph.height)
                {
                    PlacedGlyph placed;
                    placed.x = static_cast<int>(std::lround(x + pen)) + glyph.left;
                    placed.y = baseline - glyph.top;
                    placed.width = glyph.width;
                    placed.height = glyph.height;
                    placed.atlasX = glyph.atlasX;
                    placed.atlasY = glyph.atlasY;
                    out.push_back(placed);
                }
            }
            pen = measure.Advance(cp, pen);
        }
        y += lineHeight;
    }
}
