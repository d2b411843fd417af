#include "gui/multiplayer/TypedText.h"

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Continuation bytes a lead byte announces; -1 for a byte that starts no character.
int Continuations(unsigned char byte)
{
    if (byte < 0x80)
        return 0;
    if (byte >= 0xC2 && byte <= 0xDF)
        return 1;
    if (byte >= 0xE0 && byte <= 0xEF)
        return 2;
    if (byte >= 0xF0 && byte <= 0xF4)
        return 3;
    return -1;
}

bool IsIgnored(unsigned char byte) { return byte == '`' || byte == 8 || byte == 27 || byte == '\r' || byte == '\t'; }

} // namespace

bool TypedText::Add(char ch)
{
    const auto byte = static_cast<unsigned char>(ch);
    if (IsIgnored(byte) || _bytes + 1 >= Size)
        return false;
    if (IsContinuation(byte))
    {
        if (_pending == 0)
            return false;
        --_pending;
    }
    else
    {
        // A character left unfinished is taken back before the next one starts.
        if (_pending > 0)
            Back();
        const int continuations = Continuations(byte);
        if (continuations < 0 || _characters >= _limit || _bytes + 1 + size_t(continuations) >= Size)
            return false;
        _pending = continuations;
        ++_characters;
    }
    _text[_bytes++] = ch;
    _text[_bytes] = '\0';
    return true;
}

bool TypedText::Back()
{
    if (_bytes == 0)
        return false;
    while (_bytes > 0 && IsContinuation(static_cast<unsigned char>(_text[_bytes - 1])))
        --_bytes;
    if (_bytes > 0)
        --_bytes;
    _text[_bytes] = '\0';
    --_characters;
    _pending = 0;
    return true;
}

void TypedText::Clear()
{
    _text[0] = '\0';
    _bytes = 0;
    _characters = 0;
    _pending = 0;
}
