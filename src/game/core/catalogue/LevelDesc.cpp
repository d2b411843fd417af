#include "game/core/catalogue/LevelDesc.h"

#include "game/core/FixedText.h"

LevelDesc::LevelDesc(const char* name, const char* filename, const char* filedesc, const char* filelogic,
                     const char* preview, int type, int price, const char* race, const char* desc, const char* fullDesc,
                     const char* message, bool available, const char* from, const char* location, int maxPirates)
    : _available(available), _type(type), _price(price), _maxPirates(maxPirates)
{
    SetName(name);
    SetFilename(filename);
    SetFiledesc(filedesc);
    SetFilelogic(filelogic);
    SetPreview(preview);
    SetRace(race);
    SetDesc(desc);
    SetFullDesc(fullDesc);
    SetMessage(message);
    SetFrom(from);
    SetLocation(location);
}

void LevelDesc::SetName(const char* text) { CopyFixedText(_name, text); }
void LevelDesc::SetFilename(const char* text) { CopyFixedText(_filename, text); }
void LevelDesc::SetFiledesc(const char* text) { CopyFixedText(_filedesc, text); }
void LevelDesc::SetFilelogic(const char* text) { CopyFixedText(_filelogic, text); }
void LevelDesc::SetPreview(const char* text) { CopyFixedText(_preview, text); }
void LevelDesc::SetRace(const char* text) { CopyFixedText(_race, text); }
void LevelDesc::SetDesc(const char* text) { CopyFixedText(_desc, text); }
void LevelDesc::SetFullDesc(const char* text) { CopyFixedText(_fullDesc, text); }
void LevelDesc::SetMessage(const char* text) { CopyFixedText(_message, text); }
void LevelDesc::SetFrom(const char* text) { CopyFixedText(_from, text); }
void LevelDesc::SetLocation(const char* text) { CopyFixedText(_location, text); }
