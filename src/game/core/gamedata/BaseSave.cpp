// Writing the database back as game-data files.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <type_traits>

#include "foundation/base/Dumper.h"
#include "foundation/base/Path.h"
#include "game/core/gamedata/Base.h"
#include "game/core/gamedata/RecordFields.h"

namespace {
// "%f" or "%.0f", whatever the process's locale.
void AppendFloat(std::string& out, float value, int decimals)
{
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value), std::chars_format::fixed, decimals);
    out.append(buffer, result.ptr);
}

// A string literal of the data language that reads back as the text.
void AppendQuoted(std::string& out, const char* text)
{
    out += '"';
    for (const char* c = text; *c; ++c)
    {
        unsigned char byte = static_cast<unsigned char>(*c);
        if (byte == '"' || byte == '\\')
            (out += '\\') += *c;
        else if (byte == '\n')
            out += "\\n";
        else if (byte < 0x20 || byte == 0x7f)
        {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03u", byte);
            out += escape;
        }
        else
            out += *c;
    }
    out += '"';
}

template <class Record>
void AppendRecord(std::string& out, const char* table, int element, const Record& record)
{
    out += table;
    out += ".el_" + std::to_string(element) + " = \n{\n\t-- main\n";
    for (const RecordField<Record>& field : RecordFields<Record>())
    {
        if (field.write == FIELD_WRITE_NEVER)
            continue;
        out += '\t';
        out += field.key;
        out.append(static_cast<size_t>(field.tabs), '\t');
        out += "= ";
        std::visit(
            [&](auto member) {
                const auto& value = record.*member;
                using Value = std::remove_cvref_t<decltype(value)>;
                if constexpr (std::is_same_v<Value, float>)
                    AppendFloat(out, value, field.write == FIELD_WRITE_ROUNDED ? 0 : 6);
                else if constexpr (std::is_same_v<Value, int>)
                    out += std::to_string(value);
                else
                    AppendQuoted(out, value);
            },
            field.member);
        out += ";\n";
    }
    out += "};\n\n";
}

// Every record with a name that `select` accepts, numbered by its place in the whole collection.
template <class Record, class Select>
std::string Collection(const char* table, const RecordList<Record>& list, Select select)
{
    std::string out;
    for (int i = 0; i < list.Count(); ++i)
    {
        const Record& record = *list.ByIndex(i);
        if (record.name[0] && select(record))
            AppendRecord(out, table, i, record);
    }
    return out;
}

template <class Record>
std::string Collection(const char* table, const RecordList<Record>& list)
{
    return Collection(table, list, [](const Record&) { return true; });
}

// Replaces the file only once the new one is complete.
bool WriteFile(const char* path, const std::string& text, Dumper& dumper)
{
    std::filesystem::path target = ResolvePath(path);
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << text;
        if (file.flush(); file)
        {
            file.close();
            std::error_code error;
            std::filesystem::rename(temporary, target, error);
            if (!error)
                return true;
        }
    }
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    dumper.Print(DUMP_ERROR, "Failed to write game data \"%s\"\n", target.c_str());
    return false;
}
} // namespace

bool Base::Save() const
{
    auto playerIs = [](float player) { return [player](const WeaponType& w) { return w.player == player; }; };
    bool written = WriteFile("gamedata\\ships.lua", Collection("Ships", _ships), *_dumper);
    written &= WriteFile("gamedata\\weapons.lua", Collection("Weapons", _weapons, playerIs(0)), *_dumper);
    written &= WriteFile("gamedata\\weapons_player.lua", Collection("Weapons", _weapons, playerIs(1)), *_dumper);
    written &= WriteFile("gamedata\\devices.lua", Collection("Devices", _devices), *_dumper);
    written &= WriteFile("gamedata\\objects.lua", Collection("Objects", _objects), *_dumper);
    written &= WriteFile("gamedata\\parts.lua", Collection("Parts", _parts), *_dumper);
    written &= WriteFile("gamedata\\npcs.lua", Collection("Npcs", _npcs), *_dumper);
    return written;
}
