#include "MovieFixture.h"

#include "foundation/base/Dumper.h"

#include <cstring>
#include <fstream>
#include <unistd.h>

namespace {

class CaptureClient : public IDumperClient
{
public:
    void OnPrint(eDumpEvent, const char* text) override { LogLines().push_back(text); }
    void OnDump(eDumpEvent, const void*, unsigned) override {}
};

std::string Describe(const movie::Value& value)
{
    switch (value.type)
    {
    case movie::Value::Boolean: return value.boolean ? "true" : "false";
    case movie::Value::Number:
    {
        char text[32];
        std::snprintf(text, sizeof(text), "%g", value.number);
        return text;
    }
    case movie::Value::String: return "\"" + value.text + "\"";
    default: return "nil";
    }
}

} // namespace

std::vector<std::string>& LogLines()
{
    static std::vector<std::string> lines;
    return lines;
}

int LogCount(const std::string& text)
{
    int count = 0;
    for (const std::string& line : LogLines())
        count += line.find(text) != std::string::npos;
    return count;
}

void RecordingHost::Invalidate(const movie::Rect* rect)
{
    if (!rect)
    {
        invalidations.push_back("all");
        return;
    }
    invalidations.push_back(std::to_string(rect->left) + "," + std::to_string(rect->top) + "," +
                            std::to_string(rect->right) + "," + std::to_string(rect->bottom));
}

movie::Value RecordingHost::CallHost(const std::string& name, const std::vector<movie::Value>& args)
{
    std::string call = name + "(";
    for (size_t i = 0; i < args.size(); ++i)
        call += (i ? ", " : "") + Describe(args[i]);
    calls.push_back(call + ")");
    if (onCall)
        onCall(name);
    return answer;
}

bool RecordingHost::LoadImage(const std::string& name, movie::Image& image, std::string& error)
{
    auto found = images.find(name);
    if (found == images.end())
    {
        error = "not among the test's images";
        return false;
    }
    image = found->second;
    return true;
}

void MovieTest::SetUp()
{
    static bool registered = Dumper::Instance().RegisterClient(new CaptureClient);
    ASSERT_TRUE(registered);
    LogLines().clear();
    _scratch =
        std::filesystem::temp_directory_path() / ("bm_movie_" + std::to_string(getpid()) + "_" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(_scratch);
    std::filesystem::create_directories(_scratch);
}

void MovieTest::TearDown() { std::filesystem::remove_all(_scratch); }

std::filesystem::path MovieTest::Write(const std::string& name, const std::string& text)
{
    const std::filesystem::path path = _scratch / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::unique_ptr<movie::Movie> MovieTest::Make(const std::string& script, int width, int height, const std::string& name)
{
    const std::filesystem::path path = Write(name + ".lua", script);
    std::unique_ptr<movie::Movie> made = movie::Movie::Create(name, width, height, &_host);
    EXPECT_TRUE(made);
    if (made)
        made->Load(path.string(), "swf/" + name + ".lua");
    ++_host.frame; // loaded in a frame of its own, as a layer's movie is
    _host.invalidations.clear();
    return made;
}

uint32_t MovieTest::Pixel(const movie::Movie& movie, int x, int y)
{
    uint32_t pixel = 0;
    std::memcpy(&pixel, movie.GetPixels() + size_t(y) * movie.GetStride() + size_t(x) * 4, 4);
    return pixel;
}
