#include "foundation/base/Console.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "foundation/base/Singletons.h"

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t'; }

Console& MainConsoleInstance()
{
    static Console* const console = Singletons::Adopt(std::make_unique<Console>());
    return *console;
}

} // namespace

Console* MainConsole = &MainConsoleInstance();

Console::Console() : _buffer(BufferSize, 0) {}

bool Console::AddCommand(std::string& name, eCommandType type, void* variable, void (*callback)(void*), void* argument)
{
    StrMakeUp(name);
    return _commands.emplace(name, Command{type, variable, callback, argument}).second;
}

void Console::RemoveCommand(const std::string& name, const void* variable)
{
    std::string key;
    StrMakeUp(key, name);
    auto found = _commands.find(key);
    if (found != _commands.end() && found->second.variable == variable)
        _commands.erase(found);
}

bool Console::ExecuteCommand(const std::string& line)
{
    std::string word;
    if (!GetStrWord(1, line, word))
        return false;
    StrMakeUp(word);
    auto it = _commands.find(word);
    if (it == _commands.end())
    {
        Add("Unknown command: %s", line.c_str());
        return false;
    }
    const Command& command = it->second;
    if (command.type == CMD_FUNCTION)
    {
        if (command.callback && command.argument)
            command.callback(command.argument);
        return true;
    }
    if (GetStrWordCount(line) == 1)
        ShowValue(line, command);
    else
        SetValue(line, command);
    return true;
}

void Console::ShowValue(const std::string& line, const Command& command)
{
    if (!command.variable)
        return;
    switch (command.type)
    {
    case CMD_BYTE: Add("%s %d", line.c_str(), *static_cast<unsigned char*>(command.variable)); break;
    case CMD_INT: Add("%s %d", line.c_str(), *static_cast<int*>(command.variable)); break;
    case CMD_UINT: Add("%s %d", line.c_str(), *static_cast<unsigned*>(command.variable)); break;
    case CMD_BOOL: Add("%s %d", line.c_str(), *static_cast<bool*>(command.variable) ? 1 : 0); break;
    case CMD_FLOAT: Add("%s %f", line.c_str(), *static_cast<float*>(command.variable)); break;
    case CMD_STRING: Add("%s %s", line.c_str(), static_cast<std::string*>(command.variable)->c_str()); break;
    case CMD_FUNCTION: break;
    }
}

void Console::SetValue(const std::string& line, const Command& command)
{
    std::string value;
    GetStrWord(2, line, value);
    if (command.variable)
    {
        switch (command.type)
        {
        case CMD_BYTE: *static_cast<unsigned char*>(command.variable) = StrToBYTE(value); break;
        case CMD_INT: *static_cast<int*>(command.variable) = Str2Int(value); break;
        case CMD_UINT: *static_cast<unsigned*>(command.variable) = StrToUINT(value); break;
        case CMD_FLOAT: *static_cast<float*>(command.variable) = StrToFloat(value); break;
        case CMD_BOOL: *static_cast<bool*>(command.variable) = StrToUINT(value) != 0; break;
        case CMD_STRING:
        {
            // Everything after the command word and one separator, spaces included.
            size_t start = 0;
            while (start < line.size() && IsSeparator(line[start]))
                ++start;
            while (start < line.size() && !IsSeparator(line[start]))
                ++start;
            *static_cast<std::string*>(command.variable) = start + 1 < line.size() ? line.substr(start + 1) : "";
            break;
        }
        case CMD_FUNCTION: break;
        }
    }
    if (command.callback && command.argument)
        command.callback(command.argument);
}

void Console::AutoCompleteCMD(std::string& line)
{
    std::string prefix;
    StrMakeUp(prefix, line);
    std::vector<const std::string*> matches;
    for (auto it = _commands.lower_bound(prefix);
         it != _commands.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it)
        matches.push_back(&it->first);

    if (matches.empty())
        Add("Variable begin with '%s' not found.", line.c_str());
    else if (matches.size() > 1)
    {
        Add("List of variables bigin with '%s':", line.c_str());
        for (const std::string* name : matches)
            Add("%s", name->c_str());
    }
    else if (_visualizer)
        _visualizer->SetCurrentConsoleLine((*matches.front() + " ").c_str());
}

void Console::Add(const char* fmt, ...)
{
    _buffer[0] = 0;
    if (fmt && *fmt)
    {
        va_list args;
        va_start(args, fmt);
        vsnprintf(_buffer.data(), _buffer.size(), fmt, args);
        va_end(args);
    }
    if (_visualizer)
        _visualizer->AddLineToConsole(_buffer.data());
    else
    {
        if (_lines.size() == MaxKeptLines)
            _lines.pop_front();
        _lines.emplace_back(_buffer.data());
    }
}

void Console::SetVizualizer(ConsolVisualizer* visualizer)
{
    _visualizer = visualizer;
    if (!_visualizer)
        return;
    for (const std::string& line : _lines)
        _visualizer->AddLineToConsole(line.c_str());
    _visualizer->AddLineToConsole("");
}

int Console::GetStrWordCount(const std::string& line)
{
    int count = 0;
    size_t i = 0;
    while (i < line.size())
    {
        while (i < line.size() && IsSeparator(line[i]))
            ++i;
        if (i == line.size())
            break;
        ++count;
        while (i < line.size() && !IsSeparator(line[i]))
            ++i;
    }
    return count;
}

bool Console::GetStrWord(int n, const std::string& line, std::string& out)
{
    out.clear();
    int count = 0;
    size_t i = 0;
    while (i < line.size())
    {
        while (i < line.size() && IsSeparator(line[i]))
            ++i;
        if (i == line.size())
            break;
        size_t start = i;
        while (i < line.size() && !IsSeparator(line[i]))
            ++i;
        if (++count == n)
        {
            out = line.substr(start, i - start);
            return true;
        }
    }
    return false;
}

void Console::StrMakeUp(std::string& s)
{
    for (char& c : s)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
}

void Console::StrMakeUp(std::string& out, const std::string& s)
{
    out = s;
    StrMakeUp(out);
}

int Console::Str2Str(const std::string& pattern, const std::string& text)
{
    size_t pos = text.find(pattern);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int Console::Str2Int(const std::string& s) { return atoi(s.c_str()); }
unsigned Console::StrToUINT(const std::string& s) { return static_cast<unsigned>(atoi(s.c_str())); }
unsigned char Console::StrToBYTE(const std::string& s) { return static_cast<unsigned char>(atoi(s.c_str())); }
float Console::StrToFloat(const std::string& s) { return static_cast<float>(atof(s.c_str())); }
