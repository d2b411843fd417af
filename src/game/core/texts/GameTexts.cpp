#include "game/core/texts/GameTexts.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>

#include "foundation/base/Dumper.h"
#include "foundation/base/Path.h"

namespace {
constexpr size_t MaxCodeLength = 255;
constexpr size_t MaxTextLength = 4095; // with the marker
constexpr std::string_view Marker = "<end>";

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

// The next character, with "\r\n" and a lone "\r" read as one line break.
int NextChar(FILE* file)
{
    int c = std::fgetc(file);
    if (c != '\r')
        return c;
    int next = std::fgetc(file);
    if (next != '\n' && next != EOF)
        std::ungetc(next, file);
    return '\n';
}

// Reads entries one character at a time, keeping the last characters of the text apart from the
// bounded text so that the marker is found even after a text was cut.
class EntryReader
{
public:
    EntryReader(const std::string& path, std::map<std::string, std::string, std::less<>>& texts)
        : _path(path), _texts(texts)
    {}

    void Read(FILE* file)
    {
        for (int c; (c = NextChar(file)) != EOF;)
        {
            if (_inText)
                AddTextChar(static_cast<char>(c));
            else
                AddCodeChar(static_cast<char>(c));
        }
    }

private:
    void AddCodeChar(char c)
    {
        if (c == '=')
        {
            _inText = true;
            return;
        }
        if (c == ' ' || c == '\n' || c == '\0')
            return;
        if (_code.size() < MaxCodeLength)
            _code += c;
        else
            _codeCut = true;
    }

    void AddTextChar(char c)
    {
        if (_text.size() < MaxTextLength)
            _text += c;
        else
            _textCut = true;
        _tail.erase(0, _tail.size() == Marker.size() ? 1 : 0);
        _tail += c;
        if (_tail == Marker)
            EndEntry();
    }

    void EndEntry()
    {
        if (_codeCut)
            Dumper::Instance().Print(DUMP_WARNING, "Texts code \"%s...\" in \"%s\" cut to %zu characters\n",
                                     _code.c_str(), _path.c_str(), MaxCodeLength);
        if (_textCut)
        {
            _text.resize(MaxTextLength - Marker.size());
            Dumper::Instance().Print(DUMP_WARNING, "Text of \"%s\" in \"%s\" cut to %zu characters\n", _code.c_str(),
                                     _path.c_str(), _text.size());
        }
        else if (_text.size() > Marker.size())
            _text.resize(_text.size() - Marker.size()); // a text that is only the marker keeps it
        _text.resize(strnlen(_text.c_str(), _text.size()));
        _texts.emplace(std::move(_code), std::move(_text));
        _code.clear();
        _text.clear();
        _tail.clear();
        _inText = _codeCut = _textCut = false;
    }

    const std::string& _path;
    std::map<std::string, std::string, std::less<>>& _texts;
    std::string _code;
    std::string _text;
    std::string _tail; // the last characters of the text, at most as many as the marker has
    bool _inText = false;
    bool _codeCut = false;
    bool _textCut = false;
};
} // namespace

bool GameTexts::LoadTextsFromFile(const char* language, const char* file)
{
    std::string path = ResolvePath(std::string("texts//") + (language ? language : "") + "//" + (file ? file : ""));
    File stream(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!stream)
    {
        Dumper::Instance().Print(DUMP_WARNING, "Texts file \"%s\" not found\n", path.c_str());
        return false;
    }
    EntryReader(path, _texts).Read(stream.get());
    return true;
}

const char* GameTexts::GetTextByCode(const char* code) const
{
    if (!code)
        return "";
    auto it = _texts.find(std::string_view(code));
    return it != _texts.end() ? it->second.c_str() : code;
}
