#include "services/input/IniFile.h"

#include "foundation/base/Dumper.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <strings.h>

namespace {

std::string_view Trim(std::string_view text)
{
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

} // namespace

bool IniFile::NoCaseLess::operator()(std::string_view a, std::string_view b) const
{
    const int order = strncasecmp(a.data(), b.data(), std::min(a.size(), b.size()));
    return order != 0 ? order < 0 : a.size() < b.size();
}

const IniFile::Section* IniFile::Find(std::string_view name) const
{
    for (const Section& section : _sections)
    {
        if (!section.header.empty() && SameName(section.name, name))
            return &section;
    }
    return nullptr;
}

IniFile::Section* IniFile::Find(std::string_view name)
{
    return const_cast<Section*>(static_cast<const IniFile*>(this)->Find(name));
}

IniFile::Section& IniFile::FindOrAdd(std::string_view name)
{
    if (Section* section = Find(name))
        return *section;
    Section section;
    section.name = std::string(name);
    section.header = "[" + section.name + "]";
    _sections.push_back(std::move(section));
    return _sections.back();
}

bool IniFile::Load(const std::string& path)
{
    _sections.clear();
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return false;
    if (size > MaxFileSize)
    {
        Dumper::Instance().Print(DUMP_ERROR, "\"%s\" is too large for a settings file (%llu bytes); ignored\n",
                                 path.c_str(), static_cast<unsigned long long>(size));
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Cannot read \"%s\"\n", path.c_str());
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    Parse(text.str(), path);
    return true;
}

void IniFile::Parse(const std::string& text, const std::string& source)
{
    _sections.push_back(Section{}); // lines before the first header
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    int malformed = 0;
    while (std::getline(in, raw))
    {
        ++number;
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        const std::string_view line = Trim(raw);
        if (line.empty() || line.front() == ';')
        {
            _sections.back().lines.push_back({raw, {}, {}});
            continue;
        }
        if (line.front() == '[')
        {
            const size_t close = line.find(']');
            if (close != std::string_view::npos)
            {
                Section section;
                section.name = std::string(Trim(line.substr(1, close - 1)));
                section.header = raw;
                _sections.push_back(std::move(section));
                continue;
            }
        }
        const size_t equals = line.find('=');
        const std::string_view key =
            equals == std::string_view::npos ? std::string_view{} : Trim(line.substr(0, equals));
        if (key.empty())
        {
            if (++malformed <= MaxReportedLines)
                Dumper::Instance().Print(DUMP_WARNING, "%s(%d): malformed line ignored: %s\n", source.c_str(), number,
                                         raw.c_str());
            _sections.back().lines.push_back({raw, {}, {}});
            continue;
        }
        std::string value(Trim(line.substr(equals + 1)));
        if (value.size() > MaxValue)
            value.resize(MaxValue);
        Section& section = _sections.back();
        section.values.emplace(std::string(key), value); // the first line of a key wins
        section.lines.push_back({raw, std::string(key), std::move(value)});
    }
    if (malformed > MaxReportedLines)
        Dumper::Instance().Print(DUMP_WARNING, "%s: %d more malformed lines ignored\n", source.c_str(),
                                 malformed - MaxReportedLines);
}

bool IniFile::Save(const std::string& path) const
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const Section& section : _sections)
        {
            if (!section.header.empty())
                out << section.header << '\n';
            for (const Line& line : section.lines)
                out << line.text << '\n';
        }
        out.flush();
        if (!out)
        {
            Dumper::Instance().Print(DUMP_ERROR, "Cannot write \"%s\"\n", temporary.c_str());
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Cannot replace \"%s\": %s\n", path.c_str(), error.message().c_str());
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

std::string IniFile::GetString(std::string_view section, std::string_view key, std::string_view defaultText) const
{
    if (const Section* found = Find(section))
    {
        const auto it = found->values.find(key);
        if (it != found->values.end())
            return it->second;
    }
    return std::string(defaultText.substr(0, MaxValue));
}

void IniFile::SetString(std::string_view section, std::string_view key, std::string_view value)
{
    Section& target = FindOrAdd(section);
    std::string trimmed(Trim(value));
    if (trimmed.size() > MaxValue)
        trimmed.resize(MaxValue);
    std::string text = std::string(key) + "=" + trimmed;
    target.values.insert_or_assign(std::string(key), trimmed);
    for (Line& line : target.lines)
    {
        if (!line.key.empty() && SameName(line.key, key))
        {
            line = {std::move(text), line.key, std::move(trimmed)};
            return;
        }
    }
    // New keys go after the section's last key, ahead of the blank lines that separate it.
    auto at = target.lines.end();
    while (at != target.lines.begin() && Trim((at - 1)->text).empty())
        --at;
    target.lines.insert(at, {std::move(text), std::string(key), std::move(trimmed)});
}

void IniFile::ClearSection(std::string_view section)
{
    Section& target = FindOrAdd(section);
    target.lines.clear();
    target.values.clear();
}

std::vector<std::string> IniFile::GetKeys(std::string_view section) const
{
    std::vector<std::string> keys;
    if (const Section* found = Find(section))
    {
        std::set<std::string, NoCaseLess> seen;
        for (const Line& line : found->lines)
            if (!line.key.empty() && seen.insert(line.key).second)
                keys.push_back(line.key);
    }
    return keys;
}

size_t IniFile::GetKeyCount(std::string_view section) const
{
    size_t count = 0;
    if (const Section* found = Find(section))
    {
        for (const Line& line : found->lines)
            count += line.key.empty() ? 0 : 1;
    }
    return count;
}
