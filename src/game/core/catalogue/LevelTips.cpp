#include "game/core/catalogue/LevelTips.h"

#include <fstream>

#include "foundation/base/Dumper.h"
#include "foundation/base/Path.h"
#include "foundation/base/Random.h"

namespace {
bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// UTF-8 characters: every byte but continuation bytes starts one.
size_t CountCharacters(const std::string& text)
{
    size_t count = 0;
    for (char c : text)
        count += !IsContinuationByte(c);
    return count;
}
} // namespace

void LevelTips::Initialize(const char* language, const std::filesystem::path& root)
{
    const std::string path = ResolvePath((root / "texts" / (language ? language : "") / "tips.txt").string());
    std::ifstream file(path, std::ios::binary);
    if (!file)
    {
        Dumper::Instance().Print(DUMP_WARNING, "Tips file \"%s\" not found\n", path.c_str());
        return;
    }
    std::string text(MaxFileSize, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(file.gcount()));
    if (file && file.peek() != std::char_traits<char>::eof())
        Dumper::Instance().Print(DUMP_WARNING, "Tips file \"%s\" is larger than %zu bytes; the rest is not read\n",
                                 path.c_str(), MaxFileSize);

    // Lines end at a line feed, a carriage return before it dropped; a last line without one counts.
    for (size_t start = 0; start < text.size();)
    {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        size_t length = end - start;
        if (length && text[start + length - 1] == '\r')
            --length;
        AddTip(text.substr(start, length));
        start = end + 1;
    }
}

void LevelTips::AddTip(std::string line)
{
    if (line.size() > MaxTipLength)
    {
        size_t cut = MaxTipLength;
        while (cut > 0 && IsContinuationByte(line[cut]))
            --cut;
        line.resize(cut);
    }
    if (CountCharacters(line) >= MinTipCharacters)
        _tips.push_back(std::move(line));
}

const char* LevelTips::GetRandomTip() const
{
    if (_tips.empty())
        return "";
    return _tips[static_cast<size_t>(EngineRandom()) % _tips.size()].c_str();
}
