#include "platform/font/Utf8.h"

namespace {

constexpr char32_t Replacement = 0xFFFD;

} // namespace

std::u32string DecodeUtf8(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size())
    {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        unsigned extra = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (lead < 0x80)
        {
            out.push_back(lead);
            ++i;
            continue;
        }
        else if ((lead & 0xE0) == 0xC0)
        {
            extra = 1, cp = lead & 0x1F, minimum = 0x80;
        }
        else if ((lead & 0xF0) == 0xE0)
        {
            extra = 2, cp = lead & 0x0F, minimum = 0x800;
        }
        else if ((lead & 0xF8) == 0xF0)
        {
            extra = 3, cp = lead & 0x07, minimum = 0x10000;
        }
        else
        {
            out.push_back(Replacement);
            ++i;
            continue;
        }
        bool ok = i + extra < text.size();
        for (unsigned k = 1; ok && k <= extra; ++k)
        {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (next & 0x3F);
        }
        if (!ok || cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        {
            out.push_back(Replacement);
            ++i;
            continue;
        }
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}
