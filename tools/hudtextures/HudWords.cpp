#include "HudWords.h"

#include <cstdio>
#include <fstream>
#include <sstream>

HudWords::HudWords(const std::filesystem::path& data, const std::string& language) : _language(language)
{
    std::ifstream in(data / "texts" / language / "ui_common.txt", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    const std::string all = text.str();
    // Entries "code=text<end>"; blanks and line breaks around a code are not part of it.
    for (size_t start = 0, end; (end = all.find("<end>", start)) != std::string::npos; start = end + 5)
    {
        const size_t equals = all.find('=', start);
        if (equals == std::string::npos || equals > end)
            break;
        std::string code;
        for (char c : all.substr(start, equals - start))
        {
            if (c != ' ' && c != '\n' && c != '\r' && c != '\t')
                code += c;
        }
        _words.emplace(code, all.substr(equals + 1, end - equals - 1));
    }
}

std::string HudWords::operator()(const std::string& code) const
{
    const auto found = _words.find(code);
    if (found != _words.end())
        return found->second;
    std::fprintf(stderr, "make_hud_textures: texts/%s/ui_common.txt has no \"%s\"\n", _language.c_str(), code.c_str());
    _missing = true;
    return code;
}
