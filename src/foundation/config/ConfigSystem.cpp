#include "foundation/config/ConfigSystem.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

#include "foundation/base/DataStream.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Path.h"
#include "foundation/config/ISettings.h"
#include "foundation/lua/DataToken.h"
#include "foundation/lua/LuaTypes.h"
#include "foundation/lua/Table.h"
#include "foundation/lua/TableIterator.h"
#include "foundation/lua/VirtualMachine.h"

namespace {
// Nested tables deeper than this (or cycles) are not written.
constexpr int MAX_DEPTH = 16;

// Two decimals, whatever the process locale.
std::string FormatNumber(double value)
{
    char text[64];
    auto result = std::to_chars(text, text + sizeof(text), value, std::chars_format::fixed, 2);
    if (result.ec != std::errc())
        return "0.00";
    return std::string(text, result.ptr);
}

// A single-quoted literal the data language reads back to the same bytes.
std::string QuoteString(const std::string& text)
{
    std::string out = "'";
    for (unsigned char c : text)
    {
        switch (c)
        {
        case '\\': out += "\\\\"; break;
        case '\'': out += "\\'"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7f)
            {
                char escape[8];
                std::snprintf(escape, sizeof(escape), "\\%03u", static_cast<unsigned>(c));
                out += escape;
            }
            else
            {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "'";
}

// Any number the data language reads back to the same value.
std::string FormatKeyNumber(double value)
{
    char text[64];
    auto result = std::to_chars(text, text + sizeof(text), value);
    return std::string(text, result.ptr);
}

// A key that can stand bare: a name of the data language that is not one of its reserved words.
bool IsIdentifier(const std::string& key)
{
    if (key.empty() || (key[0] >= '0' && key[0] <= '9'))
        return false;
    for (char c : key)
    {
        bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
        if (!letter && !(c >= '0' && c <= '9'))
            return false;
    }
    return !IsDataReservedWord(key);
}
} // namespace

struct ConfigSystem::Member
{
    int keyType = LUA_TYPE_STRING;
    std::string key;      // a string key
    double keyNumber = 0; // a number key
    bool keyBool = false; // a boolean key
    int type = 0;
    bool boolean = false;
    double number = 0;
    std::string text;
    Table table;

    // The position of a whole-number key in a list, else 0.
    int Position() const
    {
        if (keyType != LUA_TYPE_NUMBER || keyNumber < 1 || keyNumber > 2147483647.0 ||
            keyNumber != std::floor(keyNumber))
            return 0;
        return static_cast<int>(keyNumber);
    }

    // A key that the data language cannot write (an infinite number) is "".
    std::string Bracketed() const
    {
        switch (keyType)
        {
        case LUA_TYPE_STRING: return "[" + QuoteString(key) + "]";
        case LUA_TYPE_BOOLEAN: return keyBool ? "[true]" : "[false]";
        case LUA_TYPE_NUMBER: return std::isfinite(keyNumber) ? "[" + FormatKeyNumber(keyNumber) + "]" : "";
        default: return "";
        }
    }

    // How the member is addressed: after a prefix (sheet.key) or inside a constructor.
    std::string KeyText(const std::string& prefix) const
    {
        if (keyType == LUA_TYPE_STRING && IsIdentifier(key))
            return prefix.empty() ? key : prefix + "." + key;
        std::string bracketed = Bracketed();
        return bracketed.empty() ? "" : prefix + bracketed;
    }
};

ConfigSystem::ConfigSystem(Dumper* dumper, const char* constantsPath)
    : _vm(std::make_unique<VirtualMachine>()), _dumper(dumper), _cursor(_sheets.end())
{
    if (!constantsPath)
    {
        Log().Print(DUMP_WARNING, "ConfigSystem constants are not specified!\n");
        return;
    }
    // The constants' globals stay for the scripts that follow.
    if (_vm->ExecFile(ResolvePath(constantsPath).c_str()) == 0)
        Log().Print(DUMP_STARTUP, "ConfigSystem constants successfully initialized\n");
    else
        Log().Print(DUMP_ERROR, "File \"%s\" is not a proper ConfigSystem constants descriptor!\n", constantsPath);
}

ConfigSystem::~ConfigSystem()
{
    // Sheets that outlive the system let go of its machine before it goes.
    for (ISettings* sheet : _sheets)
    {
        sheet->_sheet.Invalidate();
        sheet->_vm = nullptr;
        sheet->_master = nullptr;
    }
    _sheets.clear();
    _vm.reset();
    Log().Print(DUMP_SHUTDOWN, "ConfigSystem destroyed\n");
}

Dumper& ConfigSystem::Log() const { return _dumper ? *_dumper : Dumper::Instance(); }

void ConfigSystem::RegisterSettings(ISettings* sheet)
{
    _sheets.push_back(sheet);
    sheet->_vm = _vm.get();
    Log().Print(DUMP_STARTUP, "New settings registered: <%s>\n", sheet->GetSheetName().Str());
}

void ConfigSystem::UnregisterSettings(ISettings* sheet)
{
    for (auto it = _sheets.begin(); it != _sheets.end(); ++it)
    {
        if (*it != sheet)
            continue;
        if (_cursor == it)
            ++_cursor;
        _sheets.erase(it);
        Log().Print(DUMP_SHUTDOWN, "Settings unregistered: <%s>\n", sheet->GetSheetName().Str());
        return;
    }
}

void ConfigSystem::Begin() { _cursor = _sheets.begin(); }

bool ConfigSystem::End() const { return _cursor != _sheets.end(); }

void ConfigSystem::Next()
{
    if (_cursor != _sheets.end())
        ++_cursor;
}

ISettings* ConfigSystem::Current() const { return _cursor != _sheets.end() ? *_cursor : nullptr; }

bool ConfigSystem::ExecFile(const char* path)
{
    if (!path)
        return false;
    Log().Print(DUMP_SYSTEM, "Executing config file \"%s\"...\n", path);
    if (_sheets.empty())
    {
        Log().Print(DUMP_ERROR, "No registered settings detected, config execution aborted\n");
        return false;
    }
    int status = _vm->ExecFile(ResolvePath(path).c_str());
    RestoreSheetGlobals(path);
    if (status != 0)
    {
        Log().Print(DUMP_WARNING, "Config file \"%s\" was not found! Execution aborted\n", path);
        return false;
    }
    for (ISettings* sheet : _sheets)
        sheet->ReadSheetParams();
    Log().Print(DUMP_SYSTEM, "Config file \"%s\" was successfully executed\n", path);
    return true;
}

// A script that assigns a sheet's global itself ("Sound = 2") would leave every later script
// without the sheet; the sheet's own table is put back.
void ConfigSystem::RestoreSheetGlobals(const char* path)
{
    for (ISettings* sheet : _sheets)
    {
        const char* name = sheet->GetSheetName().Str();
        if (!sheet->_sheet.IsValid())
            continue;
        int top = _vm->GetTop();
        _vm->GetGlobal(name);
        _vm->PushTable(sheet->_sheet.GetRef());
        bool kept = _vm->IsEqual(-1, -2);
        _vm->SetTop(top);
        if (kept)
            continue;
        Log().Print(DUMP_WARNING, "Config file \"%s\" replaced the sheet \"%s\"; the sheet is kept\n", path, name);
        sheet->_sheet.SetGlobalName(sheet->GetSheetName());
    }
}

bool ConfigSystem::WriteFile(const char* path)
{
    if (!path)
        return false;
    std::string text = "-- This config file is generated by engine\n";
    for (ISettings* sheet : _sheets)
    {
        sheet->WriteSheetParams();
        text += "\n";
        WriteTable(text, sheet->GetSheet(), sheet->GetSheetName().Str(), 0);
    }

    FileStream file;
    if (!file.Open(path, FileStream::OPEN_WRITE))
        return false;
    bool written = file.WriteData(text.data(), static_cast<unsigned>(text.size())) == text.size();
    file.Close();
    if (!written)
    {
        Log().Print(DUMP_ERROR, "Config file \"%s\" could not be written completely\n", path);
        return false;
    }
    Log().Print(DUMP_SYSTEM, "New system-generated config file \"%s\" successfully created\n", path);
    return true;
}

void ConfigSystem::WriteTable(std::string& out, const Table& table, const std::string& prefix, int depth)
{
    for (const Member& member : Gather(table))
    {
        std::string value;
        if (member.KeyText("").empty())
        {
            Log().Print(DUMP_WARNING, "Config member with a key that cannot be written, not written\n");
            continue;
        }
        if (!WriteMember(value, member, depth))
            continue;
        out += prefix.empty() ? "\t" + member.KeyText("") : member.KeyText(prefix);
        out += " = " + value + ";\n";
    }
}

bool ConfigSystem::WriteMember(std::string& out, const Member& member, int depth)
{
    switch (member.type)
    {
    case LUA_TYPE_BOOLEAN: out += member.boolean ? "true" : "false"; return true;
    case LUA_TYPE_NUMBER:
        // "inf" would read back as nil and "-inf" as a script error that loses every setting.
        if (!std::isfinite(member.number))
        {
            Log().Print(DUMP_WARNING, "Config member \"%s\" is not a finite number, not written\n",
                        member.KeyText("").c_str());
            return false;
        }
        out += FormatNumber(member.number);
        return true;
    case LUA_TYPE_STRING: out += QuoteString(member.text); return true;
    case LUA_TYPE_TABLE:
    case LUA_TYPE_ARRAY:
        if (depth >= MAX_DEPTH)
        {
            Log().Print(DUMP_WARNING, "Config table nested too deeply, member \"%s\" not written\n",
                        member.KeyText("").c_str());
            return false;
        }
        if (member.type == LUA_TYPE_TABLE)
        {
            out += "{\n";
            WriteTable(out, member.table, "", depth + 1);
            out += "}";
        }
        else
        {
            out += "{";
            WriteArray(out, member.table, depth + 1);
            out += "}";
        }
        return true;
    default:
        // Functions and user data cannot be written back; leaving the line out keeps the file readable.
        return false;
    }
}

void ConfigSystem::WriteArray(std::string& out, const Table& table, int depth)
{
    std::vector<Member> members = Gather(table);
    int count = table.GetArraySize();
    std::map<int, const Member*> positional;
    for (const Member& member : members)
        if (member.Position() >= 1 && member.Position() <= count)
            positional.emplace(member.Position(), &member);

    std::vector<std::string> items;
    for (int i = 1; i <= count; ++i)
    {
        auto it = positional.find(i);
        std::string value;
        if (it == positional.end() || !WriteMember(value, *it->second, depth))
            value = "nil";
        items.push_back(value);
    }
    // Members beyond the list part keep their keys.
    for (const Member& member : members)
    {
        if (member.Position() >= 1 && member.Position() <= count)
            continue;
        std::string value;
        if (member.KeyText("").empty())
            Log().Print(DUMP_WARNING, "Config member with a key that cannot be written, not written\n");
        else if (WriteMember(value, member, depth))
            items.push_back(member.KeyText("") + " = " + value);
    }
    for (size_t i = 0; i < items.size(); ++i)
        out += (i ? ", " : "") + items[i];
}

std::vector<ConfigSystem::Member> ConfigSystem::Gather(const Table& table)
{
    std::vector<Member> members;
    if (!table.IsValid())
        return members;
    TableIterator it(table);
    for (it.Begin(); it.End(); it.Next())
    {
        Member member;
        member.keyType = it.GetKeyType();
        if (const char* name = it.GetVarName())
            member.key = name;
        member.keyNumber = it.GetKeyNumber();
        member.keyBool = it.GetKeyBool();
        member.type = it.GetVarType();
        switch (member.type)
        {
        case LUA_TYPE_BOOLEAN: member.boolean = it.ToBool(); break;
        case LUA_TYPE_NUMBER: member.number = it.ToNumber(); break;
        case LUA_TYPE_STRING: member.text = it.ToString(); break;
        case LUA_TYPE_TABLE:
        case LUA_TYPE_ARRAY: member.table = it.ToTable(); break;
        default: break;
        }
        members.push_back(std::move(member));
    }
    return members;
}
