#pragma once

#include <filesystem>
#include <string>
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
