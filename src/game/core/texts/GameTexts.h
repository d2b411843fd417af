#pragma once
// The localised texts of the screens: pairs of a code and a text, read from the texts files of
// one language ("texts/<language>/<file>"). The first text read for a code stays.
//
// A texts file is a run of entries "code=text<end>". Blanks and line breaks in a code are
// dropped; the text keeps everything up to the marker. Codes hold at most 255 characters and
// texts 4090 (4095 with the marker); longer ones are cut with a logged warning.
#include <map>
#include <string>

class GameTexts
{
public:
    void Initialize() {}
    // False, with a logged warning, when the file cannot be opened.
    bool LoadTextsFromFile(const char* language, const char* file);
    // The text of the code, or the code itself when there is none. The text stays valid as long
    // as this object lives.
    const char* GetTextByCode(const char* code) const;
    // The texts stay until the object is destroyed, so that texts handed out stay valid.
    void ClearAllTexts() {}
    void ShutDown() { ClearAllTexts(); }

private:
    std::map<std::string, std::string, std::less<>> _texts;
};
