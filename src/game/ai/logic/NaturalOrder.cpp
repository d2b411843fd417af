#include "game/ai/logic/NaturalOrder.h"

#include <cstring>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Compares the digit runs at a and b by value and moves both past them; -1, 0 or 1.
int CompareNumbers(const char*& a, const char*& b)
{
    while (*a == '0')
        ++a;
    while (*b == '0')
        ++b;
    const char* startA = a;
    const char* startB = b;
    while (IsDigit(*a))
        ++a;
    while (IsDigit(*b))
        ++b;
    const size_t lengthA = static_cast<size_t>(a - startA);
    const size_t lengthB = static_cast<size_t>(b - startB);
    if (lengthA != lengthB)
        return lengthA < lengthB ? -1 : 1;
    const int digits = std::strncmp(startA, startB, lengthA);
    return digits < 0 ? -1 : (digits > 0 ? 1 : 0);
}

} // namespace

bool NaturalLess(const char* a, const char* b)
{
    const char* const wholeA = a;
    const char* const wholeB = b;
    while (*a && *b)
    {
        if (IsDigit(*a) && IsDigit(*b))
        {
            if (const int order = CompareNumbers(a, b))
                return order < 0;
            continue;
        }
        if (*a != *b)
            return static_cast<unsigned char>(*a) < static_cast<unsigned char>(*b);
        ++a;
        ++b;
    }
    if (*a || *b)
        return *b != '\0';
    return std::strcmp(wholeA, wholeB) < 0;
}
