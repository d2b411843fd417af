#pragma once
// The words the HUD's pictures show in one language: the game's own texts of the HUD's codes,
// read from "texts/<language>/ui_common.txt" of the data folder, so that the pictures and the
// movies say the same.
#include <filesystem>
#include <map>
#include <string>

class HudWords
{
public:
    // Reads the language's file; a missing file leaves the words empty.
    HudWords(const std::filesystem::path& data, const std::string& language);

    const std::string& Language() const { return _language; }
    // The text of the code; the code itself, said on standard error, when the file lacks it.
    std::string operator()(const std::string& code) const;
    // Whether a code asked for was missing.
    bool HasMissing() const { return _missing; }

private:
    std::string _language;
    std::map<std::string, std::string> _words;
    mutable bool _missing = false;
};
