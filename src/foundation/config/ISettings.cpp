#include "foundation/config/ISettings.h"

#include <string>

#include "foundation/base/Dumper.h"
#include "foundation/config/ConfigSystem.h"
#include "foundation/lua/VirtualMachine.h"

ISettings::ISettings(Name sheet, ConfigSystem* master) : _master(master), _sheetName(sheet)
{
    if (!_master)
        return;
    _master->RegisterSettings(this);
    _sheet = _vm->CreateNewTable();
    _sheet.SetGlobalName(_sheetName);
}

ISettings::~ISettings()
{
    if (MainConsole)
        for (const auto& [name, variable] : _consoleVariables)
            MainConsole->RemoveCommand(name, variable);
    if (!_master)
        return;
    _sheet.RemGlobalName(_sheetName);
    _master->UnregisterSettings(this);
}

void ISettings::Read(const char* key, bool& value) { _sheet.GetBool(key, value); }

void ISettings::Read(const char* key, int& value) { _sheet.GetNumber(key, value); }

void ISettings::Read(const char* key, unsigned int& value) { _sheet.GetNumber(key, value); }

void ISettings::Read(const char* key, float& value) { _sheet.GetNumber(key, value); }

void ISettings::Read(const char* key, char* text, size_t size) { _sheet.GetString(key, text, size); }

void ISettings::Write(const char* key, bool value) { _sheet.SetBool(key, value); }

void ISettings::Write(const char* key, int value) { _sheet.SetNumber(key, value); }

void ISettings::Write(const char* key, unsigned int value) { _sheet.SetNumber(key, value); }

void ISettings::Write(const char* key, float value) { _sheet.SetNumber(key, value); }

void ISettings::Write(const char* key, const char* text) { _sheet.SetString(key, text); }

void ISettings::AddConsoleVariable(const char* name, eCommandType type, void* variable)
{
    if (!MainConsole)
        return;
    std::string command = name;
    if (MainConsole->AddCommand(command, type, variable))
        _consoleVariables.emplace_back(command, variable);
}

void ISettings::Clamp(const char* key, int& value, int low, int high)
{
    int clamped = value < low ? low : value > high ? high : value;
    if (clamped == value)
        return;
    Dumper& log = _master ? _master->Log() : Dumper::Instance();
    log.Print(DUMP_WARNING, "Setting %s.%s = %d is out of range %d..%d, using %d\n", _sheetName.Str(), key, value, low,
              high, clamped);
    value = clamped;
}
