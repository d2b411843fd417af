#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

// Builds the translated source as the original text with patches: a patch replaces a span of
// the source (or inserts at a point) with text that never adds or removes a line break, so
// every token stays on its line and run-time errors name the data file's own lines.
class SourceWriter
{
public:
    SourceWriter(const char* begin, const char* end) : _begin(begin), _end(end)
    {
        _patches.reserve(static_cast<size_t>(end - begin) / 64 + 16);
    }

    void Replace(const char* from, const char* to, std::string_view text) { _patches.push_back({from, to, text}); }
    void Insert(const char* at, std::string_view text) { _patches.push_back({at, at, text}); }
    // As Replace, with text the writer keeps.
    void ReplaceOwned(const char* from, const char* to, std::string text);

    // A string constant spanning `lineBreaks` line breaks of the source, in a form the target
    // language reads back to the same contents.
    void ReplaceString(const char* from, const char* to, std::string_view contents, bool longString,
                       bool skippedNewline, int lineBreaks);

    // Applies the patches in source order and writes `prefix` and the result.
    void Finish(std::string_view prefix, std::string& out);

private:
    struct Patch
    {
        const char* from;
        const char* to;
        std::string_view text;
    };

    const char* _begin;
    const char* _end;
    std::vector<Patch> _patches;
    std::deque<std::string> _texts;
};
