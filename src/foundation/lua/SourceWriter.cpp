#include "foundation/lua/SourceWriter.h"

#include <algorithm>

namespace {
// Quoted form: the first `lineBreaks` line feeds become escaped real line breaks.
std::string Quoted(std::string_view contents, int& lineBreaks)
{
    std::string out;
    out.reserve(contents.size() + 2);
    out.push_back('"');
    for (char ch : contents)
    {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\')
        {
            out.push_back('\\');
            out.push_back(ch);
        }
        else if (c == '\n' && lineBreaks > 0)
        {
            out.append("\\\n");
            --lineBreaks;
        }
        else if (c < 32 || c == 127)
        {
            char escape[4] = {'\\', static_cast<char>('0' + c / 100), static_cast<char>('0' + c / 10 % 10),
                              static_cast<char>('0' + c % 10)};
            out.append(escape, 4);
        }
        else
            out.push_back(ch);
    }
    out.push_back('"');
    return out;
}

// Level-n long bracket form: the closing bracket must not occur inside, nor complete a "]="
// at the very end.
std::string LongBracket(std::string_view contents, bool skippedNewline)
{
    size_t level = 1;
    auto closing = [&level] { return "]" + std::string(level, '=') + "]"; };
    auto clashes = [&contents](const std::string& c) {
        return contents.find(c) != std::string_view::npos ||
               contents.ends_with(std::string_view(c).substr(0, c.size() - 1));
    };
    std::string close = closing();
    while (clashes(close))
    {
        ++level;
        close = closing();
    }
    std::string out = "[" + std::string(level, '=') + "[";
    if (skippedNewline)
        out.push_back('\n');
    out.append(contents);
    return out + close;
}
} // namespace

void SourceWriter::ReplaceOwned(const char* from, const char* to, std::string text)
{
    _texts.push_back(std::move(text));
    Replace(from, to, _texts.back());
}

void SourceWriter::ReplaceString(const char* from, const char* to, std::string_view contents, bool longString,
                                 bool skippedNewline, int lineBreaks)
{
    // Long brackets keep the text exactly, but the target language reads "\r" in them as a line
    // break and rejects nested "[[" at level 0; quoted strings cannot hold a raw "\r".
    if (longString && contents.find('\r') == std::string_view::npos)
    {
        ReplaceOwned(from, to, LongBracket(contents, skippedNewline));
        return;
    }
    // Line breaks the quoted form could not hold go before it: after it they would part a call
    // from its arguments, "f[[...]]()".
    std::string quoted = Quoted(contents, lineBreaks);
    std::string text(static_cast<size_t>(lineBreaks), '\n');
    ReplaceOwned(from, to, text + quoted);
}

void SourceWriter::Finish(std::string_view prefix, std::string& out)
{
    // Patches arrive nearly in order (a look-ahead token may be patched before the one before
    // it); an insertion sorts before a replacement at the same point.
    auto before = [](const Patch& a, const Patch& b) { return a.from < b.from || (a.from == b.from && a.to < b.to); };
    if (!std::is_sorted(_patches.begin(), _patches.end(), before))
        std::stable_sort(_patches.begin(), _patches.end(), before);
    size_t size = prefix.size() + static_cast<size_t>(_end - _begin);
    for (const Patch& patch : _patches)
        size = size - static_cast<size_t>(patch.to - patch.from) + patch.text.size();
    out.clear();
    out.reserve(size);
    out.append(prefix);
    const char* copied = _begin;
    for (const Patch& patch : _patches)
    {
        out.append(copied, static_cast<size_t>(patch.from - copied));
        out.append(patch.text);
        copied = patch.to;
    }
    out.append(copied, static_cast<size_t>(_end - copied));
}
