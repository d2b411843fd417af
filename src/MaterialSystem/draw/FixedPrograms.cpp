#include "MaterialSystem/draw/FixedPrograms.h"

#include "foundation/base/Dumper.h"
#include "foundation/math/Matrix.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Program.h"

namespace {

const char* kColorVertex = R"(
layout(location = GFX_LOC_POSITION) in vec3 aPosition;
layout(location = GFX_LOC_COLOR0) in vec4 aColor;
uniform mat4 uWorld;
uniform mat4 uView;
uniform mat4 uProjection;
out vec4 vColor;
void main()
{
    gl_Position = uProjection * (uView * (uWorld * vec4(aPosition, 1.0)));
    vColor = aColor;
}
)";

const char* kColorFragment = R"(
in vec4 vColor;
out vec4 oColor;
void main() { oColor = vColor; }
)";

const char* kScreenVertex = R"(
layout(location = GFX_LOC_POSITION) in vec4 aPosition;
layout(location = GFX_LOC_COLOR0) in vec4 aColor;
layout(location = GFX_LOC_TEXCOORD0) in vec2 aTexCoord;
out vec4 vColor;
out vec2 vTexCoord;
void main()
{
    gl_Position = gfx_PixelToClip(aPosition);
    vColor = aColor;
    vTexCoord = aTexCoord;
}
)";

const char* kScreenFragment = R"(
in vec4 vColor;
in vec2 vTexCoord;
uniform sampler2D uTexture;
uniform int uTextureOp;
out vec4 oColor;
void main()
{
    if (uTextureOp == 0) { oColor = vColor; return; }
    vec4 texel = texture(uTexture, vTexCoord);
    if (uTextureOp == 1) oColor = texel;
    else if (uTextureOp == 2) oColor = texel * vColor;
    else oColor = vec4(vColor.rgb, vColor.a * texel.a);
}
)";

std::unique_ptr<gfx::Program> Build(gfx::Device& device, const char* name, const char* vertex, const char* fragment)
{
    std::string log;
    auto program = gfx::Program::Create(device, vertex, fragment, &log);
    if (!program)
        Dumper::Instance().Print(DUMP_ERROR, "Built-in %s program failed: %s\n", name, log.c_str());
    return program;
}

} // namespace

std::unique_ptr<FixedPrograms> FixedPrograms::Create(gfx::Device& device)
{
    auto color = Build(device, "colour", kColorVertex, kColorFragment);
    auto screen = Build(device, "screen", kScreenVertex, kScreenFragment);
    if (!color || !screen)
        return nullptr;
    return std::unique_ptr<FixedPrograms>(new FixedPrograms(device, std::move(color), std::move(screen)));
}

FixedPrograms::FixedPrograms(gfx::Device& device, std::unique_ptr<gfx::Program> color,
                             std::unique_ptr<gfx::Program> screen)
    : _device(device), _color(std::move(color)), _screen(std::move(screen))
{
    _world = _color->GetUniformLocation("uWorld");
    _view = _color->GetUniformLocation("uView");
    _projection = _color->GetUniformLocation("uProjection");
    _textureOp = _screen->GetUniformLocation("uTextureOp");
    _sampler = _screen->GetUniformLocation("uTexture");
    _screen->SetInt(_sampler, 0);
}

FixedPrograms::~FixedPrograms() = default;

void FixedPrograms::UseColor(const Matrix& world, const Matrix& view, const Matrix& projection)
{
    _device.SetProgram(_color.get());
    _color->SetMatrix(_world, world.Begin());
    _color->SetMatrix(_view, view.Begin());
    _color->SetMatrix(_projection, projection.Begin());
}

void FixedPrograms::UseScreen(gfx::Texture* texture, eTextureOp op)
{
    _device.SetProgram(_screen.get());
    _device.SetTexture(0, texture);
    _screen->SetInt(_textureOp, texture ? op : TOP_DIFFUSE);
}
