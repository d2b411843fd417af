#pragma once

#include <string>
#include <string_view>

// Decodes UTF-8 into code points. Malformed sequences (stray continuation bytes, overlong
// forms, surrogates, values past U+10FFFF, truncated tails) become U+FFFD, one per bad byte.
std::u32string DecodeUtf8(std::string_view text);
