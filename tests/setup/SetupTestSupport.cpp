#include "SetupTestSupport.h"

#include "foundation/base/Dumper.h"
#include "platform/input/SdlInputSource.h"

#include <QApplication>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>
#include <vector>

namespace {

std::mutex g_logLock;
std::vector<std::string> g_logLines;

class CaptureClient : public IDumperClient
{
public:
    void OnPrint(eDumpEvent, const char* text) override
    {
        std::lock_guard guard(g_logLock);
        g_logLines.emplace_back(text);
    }
    void OnDump(eDumpEvent, const void*, unsigned) override {}
};

} // namespace

QApplication& TestApplication()
{
    static int argc = 1;
    static char name[] = "test_setup";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        auto* created = new QApplication(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
        return created;
    }();
    return *application;
}

SetupFolder::SetupFolder() : _previous(std::filesystem::current_path())
{
    static int counter = 0;
    _path = _previous / ("setup_tmp_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(_path / "texts");
    const std::filesystem::path data = GAME_DATA_DIR;
    for (const char* file : {"config.cfg", "config.ini", "config_constants.lua"})
        std::filesystem::copy_file(data / file, _path / file);
    std::filesystem::copy(data / "texts", _path / "texts", std::filesystem::copy_options::recursive);
    std::filesystem::current_path(_path);
}

SetupFolder::~SetupFolder()
{
    std::filesystem::current_path(_previous);
    std::error_code error;
    std::filesystem::remove_all(_path, error);
}

void SetupFolder::Write(const std::string& name, const std::string& text) const
{
    std::ofstream(_path / name, std::ios::binary) << text;
}

std::string SetupFolder::Read(const std::string& name) const
{
    std::ifstream in(_path / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool LogContains(const std::string& text)
{
    static const bool registered = Dumper::Instance().RegisterClient(new CaptureClient);
    (void)registered;
    std::lock_guard guard(g_logLock);
    for (const std::string& line : g_logLines)
    {
        if (line.find(text) != std::string::npos)
            return true;
    }
    return false;
}

void ClearLog()
{
    LogContains("");
    std::lock_guard guard(g_logLock);
    g_logLines.clear();
}

void TapKey(SdlInputSource& source, int scanCode)
{
    source.InjectKey(scanCode, true);
    source.InjectKey(scanCode, false);
}

GameConfig::GameConfig() : system(&Dumper::Instance(), "config_constants.lua") { system.ExecFile("config.cfg"); }
