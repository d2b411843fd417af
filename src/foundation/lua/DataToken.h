#pragma once

#include <string_view>

// Token codes of the data language. Single characters are their own codes (0..255); the
// reserved words follow in their fixed order, then the multi-character tokens.
enum eDataToken
{
    DTK_FIRST_RESERVED = 257,
    DTK_AND = DTK_FIRST_RESERVED,
    DTK_BREAK,
    DTK_DO,
    DTK_ELSE,
    DTK_ELSEIF,
    DTK_END,
    DTK_FALSE,
    DTK_FOR,
    DTK_FUNCTION,
    DTK_IF,
    DTK_IN,
    DTK_LOCAL,
    DTK_NULL,
    DTK_NOT,
    DTK_OR,
    DTK_REPEAT,
    DTK_RETURN,
    DTK_THEN,
    DTK_TRUE,
    DTK_UNTIL,
    DTK_EVENT,
    DTK_WHILE,
    DTK_NAME,
    DTK_CONCAT,
    DTK_DOTS,
    DTK_EQ,
    DTK_GE,
    DTK_LE,
    DTK_NE,
    DTK_NUMBER,
    DTK_STRING,
    DTK_EOS,
};

// One token as the lexer read it. Names, numerals and most strings view the source itself; a
// string with escapes (or a long string that dropped its first line break) views a buffer of
// the lexer that stays valid until it reads the next string.
struct DataToken
{
    int token = DTK_EOS;
    const char* begin = nullptr; // the token's text in the source
    const char* end = nullptr;
    std::string_view text;       // name or numeral as written, or the string's contents
    std::string_view nearText;   // what error messages quote for a string: with its delimiters
    bool longString = false;     // written in double brackets
    bool skippedNewline = false; // a long string whose first line break was dropped
};

// The name of a token in messages: the reserved word, "*name", "!=", ... or the character.
std::string_view DataTokenName(int token, char (&scratch)[2]);

// True for a word the data language reserves ("NULL" and "event" among them, not "nil"), which
// cannot stand as a bare name or record key.
bool IsDataReservedWord(std::string_view word);
