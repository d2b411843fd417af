#include "LayerFixture.h"

#include "foundation/base/Dumper.h"

namespace {

class CaptureClient : public IDumperClient
{
public:
    void OnPrint(eDumpEvent, const char* text) override { LogLines().push_back(text); }
    void OnDump(eDumpEvent, const void*, unsigned) override {}
};

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

int LogCount(const std::string& text)
{
    int count = 0;
    for (const std::string& line : LogLines())
        count += line.find(text) != std::string::npos;
    return count;
}

void DrawRecorder::RenderQuad(Material* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4], float angle,
                              const Color& color)
{
    if (pos.y + size.y <= 0.0f)
        return;
    quads.push_back(Quad{material, pos, size, {uv[0], uv[1], uv[2], uv[3]}, angle, color});
}

void DrawRecorder::RenderLine(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo)
{
    lines.push_back(Line{from, to, colorFrom, colorTo});
}

std::vector<float> DrawRecorder::QuadXs() const
{
    std::vector<float> xs;
    for (const Quad& quad : quads)
        xs.push_back(quad.pos.x);
    return xs;
}

void DrawRecorder::Clear()
{
    quads.clear();
    lines.clear();
}

void LayerTest::SetUp()
{
    static bool registered = Dumper::Instance().RegisterClient(new CaptureClient);
    ASSERT_TRUE(registered);
    LogLines().clear();
    // The game's working folder, where the layer manager finds its console movie.
    _previous = std::filesystem::current_path();
    std::filesystem::current_path(GAME_DATA_DIR);
    Window::Style style;
    style.hidden = true;
    std::string error;
    _window = Window::Create("layer test", _windowWidth, _windowHeight, style, &error);
    if (!_window)
        GTEST_SKIP() << "no display: " << error;
    _config = std::make_unique<ConfigSystem>(&Dumper::Instance(), nullptr);
    _video = std::make_unique<VideoSettings>(_config.get());
    _video->ScrWidth = _windowWidth;
    _video->ScrHeight = _windowHeight;
    if (_shaders)
        _resources = std::make_unique<ResourceSystem>(&Dumper::Instance(), 1);
    _system = std::make_unique<MaterialSystem>(_window->GetHandle(), &Dumper::Instance(), _resources.get(),
                                               _video.get(), false);
    LayerManager::SetDrawTarget(&_drawn);
}

void LayerTest::TearDown()
{
    LayerManager::Release();
    LayerManager::SetDrawTarget(nullptr);
    _system.reset();
    _resources.reset();
    _video.reset();
    _config.reset();
    _window.reset();
    std::filesystem::current_path(_previous);
}

void LayerTest::InitDevice()
{
    _system->InitSystem(_shaders ? (std::string(GAME_DATA_DIR) + "/ShaderLib/").c_str() : nullptr);
    ASSERT_TRUE(_system->GetDevice());
}

void LayerTest::CreateLayers(int width, int height)
{
    _video->ScrWidth = width;
    _video->ScrHeight = height;
    LayerManager::Create(&Dumper::Instance(), _system.get());
}
