#include "gui/menus/TypedName.h"

namespace {

// Bytes of the character a lead byte starts; 0 for a byte that cannot start one.
int SequenceLength(unsigned char byte)
{
    if (byte < 0x80)
        return 1;
    if (byte >= 0xC2 && byte <= 0xDF)
        return 2;
    if (byte >= 0xE0 && byte <= 0xEF)
        return 3;
    if (byte >= 0xF0 && byte <= 0xF4)
        return 4;
    return 0;
}

bool IsRefusedCharacter(unsigned char byte, bool fileName)
{
    return byte < 0x20 || byte == 0x7F || byte == '`' || (fileName && (byte == '/' || byte == '\\'));
}

} // namespace

TypedName::TypedName(int characters, size_t bytes, bool fileName)
    : _maxCharacters(characters), _maxBytes(bytes < Size ? bytes : Size - 1), _fileName(fileName)
{}

bool TypedName::Add(char ch)
{
    const auto byte = static_cast<unsigned char>(ch);
    if ((byte & 0xC0) == 0x80)
    {
        if (_pending == 0)
            return false;
        --_pending;
    }
    else
    {
        const int length = SequenceLength(byte);
        // A character left unfinished is taken back before a new one starts.
        if (_pending > 0)
            Back();
        if (length == 0 || IsRefusedCharacter(byte, _fileName) || _characters >= _maxCharacters ||
            _bytes + length > _maxBytes)
            return false;
        _pending = length - 1;
        ++_characters;
    }
    _text[_bytes++] = ch;
    _text[_bytes] = '\0';
    return true;
}

void TypedName::Back()
{
    if (_bytes == 0)
        return;
    while (_bytes > 0 && (static_cast<unsigned char>(_text[_bytes - 1]) & 0xC0) == 0x80)
        --_bytes;
    if (_bytes > 0)
        --_bytes;
    _text[_bytes] = '\0';
    --_characters;
    _pending = 0;
}

void TypedName::Set(const char* text)
{
    Clear();
    for (const char* c = text; c && *c; ++c)
        Add(*c);
    if (_pending > 0)
        Back();
}

void TypedName::Clear()
{
    _text[0] = '\0';
    _bytes = 0;
    _characters = 0;
    _pending = 0;
}
