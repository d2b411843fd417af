#pragma once
// The hints the loading screen shows while a level loads: the lines of "texts/<language>/tips.txt",
// one tip a line.
#include <filesystem>
#include <string>
#include <vector>

class LevelTips
{
public:
    // Longest tip kept, in bytes; longer lines are cut at a character boundary.
    static constexpr size_t MaxTipLength = 2047;
    // Lines shorter than this many characters are notes, not tips.
    static constexpr size_t MinTipCharacters = 9;
    // Only this much of a tips file is read.
    static constexpr size_t MaxFileSize = 1 << 20;

    // Reads the tips of the language from below `root` (the working folder). A missing file
    // gives no tips and is not created. Tips read before are kept.
    void Initialize(const char* language, const std::filesystem::path& root = ".");
    // A tip at random, or "" with none.
    const char* GetRandomTip() const;
    void ShutDown() { _tips.clear(); }

    size_t GetTipCount() const { return _tips.size(); }

private:
    void AddTip(std::string line);

    std::vector<std::string> _tips;
};
