#pragma once
// Helpers shared by the game core tests.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Counts the lines of one kind that the process-wide log printed since construction.
class LogWatch
{
public:
    LogWatch();
    int Warnings() const;
    int Errors() const;
    // Lines of any kind that contain the text.
    int Count(const std::string& text) const;
    std::string All() const;

private:
    size_t _first;
};

// A fresh folder that is the working folder while the object lives.
class WorkingFolder
{
public:
    WorkingFolder();
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    // Writes a file below the folder, making its parent folders.
    void Write(const std::string& name, const std::string& content) const;
    std::string Read(const std::string& name) const;

private:
    std::filesystem::path _previous;
    std::filesystem::path _path;
};

// Fills `folder` with links to the assembled game data's entries, but for those named in `own`
// (which the caller makes itself) and those the game writes: "profiles" is a fresh empty folder,
// the settings files are copies, and logs, written settings and screenshots are left out, so no
// test writes into the shared data or reads what another test process wrote there.
void LinkGameData(const std::filesystem::path& folder, const std::vector<std::string>& own = {});

// A fresh working folder whose entries are links to the assembled game data, so that what the
// game writes ("game.log", "outconfig.cfg", screenshots) stays out of the data; "profiles/" is an
// empty folder of its own.
class GameDataFolder
{
public:
    GameDataFolder();
    ~GameDataFolder();
    GameDataFolder(const GameDataFolder&) = delete;
    GameDataFolder& operator=(const GameDataFolder&) = delete;

    std::string Read(const std::string& name) const;
    const std::filesystem::path& GetPath() const { return _path; }

private:
    std::filesystem::path _previous;
    std::filesystem::path _path;
};

// The red, green and blue of a 24-bit ".bmp" as the screenshot writer stores it, top row first.
struct Screenshot
{
    int width = 0, height = 0;
    std::vector<uint8_t> bytes;
    int rowBytes = 0;
    bool bottomUp = true;

    // False for a file that is not a whole 24-bit picture.
    bool Load(const std::filesystem::path& path);
    // 0xRRGGBB.
    uint32_t At(int x, int y) const;
    uint32_t Read32(size_t at) const;
};
