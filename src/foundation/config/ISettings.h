#pragma once
#include "foundation/base/Console.h"
#include "foundation/base/Name.h"
#include "foundation/lua/Table.h"

#include <string>
#include <utility>
#include <vector>

class ConfigSystem;
class VirtualMachine;

// A settings sheet: typed members mirrored in one table of the configuration system's
// machine, a global named after the sheet that "config.cfg" assigns to.
class ISettings
{
public:
    ISettings(Name sheet, ConfigSystem* master);
    ISettings(const ISettings&) = delete;
    ISettings& operator=(const ISettings&) = delete;
    virtual ~ISettings();

    // Table members of the right type replace the typed members; then the rules apply.
    virtual void ReadSheetParams() = 0;
    // Every typed member goes into the table.
    virtual void WriteSheetParams() = 0;

    Table GetSheet() const { return _sheet; }
    Name GetSheetName() const { return _sheetName; }
    ConfigSystem* GetMaster() const { return _master; }

protected:
    // Each leaves the value unchanged when the member is missing or of another type.
    void Read(const char* key, bool& value);
    void Read(const char* key, int& value);
    void Read(const char* key, unsigned int& value);
    void Read(const char* key, float& value);
    void Read(const char* key, char* text, size_t size);

    void Write(const char* key, bool value);
    void Write(const char* key, int value);
    void Write(const char* key, unsigned int value);
    void Write(const char* key, float value);
    void Write(const char* key, const char* text);

    // The first sheet to register a console variable keeps it; the sheet removes its own when
    // it is destroyed, so the console never points into a freed sheet.
    void AddConsoleVariable(const char* name, eCommandType type, void* variable);

    // Keeps value within [low, high], logging a warning that names the key when it was not.
    void Clamp(const char* key, int& value, int low, int high);

private:
    friend class ConfigSystem;

    VirtualMachine* _vm = nullptr;
    ConfigSystem* _master;
    Table _sheet;
    Name _sheetName;
    std::vector<std::pair<std::string, void*>> _consoleVariables;
};
