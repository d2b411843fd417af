#pragma once

#include "services/input/InputSystem.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// Log lines captured since the last Clear (the log keeps its clients for the whole run).
class LogCapture
{
public:
    LogCapture();
    void Clear();
    bool Contains(const std::string& text) const;
    const std::vector<std::string>& Lines() const;
};

// A fresh folder under the test's working folder, removed again at the end.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    std::string File(const std::string& name) const { return (_path / name).string(); }
    void Write(const std::string& name, const std::string& text) const;
    std::string Read(const std::string& name) const;

private:
    std::filesystem::path _path;
};

using Transition = std::pair<unsigned long, unsigned long>; // (down, code)

// An input system that keeps the transitions in the order the devices reported them.
class RecordingInput : public InputSystem
{
public:
    using InputSystem::InputSystem;
    void ProcessKeys(unsigned long down, unsigned long code) override
    {
        transitions.emplace_back(down ? 1 : 0, code);
        InputSystem::ProcessKeys(down, code);
    }
    void Frame()
    {
        transitions.clear();
        ProcessInputData();
    }
    std::vector<Transition> transitions;
};
