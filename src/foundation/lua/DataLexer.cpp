#include "foundation/lua/DataLexer.h"

#include "foundation/lua/SourceWriter.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace {
// Character classes of the "C" locale; bytes above 127 belong to none of them.
enum : unsigned char
{
    CC_SPACE = 1,
    CC_DIGIT = 2,
    CC_ALPHA = 4, // letters and "_"
    CC_CNTRL = 8,
};

struct CharClasses
{
    unsigned char bits[256] = {};
    constexpr CharClasses()
    {
        for (int c = 0; c < 32; ++c)
            bits[c] = CC_CNTRL;
        bits[127] = CC_CNTRL;
        for (int c : {' ', '\t', '\n', '\v', '\f', '\r'})
            bits[c] |= CC_SPACE;
        for (int c = '0'; c <= '9'; ++c)
            bits[c] = CC_DIGIT;
        for (int c = 'a'; c <= 'z'; ++c)
            bits[c] = CC_ALPHA;
        for (int c = 'A'; c <= 'Z'; ++c)
            bits[c] = CC_ALPHA;
        bits['_'] = CC_ALPHA;
    }
};
constexpr CharClasses Classes;

inline bool Is(int c, unsigned char cls) { return c >= 0 && (Classes.bits[c] & cls); }

constexpr size_t MaxSourceId = 80;
constexpr int MaxLines = INT_MAX - 2;

// The chunk name as messages show it: "=name" as is, "@file" as the (tail of the) file name,
// anything else as [string "first line..."].
std::string FormatChunkId(std::string_view source)
{
    size_t room = MaxSourceId;
    if (!source.empty() && source[0] == '=')
        return std::string(source.substr(1, room - 1));
    if (!source.empty() && source[0] == '@')
    {
        source.remove_prefix(1);
        room -= sizeof(" `...' ");
        if (source.size() > room)
            return "..." + std::string(source.substr(source.size() - room));
        return std::string(source);
    }
    size_t stop = source.find_first_of(std::string_view("\n\0", 2));
    size_t length = stop == std::string_view::npos ? source.size() : stop;
    room -= sizeof(" [string \"...\"] ");
    if (length > room)
        length = room;
    std::string id = "[string \"";
    if (length < source.size())
        id.append(source.substr(0, length)).append("...");
    else
        id.append(source);
    return id + "\"]";
}

struct Reserved
{
    std::string_view word;
    int token;
};
constexpr Reserved ReservedWords[] = {
    {"and", DTK_AND},           {"break", DTK_BREAK}, {"do", DTK_DO},       {"else", DTK_ELSE},
    {"elseif", DTK_ELSEIF},     {"end", DTK_END},     {"false", DTK_FALSE}, {"for", DTK_FOR},
    {"function", DTK_FUNCTION}, {"if", DTK_IF},       {"in", DTK_IN},       {"local", DTK_LOCAL},
    {"NULL", DTK_NULL},         {"not", DTK_NOT},     {"or", DTK_OR},       {"repeat", DTK_REPEAT},
    {"return", DTK_RETURN},     {"then", DTK_THEN},   {"true", DTK_TRUE},   {"until", DTK_UNTIL},
    {"event", DTK_EVENT},       {"while", DTK_WHILE},
};

// A perfect hash of the reserved words on their length and first and last letters.
constexpr unsigned ReservedHash(std::string_view word)
{
    return (static_cast<unsigned>(word.size()) + static_cast<unsigned char>(word[0]) * 11u +
            static_cast<unsigned char>(word.back())) &
           63u;
}

struct ReservedTable
{
    signed char slot[64];
    constexpr ReservedTable() : slot()
    {
        for (signed char& s : slot)
            s = -1;
        for (size_t i = 0; i < std::size(ReservedWords); ++i)
            slot[ReservedHash(ReservedWords[i].word)] = static_cast<signed char>(i);
    }
};
constexpr ReservedTable ReservedSlots;

