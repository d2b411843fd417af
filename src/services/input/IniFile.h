#pragma once

#include <cstddef>
#include <string>
#include <map>
#include <string_view>
#include <vector>

// An INI file ("[Section]", "key=value", ";" comments) read into memory and written back
// whole. Section and key names compare without case, values are trimmed and cut to 255
// characters, CRLF line ends are accepted. Lines it does not change, including sections and
// comments it knows nothing of, are written back as they were, in their order.
class IniFile
{
public:
    static constexpr size_t MaxValue = 255;
    static constexpr size_t MaxFileSize = 1 << 20;
    // Malformed lines logged one by one per load; the rest are counted in one line.
    static constexpr int MaxReportedLines = 8;

    // Replaces the contents with the file. A missing file gives an empty one and false;
    // malformed lines are kept as text, logged, and never match a key.
    bool Load(const std::string& path);
    // Writes through a temporary file renamed over the old one; false (logged) on failure.
    bool Save(const std::string& path) const;

    // The value, or `defaultText` when the section or key is missing.
    std::string GetString(std::string_view section, std::string_view key, std::string_view defaultText) const;
    // Replaces the first matching key's value or appends the key to the section, creating the
    // section at the end when needed.
    void SetString(std::string_view section, std::string_view key, std::string_view value);
    // Removes every line of the section but its header; creates it when missing.
    void ClearSection(std::string_view section);
    // The number of keys the section holds (0 when missing).
    size_t GetKeyCount(std::string_view section) const;
    // The section's distinct keys as first written, in file order (none when missing).
    std::vector<std::string> GetKeys(std::string_view section) const;

private:
    struct Line
    {
        std::string text; // as written in the file
        std::string key;  // empty for comments, blank and malformed lines
        std::string value;
    };
    struct NoCaseLess
    {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    struct Section
    {
        std::string name;
        std::string header; // empty for the lines before the first header
        std::vector<Line> lines;
        // The value of each key's first line, so lookups stay fast in long sections.
        std::map<std::string, std::string, NoCaseLess> values;
    };

    const Section* Find(std::string_view name) const;
    Section* Find(std::string_view name);
    Section& FindOrAdd(std::string_view name);
    void Parse(const std::string& text, const std::string& source);

    std::vector<Section> _sections;
};
