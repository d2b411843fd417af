#include "foundation/lua/DataToken.h"

namespace {
const char* const TokenNames[] = {
    "and",   "break", "do",  "else", "elseif", "end",    "false", "for",     "function", "if",    "in",
    "local", "NULL",  "not", "or",   "repeat", "return", "then",  "true",    "until",    "event", "while",
    "*name", "..",    "...", "==",   ">=",     "<=",     "!=",    "*number", "*string",  "<eof>",
};
}

std::string_view DataTokenName(int token, char (&scratch)[2])
{
    if (token < DTK_FIRST_RESERVED)
    {
        scratch[0] = static_cast<char>(token);
        scratch[1] = '\0';
        return std::string_view(scratch, 1);
    }
    return TokenNames[token - DTK_FIRST_RESERVED];
}