constexpr bool HashIsPerfect()
{
    for (size_t i = 0; i < std::size(ReservedWords); ++i)
        if (ReservedSlots.slot[ReservedHash(ReservedWords[i].word)] != static_cast<signed char>(i))
            return false;
    return true;
}
static_assert(HashIsPerfect(), "two reserved words share a hash slot");

int ReservedToken(std::string_view name)
{
    if (name.size() < 2 || name.size() > 8)
        return DTK_NAME;
    int slot = ReservedSlots.slot[ReservedHash(name)];
    if (slot < 0 || ReservedWords[slot].word != name)
        return DTK_NAME;
    return ReservedWords[slot].token;
}
} // namespace

DataLexer::DataLexer(const char* data, size_t size, std::string_view chunkName, SourceWriter& writer)
    : _p(data), _end(data + size), _writer(writer), _chunkId(FormatChunkId(chunkName))
{
    _current = _p < _end ? static_cast<unsigned char>(*_p) : EndOfStream;
    if (_current == '#')
    {
        // A first line starting with "#" is an interpreter line, not code.
        do
            Advance();
        while (_current != '\n' && _current != EndOfStream);
        _writer.Replace(data, _p, "");
    }
}

void DataLexer::Error(std::string_view message, std::string_view nearText) const
{
    // Messages are C strings: a quoted token stops at its first zero byte.
    size_t zero = nearText.find('\0');
    if (zero != std::string_view::npos)
        nearText = nearText.substr(0, zero);
    std::string text;
    text.reserve(_chunkId.size() + message.size() + nearText.size() + 24);
    text.append(_chunkId).append(":").append(std::to_string(_line)).append(": ");
    text.append(message).append(" near `").append(nearText).append("'");
    throw DataSyntaxError{std::move(text)};
}

void DataLexer::NewLine()
{
    Advance();
    if (_line >= MaxLines)
        Error("too many lines in a chunk (limit=" + std::to_string(MaxLines) + ")", "<eof>");
    ++_line;
}

int DataLexer::Lex(DataToken& token)
{
    int code = Read(token);
    token.end = _p;
    if (code == DTK_NUMBER && _p < _end)
    {
        // The target language reads letters, digits and dots after a numeral as part of it.
        int c = static_cast<unsigned char>(*_p);
        if (Is(c, CC_ALPHA | CC_DIGIT) || c == '.')
            _writer.Insert(_p, " ");
    }
    return code;
}

