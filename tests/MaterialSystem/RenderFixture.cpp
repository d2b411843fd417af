#include "RenderFixture.h"

namespace {

class CaptureClient : public IDumperClient
{
public:
    void OnPrint(eDumpEvent, const char* text) override { LogLines().push_back(text); }
    void OnDump(eDumpEvent, const void*, unsigned) override {}
};

const char* kVertexShader = R"(
layout(location = GFX_LOC_POSITION) in vec3 inPosition;
layout(location = GFX_LOC_COLOR0) in vec4 inColor;
out vec4 color;
void main() { gl_Position = vec4(inPosition, 1.0); color = inColor; }
)";

const char* kFragmentShader = R"(
in vec4 color;
out vec4 fragColor;
void main() { fragColor = color; }
)";

} // namespace

std::vector<std::string>& LogLines()
{
    static std::vector<std::string> lines;
    return lines;
}

bool LogHas(const std::string& text)
{
    for (const std::string& line : LogLines())
    {
        if (line.find(text) != std::string::npos)
            return true;
    }
    return false;
}

void RenderTest::SetUp()
{
    static bool registered = Dumper::Instance().RegisterClient(new CaptureClient);
    ASSERT_TRUE(registered);
    LogLines().clear();
    Window::Style style;
    style.hidden = true;
    std::string error;
    _window = Window::Create("render test", 320, 240, style, &error);
    if (!_window)
        GTEST_SKIP() << "no display: " << error;
    _config = std::make_unique<ConfigSystem>(&Dumper::Instance(), nullptr);
    _video = std::make_unique<VideoSettings>(_config.get());
    _video->ScrWidth = 320;
    _video->ScrHeight = 240;
    _system = std::make_unique<MaterialSystem>(_window->GetHandle(), &Dumper::Instance(), nullptr, _video.get(), false);
    _system->SetSleepFunction([this](unsigned ms) { _sleeps.push_back(ms); });
}

void RenderTest::TearDown()
{
    _program.reset();
    _system.reset();
    _video.reset();
    _config.reset();
    _window.reset();
}

void RenderTest::Init()
{
    _system->InitSystem(nullptr);
    ASSERT_TRUE(_system->GetDevice());
}

gfx::Program* RenderTest::ColorProgram()
{
    if (!_program)
    {
        std::string log;
        _program = gfx::Program::Create(*_system->GetDevice(), kVertexShader, kFragmentShader, &log);
        EXPECT_TRUE(_program) << log;
    }
    return _program.get();
}
