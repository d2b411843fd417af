#include "EffectFixture.h"

#include <cstring>

void EffectTest::SetUp()
{
    Window::Style style;
    style.hidden = true;
    std::string error;
    _window = Window::Create("effect test", kSize, kSize, style, &error);
    if (!_window)
        GTEST_SKIP() << "no display: " << error;
    _graphics = gfx::Graphics::Create(*_window, &error);
    ASSERT_TRUE(_graphics) << error;
    gfx::DeviceParams params;
    params.width = kSize;
    params.height = kSize;
    _device = _graphics->CreateDevice(params, &error);
    ASSERT_TRUE(_device) << error;
    _layout = gfx::VertexLayout::Create(*_device, {{0, gfx::VertexType::Float3, gfx::VertexUsage::Position, 0},
                                                   {12, gfx::VertexType::Float1, gfx::VertexUsage::TexCoord, 0}});
    ASSERT_TRUE(_layout);
    _device->SetVertexLayout(_layout.get());
    _device->SetCullMode(gfx::CullMode::None);
    _device->Clear(gfx::ClearTarget | gfx::ClearDepth, 0xFF000000);
    _pool = std::make_unique<fx::EffectPool>(*_device);
}

void EffectTest::TearDown()
{
    _pool.reset();
    _layout.reset();
    _device.reset();
    _graphics.reset();
    _window.reset();
}

std::unique_ptr<fx::Effect> EffectTest::Make(const std::string& source, const std::vector<fx::Macro>& macros,
                                             std::string* errors)
{
    std::string log;
    auto effect = fx::Effect::Create(*_pool, source, "test.fx", macros, &_includes, &log);
    if (errors)
        *errors = log;
    else
        EXPECT_TRUE(effect) << log;
    return effect;
}

void EffectTest::DrawQuad(fx::Effect& effect, float index, unsigned flags)
{
    DrawTriangles(effect,
                  {{-1, -1, 0.5f, index},
                   {1, -1, 0.5f, index},
                   {-1, 1, 0.5f, index},
                   {1, -1, 0.5f, index},
                   {1, 1, 0.5f, index},
                   {-1, 1, 0.5f, index}},
                  flags);
}

void EffectTest::DrawTriangles(fx::Effect& effect, const std::vector<std::array<float, 4>>& vertices, unsigned flags)
{
    const size_t bytes = vertices.size() * sizeof(vertices[0]);
    auto buffer =
        gfx::Buffer::Create(*_device, gfx::BufferType::Vertex, gfx::BufferUsage::Static, static_cast<unsigned>(bytes));
    ASSERT_TRUE(buffer);
    std::memcpy(buffer->Lock(0, static_cast<unsigned>(bytes), gfx::LockNone), vertices.data(), bytes);
    buffer->Unlock();
    _device->SetStreamSource(buffer.get(), 0, sizeof(vertices[0]));
    const unsigned passes = effect.Begin(flags);
    for (unsigned p = 0; p < passes; ++p)
    {
        effect.BeginPass(p);
        effect.CommitChanges();
        _device->DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, static_cast<unsigned>(vertices.size() / 3));
        effect.EndPass();
    }
    effect.End();
}

uint32_t EffectTest::Pixel(unsigned x, unsigned y)
{
    uint32_t pixel = 0;
    EXPECT_TRUE(_device->ReadPixels(_device->GetBackBuffer(), gfx::Rect{int(x), int(y), 1, 1}, &pixel));
    return pixel & 0xFFFFFF;
}
