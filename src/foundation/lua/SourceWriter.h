#pragma once

#include <string>
#include <string_view>

// How a character joins its neighbour: two neighbours need a space when both continue a word
// (names, keywords, numerals) or both are operator characters that could pair up ("- -", "[ [").
enum eJoin : unsigned char
{
    JOIN_FREE = 0,
    JOIN_WORD = 1,
    JOIN_OPERATOR = 2,
};
struct SourceJoinTable
{
    unsigned char kind[256];
    constexpr SourceJoinTable() : kind()
    {
        for (int c = 0; c < 256; ++c)
            kind[c] = c >= 128 ? JOIN_WORD : JOIN_OPERATOR;
        for (int c = 0; c <= ' '; ++c)
            kind[c] = JOIN_FREE;
        for (char c : {'(', ')', '{', '}', ',', ';', '"'})
            kind[static_cast<unsigned char>(c)] = JOIN_FREE;
        for (int c = '0'; c <= '9'; ++c)
            kind[c] = JOIN_WORD;
        for (int c = 'a'; c <= 'z'; ++c)
            kind[c] = JOIN_WORD;
        for (int c = 'A'; c <= 'Z'; ++c)
            kind[c] = JOIN_WORD;
        kind[static_cast<unsigned char>('_')] = JOIN_WORD;
        kind[static_cast<unsigned char>('.')] = JOIN_WORD;
    }
};
inline constexpr SourceJoinTable SourceJoin{};

// Writes translated source so that every token lands on the line it came from: run-time errors
// and debug lines then name the data file's own lines.
class SourceWriter
{
public:
    explicit SourceWriter(std::string& out) : _out(out) {}

    // Moves to `line` (never back) and writes the text, after a space where the two tokens
    // would otherwise run together.
    void Write(std::string_view text, int line)
    {
        PadTo(line);
        if (NeedsSpace(text[0]))
            _out.push_back(' ');
        _out.append(text);
    }
    void Write(char c, int line)
    {
        PadTo(line);
        if (NeedsSpace(c))
            _out.push_back(' ');
        _out.push_back(c);
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
    bool NeedsSpace(char next) const
    {
        if (_out.empty())
            return false;
        unsigned char a = SourceJoin.kind[static_cast<unsigned char>(_out.back())];
        return a != JOIN_FREE && a == SourceJoin.kind[static_cast<unsigned char>(next)];
    }

    std::string& _out;
    int _line = 1;
};