int DataLexer::Read(DataToken& token)
{
    for (;;)
    {
        token.begin = _p;
        // The commonest cases first, ahead of the table jump.
        if (Is(_current, CC_ALPHA))
            return token.token = ReadName(token);
        if (_current == ' ')
        {
            do
                Advance();
            while (_current == ' ');
            continue;
        }
        switch (_current)
        {
        case '\n': NewLine(); continue;
        case ' ':
        case '\t':
        case '\v':
        case '\f':
            do
                Advance();
            while (_current == ' ' || _current == '\t');
            continue;
        case '-':
            Advance();
            if (_current != '-')
                return token.token = '-';
            Advance();
            if (_current == '[' && (Advance(), _current == '['))
            {
                // The target language reads a comment without nested brackets or carriage
                // returns the same way: leave it.
                int firstLine = _line;
                if (ReadLongString(nullptr) || HasCarriageReturn(token.begin))
                {
                    if (_line > firstLine)
                        _writer.ReplaceOwned(token.begin, _p,
                                             std::string(static_cast<size_t>(_line - firstLine), '\n'));
                    else
                        _writer.Replace(token.begin, _p, " "); // keeps its neighbours apart
                }
            }
            else
            {
                if (_current != '\n' && _current != EndOfStream)
                {
                    const void* end = std::memchr(_p, '\n', static_cast<size_t>(_end - _p));
                    _p = (end ? static_cast<const char*>(end) : _end) - 1;
                    Advance();
                }
                // "--[" may open a long comment in the target language, and a carriage return
                // ends a line there.
                if ((_p - token.begin > 2 && token.begin[2] == '[') || HasCarriageReturn(token.begin))
                    _writer.Replace(token.begin, _p, "");
            }
            continue;
        case '[':
            Advance();
            if (_current != '[')
                return token.token = '[';
            {
                // Without nested brackets or carriage returns the target language reads it alike.
                int firstLine = _line;
                if (ReadLongString(&token) || HasCarriageReturn(token.begin))
                    _writer.ReplaceString(token.begin, _p, token.text, true, token.skippedNewline, _line - firstLine);
            }
            return token.token = DTK_STRING;
        case '=':
            Advance();
            if (_current != '=')
                return token.token = '=';
            Advance();
            return token.token = DTK_EQ;
        case '<':
            Advance();
            if (_current != '=')
                return token.token = '<';
            Advance();
            return token.token = DTK_LE;
        case '>':
            Advance();
            if (_current != '=')
                return token.token = '>';
            Advance();
            return token.token = DTK_GE;
        case '~':
        case '!':
        {
            int c = _current;
            Advance();
            if (_current != '=')
                return token.token = c;
            Advance();
            return token.token = DTK_NE;
        }
        case '"':
        case '\'':
        {
            int firstLine = _line;
            ReadString(_current, token);
            if (HasCarriageReturn(token.begin))
                _writer.ReplaceString(token.begin, _p, token.text, false, false, _line - firstLine);
            return token.token = DTK_STRING;
        }
        case '.':
        {
            const char* start = _p;
            Advance();
            if (_current == '.')
            {
                Advance();
                if (_current == '.')
                {
                    Advance();
                    return token.token = DTK_DOTS;
                }
                return token.token = DTK_CONCAT;
            }
            if (!Is(_current, CC_DIGIT))
                return token.token = '.';
            ReadNumeral(start, true, token);
            return token.token = DTK_NUMBER;
        }
        case EndOfStream: return token.token = DTK_EOS;
        default:
            if (Is(_current, CC_SPACE))
            {
                const char* p = _p;
                while (p < _end && *p != '\n' && Is(static_cast<unsigned char>(*p), CC_SPACE))
                {
                    // The target language counts a carriage return as a line break unless a
                    // line feed follows it.
                    if (*p == '\r' && (p + 1 == _end || p[1] != '\n'))
                        _writer.Replace(p, p + 1, " ");
                    ++p;
                }
                _p = p - 1;
                Advance();
                continue;
            }
            if (Is(_current, CC_DIGIT))
            {
                ReadNumeral(_p, false, token);
                return token.token = DTK_NUMBER;
            }
            int c = _current;
            if (Is(c, CC_CNTRL))
            {
                char text[24];
                std::snprintf(text, sizeof text, "char(%d)", c);
                Error("invalid control char", text);
            }
            Advance();
            return token.token = c;
        }
    }
}

int DataLexer::ReadName(DataToken& token)
{
    const char* start = _p;
    const char* p = _p + 1;
    while (p < _end && Is(static_cast<unsigned char>(*p), CC_ALPHA | CC_DIGIT))
        ++p;
    _p = p - 1;
    Advance();
    token.text = std::string_view(start, static_cast<size_t>(_p - start));
    return ReservedToken(token.text);
}

void DataLexer::ReadNumeral(const char* start, bool startsWithDot, DataToken& token)
{
    bool malformed = false;
    while (Is(_current, CC_DIGIT))
        Advance();
    if (_current == '.')
    {
        // After a leading dot a second one makes the numeral malformed.
        malformed = startsWithDot;
        Advance();
        if (_current == '.')
        {
            Advance();
            Error("ambiguous syntax (decimal point x string concatenation)",
                  std::string_view(start, static_cast<size_t>(_p - start)));
        }
    }
    while (Is(_current, CC_DIGIT))
        Advance();
    if (_current == 'e' || _current == 'E')
    {
        Advance();
        if (_current == '+' || _current == '-')
            Advance();
        if (!Is(_current, CC_DIGIT))
            malformed = true;
        while (Is(_current, CC_DIGIT))
            Advance();
    }
    token.text = std::string_view(start, static_cast<size_t>(_p - start));
    if (malformed)
        Error("malformed number", token.text);
}

