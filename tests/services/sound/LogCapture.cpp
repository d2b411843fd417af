#include "LogCapture.h"

#include "foundation/base/Dumper.h"

namespace {

class CaptureClient : public IDumperClient
{
public:
    void OnPrint(eDumpEvent, const char* text) override { lines.emplace_back(text); }
    void OnDump(eDumpEvent, const void*, unsigned) override {}
    std::vector<std::string> lines;
};

CaptureClient& Client()
{
    static CaptureClient* client = [] {
        auto* c = new CaptureClient;
        Dumper::Instance().RegisterClient(c); // the log owns it from here
        return c;
    }();
    return *client;
}

} // namespace

void LogCapture::Clear() { Client().lines.clear(); }

const std::vector<std::string>& LogCapture::Lines() { return Client().lines; }

int LogCapture::Count(const std::string& a, const std::string& b)
{
    int n = 0;
    for (const std::string& line : Client().lines)
        if (line.find(a) != std::string::npos && line.find(b) != std::string::npos)
            ++n;
    return n;
}
