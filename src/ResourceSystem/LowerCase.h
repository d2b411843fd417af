#pragma once
#include <string>
#include <string_view>

#include "foundation/base/Path.h"

// Resource names and roots are compared in lower case (ASCII letters only).
inline std::string ToLowerCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The key a resource is filed and found under: lower case with normalised separators, so that
// "A\\b.dds", "a//b.dds" and "a/B.dds" name one resource.
inline std::string ResourceKey(std::string_view name) { return ToLowerCase(NormalizePath(name)); }
