#include "InputTestSupport.h"

#include "foundation/base/Dumper.h"

#include <unistd.h>

#include <fstream>
#include <mutex>
#include <sstream>

namespace {

std::mutex g_lock;
std::vector<std::string> g_lines;

class CaptureClient : public IDumperClient
{
public:
    void OnPrint(eDumpEvent, const char* text) override
    {
        std::lock_guard guard(g_lock);
        g_lines.emplace_back(text);
    }
    void OnDump(eDumpEvent, const void*, unsigned) override {}
};

} // namespace

LogCapture::LogCapture()
{
    static const bool registered = Dumper::Instance().RegisterClient(new CaptureClient);
    (void)registered;
    Clear();
}

void LogCapture::Clear()
{
    std::lock_guard guard(g_lock);
    g_lines.clear();
}

bool LogCapture::Contains(const std::string& text) const
{
    std::lock_guard guard(g_lock);
    for (const std::string& line : g_lines)
    {
        if (line.find(text) != std::string::npos)
            return true;
    }
    return false;
}

const std::vector<std::string>& LogCapture::Lines() const { return g_lines; }

TempFolder::TempFolder()
{
    static int counter = 0;
    _path =
        std::filesystem::current_path() / ("input_tmp_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(_path);
}

TempFolder::~TempFolder()
{
    std::error_code error;
    std::filesystem::remove_all(_path, error);
}

void TempFolder::Write(const std::string& name, const std::string& text) const
{
    std::ofstream(_path / name, std::ios::binary) << text;
}

std::string TempFolder::Read(const std::string& name) const
{
    std::ifstream in(_path / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
