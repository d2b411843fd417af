#include "CoreTestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <utility>
#include <vector>

#include <unistd.h>

#include "foundation/base/Dumper.h"

namespace {
class LogRecorder : public IDumperClient
{
public:
    void OnPrint(eDumpEvent kind, const char* text) override { lines.emplace_back(kind, text); }
    void OnDump(eDumpEvent, const void*, unsigned) override {}
    std::vector<std::pair<eDumpEvent, std::string>> lines;
};

LogRecorder& Recorder()
{
    static LogRecorder* recorder = [] {
        auto* r = new LogRecorder;
        Dumper::Instance().RegisterClient(r); // the log owns it
        return r;
    }();
    return *recorder;
}

int CountKind(size_t first, eDumpEvent kind)
{
    int n = 0;
    for (size_t i = first; i < Recorder().lines.size(); ++i)
        n += Recorder().lines[i].first == kind;
    return n;
}
} // namespace

LogWatch::LogWatch() : _first(Recorder().lines.size()) {}

int LogWatch::Warnings() const { return CountKind(_first, DUMP_WARNING); }

int LogWatch::Errors() const { return CountKind(_first, DUMP_ERROR); }

int LogWatch::Count(const std::string& text) const
{
    int n = 0;
    for (size_t i = _first; i < Recorder().lines.size(); ++i)
        n += Recorder().lines[i].second.find(text) != std::string::npos;
    return n;
}

std::string LogWatch::All() const
{
    std::string all;
    for (size_t i = _first; i < Recorder().lines.size(); ++i)
        all += Recorder().lines[i].second;
    return all;
}

WorkingFolder::WorkingFolder() : _previous(std::filesystem::current_path())
{
    static int counter = 0;
    _path = _previous / ("core_tmp_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(_path);
    std::filesystem::current_path(_path);
}

WorkingFolder::~WorkingFolder()
{
    std::filesystem::current_path(_previous);
    std::error_code ignored;
    std::filesystem::remove_all(_path, ignored);
}

void WorkingFolder::Write(const std::string& name, const std::string& content) const
{
    std::filesystem::path file = _path / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

std::string WorkingFolder::Read(const std::string& name) const
{
    std::ifstream in(_path / name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void LinkGameData(const std::filesystem::path& folder, const std::vector<std::string>& own)
{
    namespace fs = std::filesystem;
    static const char* const Written[] = {"game.log", "outconfig.cfg", "screenshots"};
    static const char* const Copied[] = {"config.cfg", "config.ini"};
    for (const fs::directory_entry& entry : fs::directory_iterator(GAME_DATA_DIR))
    {
        const std::string name = entry.path().filename().string();
        const auto is = [&name](const char* other) { return name == other; };
        if (std::find(own.begin(), own.end(), name) != own.end() ||
            std::any_of(std::begin(Written), std::end(Written), is))
            continue;
        if (name == "profiles")
            fs::create_directories(folder / name);
        else if (std::any_of(std::begin(Copied), std::end(Copied), is))
            fs::copy_file(entry.path(), folder / name, fs::copy_options::overwrite_existing);
        else
            fs::create_symlink(entry.path(), folder / name);
    }
}

GameDataFolder::GameDataFolder() : _previous(std::filesystem::current_path())
{
    _path = std::filesystem::temp_directory_path() / ("bm_game_data_" + std::to_string(::getpid()));
    std::filesystem::remove_all(_path);
    std::filesystem::create_directories(_path);
    LinkGameData(_path);
    std::filesystem::current_path(_path);
}

GameDataFolder::~GameDataFolder()
{
    std::filesystem::current_path(_previous);
    std::error_code ignored;
    std::filesystem::remove_all(_path, ignored);
}

std::string GameDataFolder::Read(const std::string& name) const
{
    std::ifstream in(_path / name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Screenshot::Load(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || bytes[28] != 24)
        return false;
    width = int(Read32(18));
    const int32_t h = int32_t(Read32(22));
    bottomUp = h > 0;
    height = std::abs(h);
    rowBytes = (width * 3 + 3) & ~3;
    return bytes.size() >= Read32(10) + size_t(rowBytes) * height;
}

uint32_t Screenshot::At(int x, int y) const
{
    const size_t row = size_t(bottomUp ? height - 1 - y : y);
    const uint8_t* p = bytes.data() + Read32(10) + row * rowBytes + size_t(x) * 3;
    return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

uint32_t Screenshot::Read32(size_t at) const
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t(bytes[at + 3]) << 24;
}
