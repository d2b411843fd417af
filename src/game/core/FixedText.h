#pragma once
// Copies into the fixed-size character arrays of the game's records.
#include <cstddef>
#include <cstring>

// Copies `text` (null counts as empty) into `out`, always terminated; a longer text is cut.
// Returns false when it was cut.
inline bool CopyFixedText(char* out, size_t size, const char* text)
{
    if (size == 0)
        return false;
    size_t length = text ? strnlen(text, size) : 0;
    bool fits = length < size;
    if (!fits)
        length = size - 1;
    if (length)
        std::memmove(out, text, length);
    out[length] = '\0';
    return fits;
}

template <size_t Size>
bool CopyFixedText(char (&out)[Size], const char* text)
{
    return CopyFixedText(out, Size, text);
}
