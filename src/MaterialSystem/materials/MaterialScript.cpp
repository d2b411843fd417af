// Filling a material from the "Material" table of its script.
#include "MaterialSystem/materials/Material.h"

#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderLib.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/lua/StackGuard.h"
#include "foundation/lua/Table.h"
#include "foundation/lua/TableIterator.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec3.h"

#include <cstdint>
#include <vector>

namespace {

bool IsTable(int type) { return type == LUA_TYPE_TABLE || type == LUA_TYPE_ARRAY; }

std::string Quoted(const char* format, const char* name)
{
    std::string text = format;
    const size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, name ? name : "");
    return text;
}

// The numbers of an array of `count` members; false when one of them is not a number.
bool ReadNumbers(const Table& array, int count, float* out)
{
    for (int i = 1; i <= count; ++i)
    {
        if (!array.GetNumber(i, out[i - 1]))
            return false;
    }
    return true;
}

} // namespace

void Material::InitFromScript(const Table& table)
{
    Reset();
    if (table.IsValid())
    {
        ReadSurface(table);
        ReadFlags(table);
        ReadMaps(table);
        ReadParams(table);
        ReadShaderFlags(table);
        if (ReadTechnique(table))
            return;
    }
    else
    {
        AddError("WARNING: Technique for material is not specified");
    }
    BindDefaultShader();
}

void Material::ReadSurface(const Table& table)
{
    const int type = table.GetMemberType("Surface");
    if (type == LUA_TYPE_NIL)
        return;
    char surface[128];
    if (type != LUA_TYPE_STRING || !table.GetString("Surface", surface, sizeof(surface)))
    {
        AddError("SYNTAX_ERROR: Surface should be specified as <string>");
        return;
    }
    _surface = Name(surface);
}

void Material::ReadFlags(const Table& table)
{
    const int type = table.GetMemberType("Flags");
    if (type == LUA_TYPE_NIL)
        return;
    Table flags;
    if (!IsTable(type) || !table.GetTable("Flags", flags))
    {
        AddError("SYNTAX_ERROR: Material flags should be specified as <array>");
        return;
    }
    TableIterator it(flags);
    for (it.Begin(); it.End(); it.Next())
    {
        // NaN, infinities and numbers beyond a flag word are no flags either.
        const double value = it.GetVarType() == LUA_TYPE_NUMBER ? it.ToNumber() : -1.0;
        if (!(value >= 0.0 && value <= double(UINT32_MAX)))
        {
            AddError("SYNTAX_ERROR: One of material flags is not a number");
            continue;
        }
        _flags.RaiseFlag(static_cast<unsigned long>(value));
    }
}

void Material::ReadMaps(const Table& table)
{
    const int type = table.GetMemberType("Maps");
    if (type == LUA_TYPE_NIL)
        return;
    Table maps;
    if (!IsTable(type) || !table.GetTable("Maps", maps))
    {
        AddError("SYNTAX_ERROR: Material maps should be specified as <array>");
        return;
    }
    if (type == LUA_TYPE_ARRAY)
    {
        AddError("SYNTAX_ERROR: Material maps cannot be represented as <array>");
        return;
    }
    // Textures load other resources: collect first, walk the table once, then load.
    std::vector<std::pair<std::string, std::string>> files;
    TableIterator it(maps);
    for (it.Begin(); it.End(); it.Next())
    {
        const char* name = it.GetVarName();
        if (!name || it.GetVarType() != LUA_TYPE_STRING)
        {
            AddError("SYNTAX_ERROR: Material maps can be specified only as string parameters!");
            continue;
        }
        files.emplace_back(name, it.ToString());
    }
    TextureMgr* textures = _manager->GetTextureMgr();
    for (const auto& [name, file] : files)
    {
        Texture* texture = textures ? textures->CreateTextureFromFile(file.c_str()) : nullptr;
        AddTexture(name.c_str(), texture);
    }
}

