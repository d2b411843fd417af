#include "foundation/lua/PatternMatcher.h"

#include <cctype>
#include <cstring>

#include <lua.hpp>

namespace {

constexpr char Escape = '%';
constexpr long Unfinished = -1;
constexpr long Position = -2;
// Bytes that one step of work stands for where memory is compared in bulk.
constexpr long BytesPerStep = 16;
// The most work done between two charges, so that the budget sees a long match as it goes.
constexpr long StepsPerCharge = 1 << 14;

int Byte(const char* p) { return static_cast<unsigned char>(*p); }

// %a, %d, ... and their upper-case complements; any other character stands for itself.
bool MatchesClass(int c, int cls)
{
    bool matches;
    switch (std::tolower(cls))
    {
    case 'a': matches = std::isalpha(c); break;
    case 'c': matches = std::iscntrl(c); break;
    case 'd': matches = std::isdigit(c); break;
    case 'l': matches = std::islower(c); break;
    case 'p': matches = std::ispunct(c); break;
    case 's': matches = std::isspace(c); break;
    case 'u': matches = std::isupper(c); break;
    case 'w': matches = std::isalnum(c); break;
    case 'x': matches = std::isxdigit(c); break;
    case 'z': matches = c == 0; break;
    default: return cls == c;
    }
    return std::islower(cls) ? matches : !matches;
}

} // namespace

PatternMatcher::PatternMatcher(lua_State* L, ChargeWork charge, const char* subject, size_t length)
    : _L(L), _charge(charge), _begin(subject), _end(subject + length), _left(0), _limit(0)
{
    Settle();
}

void PatternMatcher::Spend(long steps)
{
    _steps += steps;
    if (_steps > _limit)
        Settle();
}

void PatternMatcher::Settle()
{
    _left = _charge(_L, _steps);
    _steps = 0;
    _limit = _left < StepsPerCharge ? _left : StepsPerCharge;
}

const char* PatternMatcher::Match(const char* at, const char* pattern)
{
    _level = 0;
    return MatchFrom(at, pattern);
}

const char* PatternMatcher::FindText(const char* from, const char* text, size_t length)
{
    if (length == 0)
        return from;
    if (length > size_t(_end - from))
        return nullptr;
    const char* last = _end - length; // the last place the text fits
    const long compare = 1 + long(length / BytesPerStep);
    for (const char* at = from; at <= last; ++at)
    {
        at = static_cast<const char*>(std::memchr(at, text[0], size_t(last - at) + 1));
        if (!at)
            return nullptr;
        Spend(compare);
        if (std::memcmp(at + 1, text + 1, length - 1) == 0)
            return at;
    }
    return nullptr;
}

// One pattern item: an escape with its class, a set in brackets, or a single character.
const char* PatternMatcher::ClassEnd(const char* p)
{
    switch (*p++)
    {
    case Escape:
        if (*p == '\0')
            luaL_error(_L, "malformed pattern (ends with '%%')");
        return p + 1;
    case '[':
    {
        const char* set = p;
        if (*p == '^')
            ++p;
        do // up to the closing bracket; an escaped one does not close the set
        {
            if (*p == '\0')
                luaL_error(_L, "malformed pattern (missing ']')");
            if (*p++ == Escape && *p != '\0')
                ++p;
        } while (*p != ']');
        Spend(long(p - set));
        return p + 1;
    }
    default: return p;
    }
}

// `p` at the set's '[', `last` at its ']'. A long set is as much work as as many items.
bool PatternMatcher::MatchesSet(int c, const char* p, const char* last)
{
    Spend(long(last - p));
    bool in = true;
    if (p[1] == '^')
    {
        in = false;
        ++p;
    }
    while (++p < last)
    {
        if (*p == Escape)
        {
            ++p;
            if (MatchesClass(c, Byte(p)))
                return in;
        }
        else if (p[1] == '-' && p + 2 < last)
        {
            p += 2;
            if (Byte(p - 2) <= c && c <= Byte(p))
                return in;
        }
        else if (Byte(p) == c)
        {
            return in;
        }
    }
    return !in;
}

bool PatternMatcher::MatchesItem(const char* s, const char* p, const char* itemEnd)
{
    if (s >= _end)
        return false;
    const int c = Byte(s);
    switch (*p)
    {
    case '.': return true;
    case Escape: return MatchesClass(c, Byte(p + 1));
    case '[': return MatchesSet(c, p, itemEnd - 1);
    default: return Byte(p) == c;
    }
}

