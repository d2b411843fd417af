#pragma once

#include <cstddef>

// A pilot's name as it is typed: at most 16 characters of UTF-8, and never more than a profile
// name holds (63 bytes). Characters that cannot stand in a file name ('/', '\\', control
// characters) and the backquote, which opens the console, are refused; so are stray bytes that
// would break the UTF-8. Other fields (a server name, a chat line) set their own limits and may
// take the slashes.
class TypedName
{
public:
    static constexpr int MaxCharacters = 16;
    static constexpr size_t MaxBytes = 63;
    static constexpr size_t Size = 512;

    TypedName() = default;
    // At most `characters` characters in at most `bytes` bytes (below Size).
    TypedName(int characters, size_t bytes, bool fileName);

    // One typed byte; false when it is refused.
    bool Add(char byte);
    // Takes the last whole character back.
    void Back();
    // The text, cut to what could have been typed.
    void Set(const char* text);
    void Clear();

    const char* Get() const { return _text; }
    size_t GetBytes() const { return _bytes; }
    int GetCharacters() const { return _characters; }
    bool IsEmpty() const { return _bytes == 0; }
    // False while the last character still waits for bytes of its UTF-8.
    bool IsComplete() const { return _pending == 0; }

private:
    int _maxCharacters = MaxCharacters;
    size_t _maxBytes = MaxBytes;
    bool _fileName = true;
    char _text[Size] = {};
    size_t _bytes = 0;
    int _characters = 0;
    int _pending = 0; // continuation bytes the last character still needs
};
