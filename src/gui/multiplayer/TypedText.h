#pragma once

#include <cstddef>

// A line typed into a field of a multiplayer screen, held to a number of characters of UTF-8.
// The grave accent (it opens the console), backspace, Esc, carriage return and tab are not
// typed; Back takes the last whole character away.
class TypedText
{
public:
    static constexpr size_t Size = 512;

    // At most `characters` characters, and never more than Size - 1 bytes.
    explicit TypedText(size_t characters) : _limit(characters) {}

    // One typed byte; false when it is not taken.
    bool Add(char byte);
    // False when the text was empty.
    bool Back();
    void Clear();

    const char* Get() const { return _text; }
    bool IsEmpty() const { return _bytes == 0; }
    // False while the last character still waits for bytes of its UTF-8.
    bool IsComplete() const { return _pending == 0; }
    size_t GetCharacters() const { return _characters; }

private:
    size_t _limit;
    char _text[Size] = {};
    size_t _bytes = 0;
    size_t _characters = 0;
    int _pending = 0; // continuation bytes the last character still expects
};
