#include "foundation/lua/DataLexer.h"

#include "foundation/lua/SourceWriter.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace {
// Character classes of the "C" locale (bytes above 127 belong to none of them), and the
// characters that are a token of their own whatever follows.
enum : unsigned char
{
    CC_DIGIT = 1,
    CC_ALPHA = 2, // letters and "_"
    CC_CNTRL = 4,
    CC_SINGLE = 8,
};

struct CharClasses
{
    unsigned char bits[256] = {};
    constexpr CharClasses()
    {
        for (int c = 0; c < 32; ++c)
            bits[c] = CC_CNTRL;
        bits[127] = CC_CNTRL;
        for (int c = 33; c < 256; ++c)
            if (c != 127)
                bits[c] = CC_SINGLE;
        for (char c : std::string_view("-[=<>~!\"'."))
            bits[static_cast<unsigned char>(c)] = 0;
        for (int c = '0'; c <= '9'; ++c)
            bits[c] = CC_DIGIT;
        for (int c = 'a'; c <= 'z'; ++c)
            bits[c] = CC_ALPHA;
        for (int c = 'A'; c <= 'Z'; ++c)
            bits[c] = CC_ALPHA;
        bits[static_cast<unsigned char>('_')] = CC_ALPHA;
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
    unsigned char length[64]; // of the word in the slot; 0 when empty, which no name matches
    constexpr ReservedTable() : slot(), length()
    {
        for (signed char& s : slot)
            s = -1;
        for (size_t i = 0; i < std::size(ReservedWords); ++i)
        {
            unsigned h = ReservedHash(ReservedWords[i].word);
            slot[h] = static_cast<signed char>(i);
            length[h] = static_cast<unsigned char>(ReservedWords[i].word.size());
        }
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
    // One test rejects most names: the word in their slot (if any) has another length.
    unsigned h = ReservedHash(name);
    if (ReservedSlots.length[h] != name.size())
        return DTK_NAME;
    // A plain loop: the words are too short to be worth a library call.
    const Reserved& reserved = ReservedWords[ReservedSlots.slot[h]];
    for (size_t i = 0; i < name.size(); ++i)
        if (reserved.word[i] != name[i])
            return DTK_NAME;
    return reserved.token;
}
} // namespace

bool IsDataReservedWord(std::string_view word) { return !word.empty() && ReservedToken(word) != DTK_NAME; }

DataLexer::DataLexer(const char* data, size_t size, std::string_view chunkName, SourceWriter& writer)
    : _p(data), _end(data + size), _writer(writer), _chunkId(FormatChunkId(chunkName))
{
    if (Current() == '#')
    {
        // A first line starting with "#" is an interpreter line, not code.
        const void* end = std::memchr(_p, '\n', size);
        _p = end ? static_cast<const char*>(end) : _end;
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
    CountLine();
}

void DataLexer::CountLine()
{
    if (_line >= MaxLines)
        TooManyLines();
    ++_line;
}

void DataLexer::TooManyLines() const
{
    Error("too many lines in a chunk (limit=" + std::to_string(MaxLines) + ")", "<eof>");
}

// Skips blanks and line breaks.
const char* DataLexer::SkipSpace(const char* p)
{
    while (p < _end)
    {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c == ' ')
            ++p;
        else if (c > ' ')
            break;
        else if (c == '\n')
        {
            ++p;
            CountLine();
        }
        else if (c == '\t' || c == '\v' || c == '\f')
            ++p;
        else if (c == '\r')
        {
            // The target language counts a carriage return as a line break unless a line feed
            // follows it.
            if (p + 1 == _end || p[1] != '\n')
                _writer.Replace(p, p + 1, " ");
            ++p;
        }
        else
            break;
    }
    return p;
}

// Names, blanks, numerals, "=" and single characters make up most of a data file: they are
// read here with the position kept local; everything else goes through ReadSymbol.
int DataLexer::Lex(DataToken& token)
{
    const char* p = _p;
    int code;
    for (;;)
    {
        // Mostly a token follows a single space or none.
        while (p < _end && *p == ' ')
            ++p;
        if (p < _end && static_cast<unsigned char>(*p) < ' ')
            p = SkipSpace(p);
        token.begin = p;
        unsigned char c = p < _end ? static_cast<unsigned char>(*p) : 0;
        if (Is(c, CC_ALPHA))
        {
            do
                ++p;
            while (p < _end && Is(static_cast<unsigned char>(*p), CC_ALPHA | CC_DIGIT));
            token.text = std::string_view(token.begin, static_cast<size_t>(p - token.begin));
            code = ReservedToken(token.text);
            break;
        }
        if (Is(c, CC_SINGLE))
        {
            ++p;
            code = c;
            break;
        }
        if (c == '=')
        {
            ++p;
            code = '=';
            if (p < _end && *p == '=')
            {
                ++p;
                code = DTK_EQ;
            }
            break;
        }
        _p = p;
        if (Is(c, CC_DIGIT))
        {
            ReadNumeral(p, false, token);
            p = _p;
            code = DTK_NUMBER;
            break;
        }
        code = ReadSymbol(token);
        p = _p;
        if (code != NoToken)
            break;
    }
    _p = p;
    token.end = p;
    return token.token = code;
}

int DataLexer::ReadSymbol(DataToken& token)
{
    int c = Current();
    switch (c)
    {
    case EndOfStream: return DTK_EOS;
    case '-':
        Advance();
        if (Current() != '-')
            return '-';
        Advance();
        SkipComment(token.begin);
        return NoToken;
    case '[':
        Advance();
        if (Current() != '[')
            return '[';
        {
            // Without nested brackets or carriage returns the target language reads it alike.
            int firstLine = _line;
            if (ReadLongString(&token) || HasCarriageReturn(token.begin))
                _writer.ReplaceString(token.begin, _p, token.text, true, token.skippedNewline, _line - firstLine);
        }
        return DTK_STRING;
    case '<':
    case '>':
    case '~':
    case '!':
        Advance();
        if (Current() != '=')
            return c;
        Advance();
        return c == '<' ? DTK_LE : c == '>' ? DTK_GE : DTK_NE;
    case '"':
    case '\'':
    {
        int firstLine = _line;
        ReadString(c, token);
        if (HasCarriageReturn(token.begin))
            _writer.ReplaceString(token.begin, _p, token.text, false, false, _line - firstLine);
        return DTK_STRING;
    }
    case '.':
        Advance();
        if (Current() == '.')
        {
            Advance();
            if (Current() == '.')
            {
                Advance();
                return DTK_DOTS;
            }
            return DTK_CONCAT;
        }
        if (!Is(Current(), CC_DIGIT))
            return '.';
        ReadNumeral(token.begin, true, token);
        return DTK_NUMBER;
    default:
        if (Is(c, CC_CNTRL))
        {
            char text[24];
            std::snprintf(text, sizeof text, "char(%d)", c);
            Error("invalid control char", text);
        }
        Advance();
        return c;
    }
}

// Entered after "--" that started at `start`.
void DataLexer::SkipComment(const char* start)
{
    if (Current() == '[' && (Advance(), Current() == '['))
    {
        // The target language reads a comment without nested brackets or carriage returns the
        // same way: leave it.
        int firstLine = _line;
        if (ReadLongString(nullptr) || HasCarriageReturn(start))
        {
            if (_line > firstLine)
                _writer.ReplaceOwned(start, _p, std::string(static_cast<size_t>(_line - firstLine), '\n'));
            else
                _writer.Replace(start, _p, " "); // keeps its neighbours apart
        }
        return;
    }
    const void* end = std::memchr(_p, '\n', static_cast<size_t>(_end - _p));
    _p = end ? static_cast<const char*>(end) : _end;
    // "--[" may open a long comment in the target language, and a carriage return ends a line
    // there.
    if ((_p - start > 2 && start[2] == '[') || HasCarriageReturn(start))
        _writer.Replace(start, _p, "");
}

void DataLexer::SkipDigits()
{
    const char* p = _p; // see SkipPlain
    while (p < _end && Is(static_cast<unsigned char>(*p), CC_DIGIT))
        ++p;
    _p = p;
}

void DataLexer::ReadNumeral(const char* start, bool startsWithDot, DataToken& token)
{
    bool malformed = false;
    SkipDigits();
    if (Current() == '.')
    {
        // After a leading dot a second one makes the numeral malformed.
        malformed = startsWithDot;
        Advance();
        if (Current() == '.')
        {
            Advance();
            Error("ambiguous syntax (decimal point x string concatenation)",
                  std::string_view(start, static_cast<size_t>(_p - start)));
        }
    }
    SkipDigits();
    if (Current() == 'e' || Current() == 'E')
    {
        Advance();
        if (Current() == '+' || Current() == '-')
            Advance();
        if (!Is(Current(), CC_DIGIT))
            malformed = true;
        SkipDigits();
    }
    token.text = std::string_view(start, static_cast<size_t>(_p - start));
    if (malformed)
        Error("malformed number", token.text);
    // The target language reads letters, digits and dots after a numeral as part of it.
    int next = Current();
    if (Is(next, CC_ALPHA | CC_DIGIT) || next == '.')
        _writer.Insert(_p, " ");
}

void DataLexer::ReadString(int delimiter, DataToken& token)
{
    const char* start = _p;
    bool copied = false;
    Advance();
    for (;;)
    {
        const char* run = _p;
        _p = SkipPlain(_p, delimiter, '\\');
        if (copied)
            _buffer.append(run, static_cast<size_t>(_p - run));
        switch (Current())
        {
        case EndOfStream: Error("unfinished string", "<eof>");
        case '\n':
            Error("unfinished string",
                  copied ? std::string_view(_buffer) : std::string_view(start, static_cast<size_t>(_p - start)));
        case '\\':
            if (!copied)
            {
                _buffer.assign(start, _p);
                copied = true;
            }
            ReadEscape();
            continue;
        default: break; // the delimiter
        }
        break;
    }
    Advance();
    if (copied)
    {
        _buffer.push_back(static_cast<char>(delimiter));
        token.nearText = _buffer;
    }
    else
        token.nearText = std::string_view(start, static_cast<size_t>(_p - start));
    token.text = token.nearText.substr(1, token.nearText.size() - 2);
    token.longString = false;
    token.skippedNewline = false;
}

// Entered on a backslash; appends what the escape stands for to the buffer.
void DataLexer::ReadEscape()
{
    Advance(); // the backslash is not kept
    int c = Current();
    switch (c)
    {
    case 'a': c = '\a'; break;
    case 'b': c = '\b'; break;
    case 'f': c = '\f'; break;
    case 'n': c = '\n'; break;
    case 'r': c = '\r'; break;
    case 't': c = '\t'; break;
    case 'v': c = '\v'; break;
    case '\n':
        _buffer.push_back('\n');
        NewLine();
        return;
    case EndOfStream: return; // reported as unfinished by the caller
    default:
        if (Is(c, CC_DIGIT))
        {
            c = 0;
            int i = 0;
            do
            {
                c = 10 * c + (Current() - '0');
                Advance();
            } while (++i < 3 && Is(Current(), CC_DIGIT));
            if (c > UCHAR_MAX)
                Error("escape sequence too large", _buffer);
            _buffer.push_back(static_cast<char>(c));
            return;
        }
    }
    _buffer.push_back(static_cast<char>(c));
    Advance();
}

bool DataLexer::ReadLongString(DataToken* token)
{
    // Entered on the second "[". Nested double brackets must balance.
    int nesting = 0;
    bool nested = false;
    bool skipped = false;
    Advance();
    if (Current() == '\n')
    {
        NewLine();
        skipped = true;
    }
    const char* contents = _p;
    for (;;)
    {
        _p = SkipPlain(_p, '[', ']');
        switch (Current())
        {
        case EndOfStream: Error(token ? "unfinished long string" : "unfinished long comment", "<eof>");
        case '[':
            Advance();
            if (Current() == '[')
            {
                ++nesting;
                nested = true;
                Advance();
            }
            continue;
        case ']':
            Advance();
            if (Current() == ']')
            {
                if (nesting == 0)
                    break;
                --nesting;
                Advance();
            }
            continue;
        default: NewLine(); continue;
        }
        break;
    }
    Advance(); // the second "]"
    if (token)
    {
        token->text = std::string_view(contents, static_cast<size_t>(_p - 2 - contents));
        if (skipped)
        {
            // Messages quote the string without the dropped line break.
            _buffer.assign("[[").append(token->text).append("]]");
            token->nearText = _buffer;
        }
        else
            token->nearText = std::string_view(token->begin, static_cast<size_t>(_p - token->begin));
        token->longString = true;
        token->skippedNewline = skipped;
    }
    return nested;
}
