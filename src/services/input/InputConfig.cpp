#include "services/input/InputConfig.h"

#include "foundation/base/Dumper.h"
#include "foundation/base/Path.h"
#include "services/input/IniFile.h"
#include "services/input/InputCodes.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace {

struct SectionInfo
{
    const char* name;
    unsigned long device;
    bool axes;
};

// The order in which the sections are read.
constexpr SectionInfo kLoadOrder[] = {
    {"Keyboard", INPUT_KEYBOARD, false}, {"Mouse", INPUT_MOUSE, false},          {"MouseAxis", INPUT_MOUSE, true},
    {"Joystick", INPUT_JOYSTICK, false}, {"JoystickAxis", INPUT_JOYSTICK, true},
};

bool CopyName(const std::string& name, char* out, size_t outSize)
{
    if (out && outSize > 0)
        std::snprintf(out, outSize, "%s", name.c_str());
    return true;
}

bool FindByValue(const std::map<std::string, uint32_t>& map, unsigned long value, char* out, size_t outSize)
{
    for (const auto& [name, bound] : map)
    {
        if (bound == value)
            return CopyName(name, out, outSize);
    }
    return false;
}

// Decimal text as the C library reads it: leading digits only, 0 when there are none.
int ToInt(const std::string& text)
{
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

std::string ValueKey(int index) { return "Value" + std::to_string(index); }

// One past the highest n of the section's "Value<n>" keys: entries beyond it can only read as
// missing, so a huge "Count" costs nothing.
int ValueKeyBound(const IniFile& ini, const char* section)
{
    int bound = 0;
    for (const std::string& key : ini.GetKeys(section))
    {
        if (key.size() < 6 || strncasecmp(key.c_str(), "Value", 5) != 0)
            continue;
        const int n = ToInt(key.substr(5));
        if (n >= 0 && n < INT_MAX && strcasecmp(ValueKey(n).c_str(), key.c_str()) == 0)
            bound = std::max(bound, n + 1);
    }
    return bound;
}

} // namespace

InputConfig::ButtonMap& InputConfig::Buttons(unsigned long device)
{
    return device == INPUT_MOUSE ? _mouse : device == INPUT_JOYSTICK ? _joystick : _keyboard;
}

const InputConfig::ButtonMap& InputConfig::Buttons(unsigned long device) const
{
    return device == INPUT_MOUSE ? _mouse : device == INPUT_JOYSTICK ? _joystick : _keyboard;
}

InputConfig::AxisMap& InputConfig::Axes(unsigned long device)
{
    return device == INPUT_JOYSTICK ? _joystickAxes : _mouseAxes;
}

const InputConfig::AxisMap& InputConfig::Axes(unsigned long device) const
{
    return device == INPUT_JOYSTICK ? _joystickAxes : _mouseAxes;
}

unsigned long InputConfig::GetButtonEvent(unsigned long device, const char* action) const
{
    if (!action)
        return INPUT_NO_CODE;
    const ButtonMap& map = Buttons(device);
    const auto it = map.find(action);
    return it == map.end() ? INPUT_NO_CODE : it->second;
}

void InputConfig::SetButtonEvent(unsigned long device, const char* action, unsigned long code)
{
    if (action)
        Buttons(device)[action] = static_cast<uint32_t>(code);
}

bool InputConfig::DeleteButtonEvent(unsigned long device, const char* action)
{
    return action && Buttons(device).erase(action) > 0;
}

bool InputConfig::IsUsed(unsigned long device, char* action, size_t actionSize, unsigned long code) const
{
    return FindByValue(Buttons(device), code, action, actionSize);
}

bool InputConfig::GetAxisEvent(unsigned long device, const char* action, unsigned long& axis) const
{
    axis = 0;
    if (!action)
        return false;
    const AxisMap& map = Axes(device);
    const auto it = map.find(action);
    if (it == map.end())
        return false;
    axis = it->second;
    return true;
}

void InputConfig::SetAxisEvent(unsigned long device, const char* action, unsigned long axis)
{
    if (action)
        Axes(device)[action] = static_cast<uint32_t>(axis);
}

