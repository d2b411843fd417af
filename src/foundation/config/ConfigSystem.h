#pragma once
#include <list>
#include <memory>
#include <string>
#include <vector>

class Dumper;
class ISettings;
class Name;
class Table;
class VirtualMachine;

// Owns the data-language machine in which the settings sheets live as global tables,
// runs configuration scripts into them and writes them back as a script.
// It must outlive its sheets; sheets still registered when it goes are detached.
class ConfigSystem
{
public:
    ConfigSystem(Dumper* dumper, const char* constantsPath);
    ConfigSystem(const ConfigSystem&) = delete;
    ConfigSystem& operator=(const ConfigSystem&) = delete;
    ~ConfigSystem();

    // Runs the script, then every sheet reads its members back. False when the script
    // is missing or broken (the sheets keep their values) or no sheet is registered.
    bool ExecFile(const char* path);
    // Writes every sheet, in registration order, as assignments of the data language.
    bool WriteFile(const char* path);

    // Walk over the sheets in registration order: End is true while on a sheet.
    void Begin();
    bool End() const;
    void Next();
    ISettings* Current() const;

    // No dialogs on this platform.
    bool SpawnConfigurationDialog() { return false; }
    int SpawnAdapterSelectionDialog(Name*, int, bool&) { return 0; }

private:
    friend class ISettings;
    struct Member; // one member of a table being written

    void RegisterSettings(ISettings* sheet);
    void UnregisterSettings(ISettings* sheet);
    void RestoreSheetGlobals(const char* path);
    void WriteTable(std::string& out, const Table& table, const std::string& prefix, int depth);
    bool WriteMember(std::string& out, const Member& member, int depth);
    void WriteArray(std::string& out, const Table& table, int depth);
    static std::vector<Member> Gather(const Table& table);
    Dumper& Log() const;

    std::unique_ptr<VirtualMachine> _vm;
    Dumper* _dumper;
    std::list<ISettings*> _sheets;
    std::list<ISettings*>::iterator _cursor;
};
