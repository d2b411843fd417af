#include "GfxFixture.h"

namespace {

const char* kVertexShader = R"(
layout(location = GFX_LOC_POSITION) in vec3 inPosition;
layout(location = GFX_LOC_COLOR0) in vec4 inColor;
uniform mat4 transform;
out vec4 color;
void main()
{
    gl_Position = transform * vec4(inPosition, 1.0);
    color = inColor;
}
)";

const char* kFragmentShader = R"(
in vec4 color;
out vec4 fragColor;
void main() { fragColor = color; }
)";

const float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

} // namespace

void GfxTest::SetUp()
{
    Window::Style style;
    style.hidden = true;
    std::string error;
    _window = Window::Create("gfx test", kWidth, kHeight, style, &error);
    if (!_window)
        GTEST_SKIP() << "no display: " << error;
    _graphics = gfx::Graphics::Create(*_window, &error);
    ASSERT_TRUE(_graphics) << error;
    _graphics->GetFaults().noClipControl = GetParam();
    gfx::DeviceParams params;
    params.width = kWidth;
    params.height = kHeight;
    _device = _graphics->CreateDevice(params, &error);
    ASSERT_TRUE(_device) << error;
    ASSERT_EQ(_device->UsesClipControl(), _graphics->HasClipControl() && !GetParam());

    _layout = gfx::VertexLayout::Create(*_device, {{0, gfx::VertexType::Float3, gfx::VertexUsage::Position, 0},
                                                   {12, gfx::VertexType::Color, gfx::VertexUsage::Color, 0}});
    ASSERT_TRUE(_layout);
    std::string log;
    _program = gfx::Program::Create(*_device, kVertexShader, kFragmentShader, &log);
    ASSERT_TRUE(_program) << log;
    _matrixLocation = _program->GetUniformLocation("transform");
    _program->SetMatrix(_matrixLocation, kIdentity);
    _device->SetProgram(_program.get());
    _device->SetVertexLayout(_layout.get());
    _device->SetCullMode(gfx::CullMode::None);
    _device->Clear(gfx::ClearTarget | gfx::ClearDepth | gfx::ClearStencil, 0xFF000000);
}

void GfxTest::TearDown()
{
    _program.reset();
    _layout.reset();
    _device.reset();
    _graphics.reset();
    _window.reset();
}

void GfxTest::DrawTriangles(const std::vector<Vertex>& vertices)
{
    const unsigned bytes = static_cast<unsigned>(vertices.size() * sizeof(Vertex));
    auto buffer = gfx::Buffer::Create(*_device, gfx::BufferType::Vertex, gfx::BufferUsage::Static, bytes);
    ASSERT_TRUE(buffer);
    void* data = buffer->Lock(0, bytes, gfx::LockNone);
    ASSERT_TRUE(data);
    std::memcpy(data, vertices.data(), bytes);
    buffer->Unlock();
    _device->SetStreamSource(buffer.get(), 0, sizeof(Vertex));
    _device->DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, static_cast<unsigned>(vertices.size() / 3));
}

std::vector<uint32_t> GfxTest::ReadBack(gfx::Texture* target)
{
    if (!target)
        target = _device->GetBackBuffer();
    std::vector<uint32_t> pixels(target->GetWidth() * target->GetHeight());
    EXPECT_TRUE(
        _device->ReadPixels(target, gfx::Rect{0, 0, int(target->GetWidth()), int(target->GetHeight())}, pixels.data()));
    return pixels;
}
