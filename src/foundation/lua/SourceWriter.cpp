#include "foundation/lua/SourceWriter.h"

void SourceWriter::WriteString(std::string_view contents, bool longString, bool skippedNewline,
                               int startLine, int endLine)
{
    PadTo(startLine);
    if (NeedsSpace('['))
        _out.push_back(' ');
    int span = endLine - startLine;
    // A long string without carriage returns keeps its exact text in a level-n long bracket
    // (the target language treats "\r" there as a line break, and rejects nested "[[").
    if (longString && contents.find('\r') == std::string_view::npos)
    {
        // The closing bracket must not occur inside, nor complete a "]=" at the very end.
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
        _out.push_back('[');
        _out.append(level, '=');
        _out.push_back('[');
        if (skippedNewline)
            _out.push_back('\n');
        _out.append(contents);
        _out.append(close);
        _line = endLine;
        return;
    }
    WriteQuoted(contents, span);
}

void SourceWriter::WriteQuoted(std::string_view contents, int lineBreaks)
{
    // The first `lineBreaks` line feeds are written as escaped real line breaks, so the string
    // ends on the line it ended on in the source.
    _out.push_back('"');
    for (char ch : contents)
    {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\')
        {
            _out.push_back('\\');
            _out.push_back(ch);
        }
        else if (c == '\n' && lineBreaks > 0)
        {
            _out.append("\\\n");
            --lineBreaks;
            ++_line;
        }
        else if (c < 32 || c == 127)
        {
            char escape[4] = {'\\', static_cast<char>('0' + c / 100), static_cast<char>('0' + c / 10 % 10),
                              static_cast<char>('0' + c % 10)};
            _out.append(escape, 4);
        }
        else
            _out.push_back(ch);
    }
    _out.push_back('"');
}
