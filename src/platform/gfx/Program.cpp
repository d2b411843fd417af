#include "platform/gfx/Program.h"

#include "platform/gfx/Device.h"
#include "platform/gfx/GlHandle.h"

#include <string>

namespace gfx {

namespace {

const char* kCommonPrelude = "#define GFX_LOC_POSITION 0\n"
                             "#define GFX_LOC_COLOR0 1\n"
                             "#define GFX_LOC_COLOR1 2\n"
                             "#define GFX_LOC_NORMAL 3\n"
                             "#define GFX_LOC_TANGENT 4\n"
                             "#define GFX_LOC_BINORMAL 5\n"
                             "#define GFX_LOC_BLENDWEIGHT 6\n"
                             "#define GFX_LOC_TEXCOORD0 7\n"
                             "#define GFX_LOC_TEXCOORD1 8\n"
                             "#define GFX_LOC_TEXCOORD2 9\n"
                             "#define GFX_LOC_TEXCOORD3 10\n"
                             "#define GFX_LOC_TEXCOORD4 11\n"
                             "#define GFX_LOC_TEXCOORD5 12\n"
                             "#define GFX_LOC_TEXCOORD6 13\n"
                             "#define GFX_LOC_TEXCOORD7 14\n"
                             "layout(std140) uniform gfx_Target { vec4 gfx_TargetSize; };\n";

const char* kVertexPrelude =
    "vec4 gfx_PixelToClip(vec4 p)\n"
    "{\n"
    "    float w = 1.0 / p.w;\n"
    "    vec2 ndc = vec2((p.x + 0.5) * 2.0 * gfx_TargetSize.z - 1.0, 1.0 - (p.y + 0.5) * 2.0 * gfx_TargetSize.w);\n"
    "    return vec4(ndc * w, p.z * w, w);\n"
    "}\n"
    "#define main gfx_user_main\n";

// Without clip control the layer itself turns y over (rendering top row first) and maps
// depth 0..1 onto OpenGL's -1..1.
const char* kVertexEpilogue = "\n#undef main\n"
                              "void main()\n"
                              "{\n"
                              "    gfx_user_main();\n"
                              "#if !GFX_CLIP_CONTROL\n"
                              "    gl_Position.y = -gl_Position.y;\n"
                              "    gl_Position.z = 2.0 * gl_Position.z - gl_Position.w;\n"
                              "#endif\n"
                              "}\n";

GLuint Compile(GLenum stage, const std::string& source, std::string* log)
{
    GLuint shader = glCreateShader(stage);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok)
    {
        if (log)
        {
            GLint length = 0;
            glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
            std::string text(length > 0 ? length : 0, '\0');
            if (length > 0)
                glGetShaderInfoLog(shader, length, nullptr, text.data());
            *log += (stage == GL_VERTEX_SHADER ? "vertex: " : "fragment: ") + text;
        }
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

} // namespace

std::unique_ptr<Program> Program::Create(Device& device, const std::string& vertexSource,
                                         const std::string& fragmentSource, std::string* log)
{
    const std::string head = std::string("#version 330 core\n#define GFX_CLIP_CONTROL ") +
                             (device.UsesClipControl() ? "1\n" : "0\n") + kCommonPrelude;
    GlShader vs(Compile(GL_VERTEX_SHADER, head + kVertexPrelude + "#line 1\n" + vertexSource + kVertexEpilogue, log));
    GlShader fs(Compile(GL_FRAGMENT_SHADER, head + "#line 1\n" + fragmentSource, log));
    if (!vs || !fs)
        return nullptr;

    GlProgram program(glCreateProgram());
    glAttachShader(program.Get(), vs.Get());
    glAttachShader(program.Get(), fs.Get());
    glLinkProgram(program.Get());
    GLint ok = GL_FALSE;
    glGetProgramiv(program.Get(), GL_LINK_STATUS, &ok);
    if (!ok)
    {
        if (log)
        {
            GLint length = 0;
            glGetProgramiv(program.Get(), GL_INFO_LOG_LENGTH, &length);
            std::string text(length > 0 ? length : 0, '\0');
            if (length > 0)
                glGetProgramInfoLog(program.Get(), length, nullptr, text.data());
            *log += "link: " + text;
        }
        return nullptr;
    }
    const GLuint block = glGetUniformBlockIndex(program.Get(), "gfx_Target");
    if (block != GL_INVALID_INDEX)
        glUniformBlockBinding(program.Get(), block, Device::kTargetBlockBinding);
    return std::unique_ptr<Program>(new Program(device, program.Release()));
}

Program::Program(Device& device, unsigned name) : _link(device), _name(name) {}

Program::~Program()
{
    if (!_link.HasContext())
        return;
    if (Device* device = _link.GetDevice())
        device->ForgetProgram(this);
    glDeleteProgram(_name);
}

namespace {

// Uniforms are set on the current program in OpenGL 3.3; this makes the program current for
// one call and puts the previous one back.
class ScopedUse
{
public:
    ScopedUse(Device* device, Program* program) : _device(device)
    {
        if (!_device)
            return;
        _previous = device->GetProgram();
        _device->SetProgram(program);
    }
    ~ScopedUse()
    {
        if (_device)
            _device->SetProgram(_previous);
    }

private:
    Device* _device;
    Program* _previous = nullptr;
};

} // namespace

int Program::GetUniformLocation(const char* name) const { return glGetUniformLocation(_name, name); }

void Program::SetInt(int location, int value)
{
    if (location < 0)
        return;
    ScopedUse use(_link.GetDevice(), this);
    glUniform1i(location, value);
}

void Program::SetFloat(int location, float value)
{
    if (location < 0)
        return;
    ScopedUse use(_link.GetDevice(), this);
    glUniform1f(location, value);
}

void Program::SetFloat4(int location, const float* values, unsigned count)
{
    if (location < 0)
        return;
    ScopedUse use(_link.GetDevice(), this);
    glUniform4fv(location, count, values);
}

void Program::SetMatrix(int location, const float* matrices, unsigned count)
{
    // Row-major rows uploaded as columns: the GLSL matrix is the transpose, so M * v == v * M.
    if (location < 0)
        return;
    ScopedUse use(_link.GetDevice(), this);
    glUniformMatrix4fv(location, count, GL_FALSE, matrices);
}

} // namespace gfx