const char* PatternMatcher::MatchFrom(const char* s, const char* p)
{
    for (;;)
    {
        Step();
        switch (*p)
        {
        case '(':
            if (p[1] == ')')
                return StartCapture(s, p + 2, Position);
            return StartCapture(s, p + 1, Unfinished);
        case ')': return EndCapture(s, p + 1);
        case '\0': return s;
        case '$':
            if (p[1] == '\0')
                return s == _end ? s : nullptr;
            break;
        case Escape:
            if (p[1] == 'b')
            {
                s = MatchBalance(s, p + 2);
                if (!s)
                    return nullptr;
                p += 4;
                continue;
            }
            if (p[1] == 'f')
            {
                p += 2;
                if (*p != '[')
                    luaL_error(_L, "missing '[' after '%%f' in pattern");
                const char* next = ClassEnd(p);
                const int before = s == _begin ? 0 : Byte(s - 1);
                if (MatchesSet(before, p, next - 1) || !MatchesSet(Byte(s), p, next - 1))
                    return nullptr;
                p = next;
                continue;
            }
            if (std::isdigit(Byte(p + 1)))
            {
                s = MatchBackReference(s, Byte(p + 1));
                if (!s)
                    return nullptr;
                p += 2;
                continue;
            }
            break;
        default: break;
        }

        // A single item, perhaps with a repetition after it.
        const char* itemEnd = ClassEnd(p);
        const bool matches = MatchesItem(s, p, itemEnd);
        switch (*itemEnd)
        {
        case '?':
            if (matches)
            {
                if (const char* end = MatchFrom(s + 1, itemEnd + 1))
                    return end;
            }
            p = itemEnd + 1;
            continue;
        case '*': return MatchGreedy(s, p, itemEnd);
        case '+': return matches ? MatchGreedy(s + 1, p, itemEnd) : nullptr;
        case '-': return MatchLazy(s, p, itemEnd);
        default:
            if (!matches)
                return nullptr;
            ++s;
            p = itemEnd;
        }
    }
}

// %bxy: from an x to its balancing y.
const char* PatternMatcher::MatchBalance(const char* s, const char* p)
{
    if (p[0] == '\0' || p[1] == '\0')
        luaL_error(_L, "unbalanced pattern");
    if (s >= _end || *s != p[0])
        return nullptr;
    const char open = p[0], close = p[1];
    int depth = 1;
    while (++s < _end)
    {
        Step();
        if (*s == close)
        {
            if (--depth == 0)
                return s + 1;
        }
        else if (*s == open)
        {
            ++depth;
        }
    }
    return nullptr;
}

// As many repetitions as there are, then one fewer at a time until the rest matches.
const char* PatternMatcher::MatchGreedy(const char* s, const char* p, const char* itemEnd)
{
    long count = 0;
    while (MatchesItem(s + count, p, itemEnd))
    {
        Step();
        ++count;
    }
    for (; count >= 0; --count)
    {
        if (const char* end = MatchFrom(s + count, itemEnd + 1))
            return end;
    }
    return nullptr;
}

// As few repetitions as the rest allows.
const char* PatternMatcher::MatchLazy(const char* s, const char* p, const char* itemEnd)
{
    for (;;)
    {
        if (const char* end = MatchFrom(s, itemEnd + 1))
            return end;
        if (!MatchesItem(s, p, itemEnd))
            return nullptr;
        ++s;
    }
}

const char* PatternMatcher::StartCapture(const char* s, const char* p, long kind)
{
    if (_level >= MaxCaptures)
        luaL_error(_L, "too many captures");
    _captures[_level] = {s, kind};
    ++_level;
    const char* end = MatchFrom(s, p);
    if (!end)
        --_level;
    return end;
}

const char* PatternMatcher::EndCapture(const char* s, const char* p)
{
    int open = _level - 1;
    while (open >= 0 && _captures[open].length != Unfinished)
        --open;
    if (open < 0)
        luaL_error(_L, "invalid pattern capture");
    _captures[open].length = s - _captures[open].start;
    const char* end = MatchFrom(s, p);
    if (!end)
        _captures[open].length = Unfinished;
    return end;
}

// %1 .. %9: the text a closed capture took, again.
const char* PatternMatcher::MatchBackReference(const char* s, int digit)
{
    const int index = digit - '1';
    if (index < 0 || index >= _level || _captures[index].length == Unfinished)
        luaL_error(_L, "invalid capture index");
    const size_t length = size_t(_captures[index].length); // a position is too long to fit
    if (size_t(_end - s) < length)
        return nullptr;
    Spend(long(length / BytesPerStep));
    return std::memcmp(_captures[index].start, s, length) == 0 ? s + length : nullptr;
}

void PatternMatcher::PushCapture(int index, const char* start, const char* end)
{
    if (index >= _level)
    {
        if (index != 0)
            luaL_error(_L, "invalid capture index");
        lua_pushlstring(_L, start, size_t(end - start));
        return;
    }
    const Capture& capture = _captures[index];
    if (capture.length == Unfinished)
        luaL_error(_L, "unfinished capture");
    if (capture.length == Position)
        lua_pushinteger(_L, capture.start - _begin + 1);
    else
        lua_pushlstring(_L, capture.start, size_t(capture.length));
}

int PatternMatcher::PushCaptures(const char* start, const char* end)
{
    const int count = _level == 0 && start ? 1 : _level;
    luaL_checkstack(_L, count, "too many captures");
    for (int i = 0; i < count; ++i)
        PushCapture(i, start, end);
    return count;
}
