#include "MaterialSystem/shaders/ShaderUsageFlags.h"

#include <algorithm>
#include <cstring>

bool ShaderUsageFlags::Contains(const char* name) const
{
    return name && std::find(_names.begin(), _names.end(), name) != _names.end();
}

bool ShaderUsageFlags::Add(const char* name)
{
    if (!name || !*name || std::strchr(name, '|') || Contains(name))
        return false;
    const size_t length = std::strlen(name);
    if (_text.size() + (_text.empty() ? 0 : 1) + length > MaxTextLength)
        return false;
    _names.emplace_back(name);
    _longest = std::max(_longest, static_cast<unsigned>(length));
    Rebuild();
    return true;
}

bool ShaderUsageFlags::Remove(const char* name)
{
    const auto it = name ? std::find(_names.begin(), _names.end(), name) : _names.end();
    if (it == _names.end())
        return false;
    _names.erase(it);
    Rebuild();
    return true;
}

void ShaderUsageFlags::Clear()
{
    _names.clear();
    _longest = 0;
    Rebuild();
}

void ShaderUsageFlags::Rebuild()
{
    _text.clear();
    for (const std::string& n : _names)
    {
        if (!_text.empty())
            _text += '|';
        _text += n;
    }
    _macros.clear();
    _macrosValid = false;
}

const std::vector<fx::Macro>& ShaderUsageFlags::CompileMacroSet()
{
    if (!_macrosValid)
    {
        _macros.clear();
        for (const std::string& n : _names)
            _macros.push_back({n, "1"});
        _macrosValid = true;
    }
    return _macros;
}
