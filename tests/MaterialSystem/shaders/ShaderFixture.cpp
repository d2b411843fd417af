#include "ShaderFixture.h"

#include "foundation/base/Dumper.h"
#include "platform/gfx/Buffer.h"

#include <cstring>
#include <fstream>

#include <unistd.h>

namespace {

std::vector<std::string>& Lines()
{
    static std::vector<std::string> lines;
    return lines;
}

class CaptureClient : public IDumperClient
{
public:
    void OnPrint(eDumpEvent, const char* text) override { Lines().push_back(text); }
    void OnDump(eDumpEvent, const void*, unsigned) override {}
};

const std::filesystem::path kGameShaders =
    (std::filesystem::path(TEST_DATA_DIR) / ".." / ".." / "data" / "shaderlib").lexically_normal();

} // namespace

std::vector<float> Quad(float instance)
{
    return {-1, -1, 0.5f, instance, 1, -1, 0.5f, instance, -1, 1, 0.5f, instance,
            1,  -1, 0.5f, instance, 1, 1,  0.5f, instance, -1, 1, 0.5f, instance};
}

void ShaderLibTest::SetUp()
{
    static bool registered = Dumper::Instance().RegisterClient(new CaptureClient);
    ASSERT_TRUE(registered);
    Lines().clear();
    Window::Style style;
    style.hidden = true;
    std::string error;
    _window = Window::Create("shader test", kSize, kSize, style, &error);
    if (!_window)
        GTEST_SKIP() << "no display: " << error;
    _graphics = gfx::Graphics::Create(*_window, &error);
    ASSERT_TRUE(_graphics) << error;
    gfx::DeviceParams params;
    params.width = params.height = kSize;
    _device = _graphics->CreateDevice(params, &error);
    ASSERT_TRUE(_device) << error;
    _layout = gfx::VertexLayout::Create(*_device, {{0, gfx::VertexType::Float3, gfx::VertexUsage::Position, 0},
                                                   {12, gfx::VertexType::Float1, gfx::VertexUsage::TexCoord, 0}});
    _device->SetVertexLayout(_layout.get());
    _device->SetCullMode(gfx::CullMode::None);
    _device->Clear(gfx::ClearTarget | gfx::ClearDepth, 0xFF000000);
    _resources = std::make_unique<ResourceSystem>(&Dumper::Instance(), 0);

    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    _root = std::filesystem::temp_directory_path() /
            ("shaderlib_" + std::string(test->name()) + "_" + std::to_string(getpid()));
    std::filesystem::remove_all(_root);
    std::filesystem::create_directories(_root);
    for (const char* include : {"inc_sharedparams.fx", "inc_screenquad.fx"})
        std::filesystem::copy_file(kGameShaders / include, _root / include);
}

void ShaderLibTest::TearDown()
{
    ShaderLib::DestroyInstance();
    _resources.reset();
    _layout.reset();
    _device.reset();
    _graphics.reset();
    _window.reset();
    if (!_root.empty())
        std::filesystem::remove_all(_root);
}

void ShaderLibTest::WriteShader(const std::string& name, const std::string& text)
{
    std::ofstream(_root / name, std::ios::binary) << text;
}

ShaderLib* ShaderLibTest::Init(const std::string& root)
{
    ShaderLib* library = ShaderLib::GetInstance();
    const std::string folder = (root.empty() ? _root.string() : root) + "/";
    EXPECT_EQ(library->Init(nullptr, _resources.get(), _device.get(), folder.c_str()), 1);
    return library;
}

bool ShaderLibTest::LogHas(const std::string& text) const
{
    for (const std::string& line : Lines())
        if (line.find(text) != std::string::npos)
            return true;
    return false;
}

void ShaderLibTest::DrawVertices(const std::vector<float>& vertices)
{
    const unsigned bytes = static_cast<unsigned>(vertices.size() * sizeof(float));
    auto buffer = gfx::Buffer::Create(*_device, gfx::BufferType::Vertex, gfx::BufferUsage::Static, bytes);
    ASSERT_TRUE(buffer);
    std::memcpy(buffer->Lock(0, bytes, gfx::LockNone), vertices.data(), bytes);
    buffer->Unlock();
    _device->SetStreamSource(buffer.get(), 0, 16);
    _device->DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, static_cast<unsigned>(vertices.size() / 12));
}

uint32_t ShaderLibTest::Pixel(unsigned x, unsigned y)
{
    uint32_t pixel = 0;
    EXPECT_TRUE(_device->ReadPixels(_device->GetBackBuffer(), gfx::Rect{int(x), int(y), 1, 1}, &pixel));
    return pixel & 0xFFFFFF;
}