void Material::ReadParams(const Table& table)
{
    const int type = table.GetMemberType("Params");
    if (type == LUA_TYPE_NIL)
        return;
    Table params;
    if (!IsTable(type) || !table.GetTable("Params", params))
    {
        AddError("SYNTAX_ERROR: Material params should be specified as <table>");
        return;
    }
    if (type == LUA_TYPE_ARRAY)
    {
        AddError("SYNTAX_ERROR: Material params cannot be represented as <array>");
        return;
    }
    TableIterator it(params);
    for (it.Begin(); it.End(); it.Next())
    {
        const char* name = it.GetVarName();
        if (!name)
            continue;
        const int valueType = it.GetVarType();
        if (valueType == LUA_TYPE_BOOLEAN)
        {
            AddInt(name, it.ToBool() ? 1 : 0);
            continue;
        }
        if (valueType == LUA_TYPE_NUMBER)
        {
            AddFloat(name, static_cast<float>(it.ToNumber()));
            continue;
        }
        if (valueType == LUA_TYPE_ARRAY)
        {
            const Table array = it.ToTable();
            const int count = array.GetArraySize();
            float values[4] = {};
            if (count == 4)
            {
                if (ReadNumbers(array, 4, values))
                {
                    AddColor(name, Color(values[0], values[1], values[2], values[3]));
                    continue;
                }
                AddError(Quoted("SYNTAX_ERROR: One of color components of \"%s\" is not a number", name));
            }
            else if (count == 3)
            {
                if (ReadNumbers(array, 3, values))
                {
                    AddVector(name, Vec3(values[0], values[1], values[2]));
                }
                else
                {
                    AddError(Quoted("SYNTAX_ERROR: One of vector components of \"%s\" is not a number", name));
                }
                continue;
            }
        }
        AddError(Quoted("SYNTAX_ERROR: Unknown parameter type \"%s\"", name));
    }
}

void Material::ReadShaderFlags(const Table& table)
{
    const int type = table.GetMemberType("ShaderFlags");
    if (type == LUA_TYPE_NIL)
        return;
    Table flags;
    if (!IsTable(type) || !table.GetTable("ShaderFlags", flags))
    {
        AddError("SYNTAX_ERROR: Shader flags should be specified as <array>");
        return;
    }
    if (flags.GetArraySize() <= 0)
    {
        AddError("SYNTAX_ERROR: Material shader flags should be represented as <array>");
        return;
    }
    std::vector<std::string> names;
    TableIterator it(flags);
    for (it.Begin(); it.End(); it.Next())
    {
        if (it.GetVarType() != LUA_TYPE_STRING)
        {
            AddError("SYNTAX_ERROR: One of material shader flags is not a string");
            continue;
        }
        names.emplace_back(it.ToString());
    }
    for (const std::string& name : names)
        AddShaderUsageFlag(name.c_str());
}

bool Material::ReadTechnique(const Table& table)
{
    const int type = table.GetMemberType("Technique");
    if (type == LUA_TYPE_NIL)
    {
        AddError("WARNING: Technique for material is not specified");
        return false;
    }
    char name[ShaderNameSize];
    if (type != LUA_TYPE_STRING || !table.GetString("Technique", name, sizeof(name)))
    {
        AddError("SYNTAX_ERROR: Technique should be specified as <string>");
        return false;
    }
    _shaderName = name;
    const eShaderType shaderType = Shader::ShaderTypeFromName(name);
    if (shaderType != SHADER_TYPE_MATERIAL && shaderType != SHADER_TYPE_BUILTIN)
    {
        AddError(Quoted("LOOKUP_ERROR: Shader \"%s\" is not a material shader. Use proxy shader", name));
        return false;
    }
    Shader* shader = ShaderLib::GetInstance()->FindOptimalShader(name, _usageFlags.get());
    if (!shader || shader == reinterpret_cast<Shader*>(INVALID_RES_HANDLE))
    {
        AddError(Quoted("LOOKUP_ERROR: Shader \"%s\" not found in ShaderLib", name));
        return false;
    }
    BindShader(shader, BIND_RESOLVE);
    return true;
}
