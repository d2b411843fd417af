#include "layers/flash/FlashProtocol.h"

#include <charconv>
#include <locale>
#include <sstream>
#include <string_view>

namespace FlashHost {

namespace {

constexpr std::wstring_view kInvokeOpen = L"<invoke name=\"";
constexpr std::wstring_view kStringOpen = L"<string>";
constexpr std::wstring_view kStringClose = L"</string>";
constexpr std::wstring_view kNumberOpen = L"<number>";
constexpr std::wstring_view kNumberClose = L"</number>";
constexpr std::wstring_view kArgumentsOpen = L"<arguments>";
constexpr std::wstring_view kArgumentsClose = L"</arguments>";

// Replace-all that resumes after the inserted text.
void ReplaceAll(std::wstring& text, std::wstring_view from, std::wstring_view to)
{
    for (size_t at = text.find(from); at != std::wstring::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

std::wstring Escape(std::wstring text)
{
    ReplaceAll(text, L"&", L"&amp;");
    ReplaceAll(text, L"\"", L"&quot;");
    ReplaceAll(text, L"<", L"&lt;");
    ReplaceAll(text, L">", L"&gt;");
    return text;
}

// &amp; comes last, so "&amp;lt;" decodes to "&lt;" and not to "<".
std::wstring Unescape(std::wstring text)
{
    ReplaceAll(text, L"&quot;", L"\"");
    ReplaceAll(text, L"&lt;", L"<");
    ReplaceAll(text, L"&gt;", L">");
    ReplaceAll(text, L"&amp;", L"&");
    return text;
}

// Six significant digits in the manner of "%g", in the C locale.
std::wstring FormatNumber(float number)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), number, std::chars_format::general, 6);
    return std::wstring(buffer, result.ptr);
}

// A number read the way a stream reads it: leading blanks skipped, the longest numeral taken;
// no numeral at all gives 0.
float ParseNumber(const std::wstring& text)
{
    std::wistringstream stream(text);
    stream.imbue(std::locale::classic());
    float number = 0.0f;
    stream >> number;
    return stream.fail() ? 0.0f : number;
}

// The text after `open` up to the first `close` (or the end).
std::wstring Between(const std::wstring& text, std::wstring_view open, std::wstring_view close)
{
    const size_t end = text.find(close, open.size());
    return text.substr(open.size(), end == std::wstring::npos ? std::wstring::npos : end - open.size());
}

} // namespace

std::wstring EncodeValue(const FlashValue& value)
{
    switch (value.getType())
    {
    case FT_BOOLEAN: return value.getBool() ? L"<true/>" : L"<false/>";
    case FT_NUMBER: return L"<number>" + FormatNumber(value.getNumber()) + L"</number>";
    case FT_STRING: return L"<string>" + Escape(value.getString()) + L"</string>";
    default: return L"<NULL/>";
    }
}

FlashValue DecodeValue(const std::wstring& text)
{
    if (text == L"<NULL/>")
        return FlashValue();
    if (text == L"<true/>")
        return FlashValue(true);
    if (text == L"<false/>")
        return FlashValue(false);
    if (text.starts_with(kStringOpen))
        return FlashValue(Unescape(Between(text, kStringOpen, kStringClose)));
    if (text.starts_with(kNumberOpen))
        return FlashValue(ParseNumber(Between(text, kNumberOpen, kNumberClose)));
    return FlashValue();
}

std::wstring BuildRequest(const std::wstring& name, const std::vector<FlashValue>& args)
{
    std::wstring request = L"<invoke name=\"" + name + L"\" returntype=\"xml\">";
    if (!args.empty())
    {
        request += kArgumentsOpen;
        for (const FlashValue& value : args)
            request += EncodeValue(value);
        request += kArgumentsClose;
    }
    request += L"</invoke>";
    return request;
}

bool ParseRequest(const std::wstring& request, std::wstring& name, Args& args)
{
    args.clear();
    const size_t open = request.find(kInvokeOpen);
    if (open == std::wstring::npos)
        return false;
    const size_t nameStart = open + kInvokeOpen.size();
    const size_t nameEnd = request.find(L'"', nameStart);
    if (nameEnd == std::wstring::npos)
        return false;
    name = request.substr(nameStart, nameEnd - nameStart);

    const size_t argumentsOpen = request.find(kArgumentsOpen, nameEnd);
    if (argumentsOpen == std::wstring::npos)
        return true;
    const size_t first = argumentsOpen + kArgumentsOpen.size();
    const size_t last = request.find(kArgumentsClose, first);
    const std::wstring text = request.substr(first, last == std::wstring::npos ? std::wstring::npos : last - first);

    // An element runs from a "<" to the first ">" when that closes an empty element, else to
    // the second one; nested values are not taken apart.
    for (size_t p = 0;;)
    {
        const size_t start = text.find(L'<', p);
        if (start == std::wstring::npos)
            break;
        size_t end = text.find(L'>', start + 1);
        if (end == std::wstring::npos)
            break;
        if (text[end - 1] != L'/')
        {
            end = text.find(L'>', end + 1);
            if (end == std::wstring::npos)
                break;
        }
        args.push_back(DecodeValue(text.substr(start, end - start + 1)));
        p = end;
    }
    return true;
}

} // namespace FlashHost
