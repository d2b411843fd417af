#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "foundation/lua/DataToken.h"

class SourceWriter;

// A syntax error of a data chunk, with the complete message ("chunk:line: text near `token'").
struct DataSyntaxError
{
    std::string message;
};

// The lexer of the data language: Lua 5.0's lexer with "NULL", "event" and "!=". It reads the
// whole chunk from memory and throws DataSyntaxError on a lexical error. What the target
// language would read differently (comments, strings, a first "#" line, stray carriage
// returns, numerals followed by letters) it patches in the writer.
class DataLexer
{
public:
    DataLexer(const char* data, size_t size, std::string_view chunkName, SourceWriter& writer);

    // Reads the next token into `token` and returns its code.
    int Lex(DataToken& token);

    // The line the lexer stands on (the end of the last token read); errors report it.
    int Line() const { return _line; }

    // Throws the error "chunk:line: message near `near'".
    [[noreturn]] void Error(std::string_view message, std::string_view nearText) const;

private:
    static constexpr int EndOfStream = -1;
    // What ReadSymbol returns after a comment: no token yet.
    static constexpr int NoToken = 0;

    int Current() const { return _p < _end ? static_cast<unsigned char>(*_p) : EndOfStream; }
    void Advance()
    {
        if (_p < _end)
            ++_p;
    }
    const char* SkipSpace(const char* p);
    // Reads the tokens that Lex leaves to it.
    int ReadSymbol(DataToken& token);
    void NewLine();
    void CountLine();
    [[noreturn]] void TooManyLines() const;
    void SkipComment(const char* start);
    // Reads up to the closing delimiter; the token views the source until an escape needs a copy.
    void ReadString(int delimiter, DataToken& token);
    void ReadEscape();
    // Reads up to the closing brackets; true when brackets were nested inside.
    bool ReadLongString(DataToken* token);
    bool HasCarriageReturn(const char* from) const
    {
        return std::memchr(from, '\r', static_cast<size_t>(_p - from)) != nullptr;
    }
    void ReadNumeral(const char* start, bool startsWithDot, DataToken& token);
    void SkipDigits();
    // Scans from `p` to the first line break, end, `stop1` or `stop2`. Scans work on a local
    // pointer: reading a char may alias _p, so the compiler would write _p back on every step.
    const char* SkipPlain(const char* p, int stop1, int stop2) const
    {
        while (p < _end && *p != stop1 && *p != stop2 && *p != '\n')
            ++p;
        return p;
    }

    const char* _p;
    const char* _end;
    SourceWriter& _writer;
    int _line = 1;
    std::string _chunkId;
    std::string _buffer; // a string with escapes, with its delimiters
};
