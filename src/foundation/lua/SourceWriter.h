#pragma once

#include <string>
#include <string_view>

// Writes translated source so that every token lands on the line it came from: run-time errors
// and debug lines then name the data file's own lines. Tokens are separated by a space.
class SourceWriter
{
public:
    explicit SourceWriter(std::string& out) : _out(out) {}

    // Moves to `line` (never back) and writes the text after a space.
    void Write(std::string_view text, int line)
    {
        PadTo(line);
        _out.push_back(' ');
        _out.append(text);
    }

    // A string constant spanning startLine..endLine of the source.
    void WriteString(std::string_view contents, bool longString, bool skippedNewline, int startLine,
                     int endLine);

    // Moves to `line` and returns the output position there.
    size_t MarkAt(int line)
    {
        PadTo(line);
        return _out.size();
    }
    void Insert(size_t position, std::string_view text) { _out.insert(position, text); }

private:
    void PadTo(int line)
    {
        if (line > _line)
        {
            _out.append(static_cast<size_t>(line - _line), '\n');
            _line = line;
        }
    }
    void WriteQuoted(std::string_view contents, int lineBreaks);

    std::string& _out;
    int _line = 1;
};
