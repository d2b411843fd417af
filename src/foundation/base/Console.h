#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

enum eCommandType
{
    CMD_BYTE = 1,
    CMD_INT = 2,
    CMD_UINT = 3,
    CMD_FLOAT = 4,
    CMD_BOOL = 5,
    CMD_STRING = 6,
    CMD_FUNCTION = 7,
};

// Shows console output: the overlay installs one. Both operations do nothing in the base.
class ConsolVisualizer
{
public:
    virtual ~ConsolVisualizer() = default;
    virtual void AddLineToConsole(const char* /*text*/) {}
    virtual void SetCurrentConsoleLine(const char* /*text*/) {}
};

// The in-game command console: named commands that are either typed variables the console shows
// and sets, or functions it calls. Output lines go to the visualiser; the last lines added before
// one is installed are kept and replayed to it.
class Console
{
public:
    static constexpr unsigned BufferSize = 65536;
    // Lines kept while there is no visualiser: as many as a console shows, not the whole log.
    static constexpr size_t MaxKeptLines = 512;

    Console();

    // Upper-cases `name` in place; false when a command of that name exists (the first stays).
    bool AddCommand(std::string& name, eCommandType type, void* variable, void (*callback)(void*) = nullptr,
                    void* argument = nullptr);
    // Removes the command only while it still points at `variable`, so an owner never removes
    // the command that another owner registered first.
    void RemoveCommand(const std::string& name, const void* variable);
    // True when the line named a command.
    bool ExecuteCommand(const std::string& line);
    void AutoCompleteCMD(std::string& line);
    // Formats one output line; longer lines are cut to the buffer.
    void Add(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    void SetVizualizer(ConsolVisualizer* visualizer);

    static int GetStrWordCount(const std::string& line);
    static bool GetStrWord(int n, const std::string& line, std::string& out);
    static void StrMakeUp(std::string& s);
    static void StrMakeUp(std::string& out, const std::string& s);
    static int Str2Str(const std::string& pattern, const std::string& text);
    static int Str2Int(const std::string& s);
    static unsigned StrToUINT(const std::string& s);
    static unsigned char StrToBYTE(const std::string& s);
    static float StrToFloat(const std::string& s);

private:
    struct Command
    {
        eCommandType type;
        void* variable;
        void (*callback)(void*);
        void* argument;
    };

    void ShowValue(const std::string& line, const Command& command);
    void SetValue(const std::string& line, const Command& command);

    std::map<std::string, Command> _commands;
    ConsolVisualizer* _visualizer = nullptr;
    std::vector<char> _buffer;
    std::deque<std::string> _lines;
};

// The one console of the process.
extern Console* MainConsole;