void DataLexer::ReadString(int delimiter, DataToken& token)
{
    _buffer.clear();
    _buffer.push_back(static_cast<char>(delimiter));
    Advance();
    while (_current != delimiter)
    {
        switch (_current)
        {
        case EndOfStream: Error("unfinished string", "<eof>");
        case '\n': Error("unfinished string", _buffer);
        case '\\':
            Advance(); // the backslash is not kept
            switch (_current)
            {
            case 'a':
                _buffer.push_back('\a');
                Advance();
                break;
            case 'b':
                _buffer.push_back('\b');
                Advance();
                break;
            case 'f':
                _buffer.push_back('\f');
                Advance();
                break;
            case 'n':
                _buffer.push_back('\n');
                Advance();
                break;
            case 'r':
                _buffer.push_back('\r');
                Advance();
                break;
            case 't':
                _buffer.push_back('\t');
                Advance();
                break;
            case 'v':
                _buffer.push_back('\v');
                Advance();
                break;
            case '\n':
                _buffer.push_back('\n');
                NewLine();
                break;
            case EndOfStream: break; // reported as unfinished on the next round
            default:
                if (!Is(_current, CC_DIGIT))
                {
                    _buffer.push_back(static_cast<char>(_current));
                    Advance();
                }
                else
                {
                    int c = 0;
                    int i = 0;
                    do
                    {
                        c = 10 * c + (_current - '0');
                        Advance();
                    } while (++i < 3 && Is(_current, CC_DIGIT));
                    if (c > UCHAR_MAX)
                        Error("escape sequence too large", _buffer);
                    _buffer.push_back(static_cast<char>(c));
                }
            }
            break;
        default:
        {
            // Copy the plain run in one go.
            const char* start = _p;
            const char* p = _p;
            while (p < _end && *p != delimiter && *p != '\\' && *p != '\n')
                ++p;
            _buffer.append(start, static_cast<size_t>(p - start));
            _p = p - 1;
            Advance();
        }
        }
    }
    _buffer.push_back(static_cast<char>(delimiter));
    Advance();
    token.nearText = _buffer;
    token.text = std::string_view(_buffer).substr(1, _buffer.size() - 2);
    token.longString = false;
    token.skippedNewline = false;
}

bool DataLexer::ReadLongString(DataToken* token)
{
    // Entered on the second "[". Nested double brackets must balance.
    int nesting = 0;
    bool nested = false;
    bool skipped = false;
    if (token)
        _buffer.assign("[[");
    Advance();
    if (_current == '\n')
    {
        NewLine();
        skipped = true;
    }
    for (;;)
    {
        switch (_current)
        {
        case EndOfStream: Error(token ? "unfinished long string" : "unfinished long comment", "<eof>");
        case '[':
            if (token)
                _buffer.push_back('[');
            Advance();
            if (_current == '[')
            {
                ++nesting;
                nested = true;
                if (token)
                    _buffer.push_back('[');
                Advance();
            }
            continue;
        case ']':
            if (token)
                _buffer.push_back(']');
            Advance();
            if (_current == ']')
            {
                if (nesting == 0)
                    goto closed;
                --nesting;
                if (token)
                    _buffer.push_back(']');
                Advance();
            }
            continue;
        case '\n':
            if (token)
                _buffer.push_back('\n');
            NewLine();
            continue;
        default:
        {
            const char* start = _p;
            const char* p = _p;
            while (p < _end && *p != '[' && *p != ']' && *p != '\n')
                ++p;
            if (token)
                _buffer.append(start, static_cast<size_t>(p - start));
            _p = p - 1;
            Advance();
        }
        }
    }
closed:
    Advance(); // the second "]"
    if (token)
    {
        _buffer.push_back(']');
        token->nearText = _buffer;
        token->text = std::string_view(_buffer).substr(2, _buffer.size() - 4);
        token->longString = true;
        token->skippedNewline = skipped;
    }
    return nested;
}
