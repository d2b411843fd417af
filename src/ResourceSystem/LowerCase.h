#pragma once
#include <string>
#include <string_view>

// Resource names and roots are compared in lower case (ASCII letters only).
inline std::string ToLowerCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}