void InputConfig::DeleteAxisEvent(unsigned long device, const char* action)
{
    if (action)
        Axes(device).erase(action);
}

bool InputConfig::IsAxisUsed(unsigned long device, char* action, size_t actionSize, unsigned long axis) const
{
    return FindByValue(Axes(device), axis, action, actionSize);
}

bool InputConfig::LoadConfig(const char* file)
{
    if (!file)
        return false;
    const std::string path = ResolvePath(file);
    IniFile ini;
    if (!ini.Load(path))
    {
        // A missing file reads as empty: no binding is added and the dead zone is 0.
        _deadZone = 0;
        Dumper::Instance().Print(DUMP_WARNING, "Input bindings \"%s\" not found; keeping the defaults\n", path.c_str());
        return false;
    }
    int skipped = 0;
    for (const SectionInfo& section : kLoadOrder)
    {
        const int written = ToInt(ini.GetString(section.name, "Count", "0"));
        const int count = std::min(written, ValueKeyBound(ini, section.name));
        if (written > count)
            Dumper::Instance().Print(DUMP_WARNING, "%s: [%s] Count=%d but the last entry is number %d\n", path.c_str(),
                                     section.name, written, count - 1);
        for (int n = 0; n < count; ++n)
        {
            const std::string value = ini.GetString(section.name, ValueKey(n), "0");
            const size_t open = value.find('(');
            if (open == std::string::npos || open == 0)
            {
                if (++skipped <= IniFile::MaxReportedLines)
                    Dumper::Instance().Print(DUMP_WARNING, "%s: [%s] %s=%s is not \"Action(code)\"; skipped\n",
                                             path.c_str(), section.name, ValueKey(n).c_str(), value.c_str());
                continue;
            }
            const std::string action = value.substr(0, open);
            // The code runs to the last character, which is the ")".
            std::string digits = value.substr(open + 1);
            if (!digits.empty())
                digits.pop_back();
            const unsigned long code = static_cast<uint32_t>(ToInt(digits));
            if (section.axes)
                SetAxisEvent(section.device, action.c_str(), code);
            else
                SetButtonEvent(section.device, action.c_str(), code);
        }
        if (section.device == INPUT_JOYSTICK && !section.axes)
            _deadZone = ToInt(ini.GetString("Joystick", "DeadZone", "0"));
    }
    if (skipped > IniFile::MaxReportedLines)
        Dumper::Instance().Print(DUMP_WARNING, "%s: %d more entries skipped\n", path.c_str(),
                                 skipped - IniFile::MaxReportedLines);
    return true;
}

bool InputConfig::SaveConfig(const char* file) const
{
    if (!file)
        return false;
    const std::string path = ResolvePath(file);
    IniFile ini;
    ini.Load(path);
    for (const char* name : {"Keyboard", "Mouse", "Joystick", "MouseAxis", "JoystickAxis"})
        ini.ClearSection(name);

    ini.SetString("Keyboard", "Count", std::to_string(_keyboard.size()));
    ini.SetString("Mouse", "Count", std::to_string(_mouse.size()));
    ini.SetString("Joystick", "Count", std::to_string(_joystick.size()));
    ini.SetString("Joystick", "DeadZone", std::to_string(_deadZone));
    ini.SetString("MouseAxis", "Count", std::to_string(_mouseAxes.size()));
    ini.SetString("JoystickAxis", "Count", std::to_string(_joystickAxes.size()));

    const std::pair<const char*, const std::map<std::string, uint32_t>*> maps[] = {
        {"Keyboard", &_keyboard},         {"Mouse", &_mouse}, {"Joystick", &_joystick}, {"MouseAxis", &_mouseAxes},
        {"JoystickAxis", &_joystickAxes},
    };
    for (const auto& [section, map] : maps)
    {
        int n = 0;
        for (const auto& [name, code] : *map)
            ini.SetString(section, ValueKey(n++), name + "(" + std::to_string(code) + ")");
    }
    return ini.Save(path);
}
