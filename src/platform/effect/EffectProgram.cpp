// Turns the code blocks of an effect into the GLSL of one pass program and links it.

#include "platform/effect/Effect.h"

#include "foundation/base/Dumper.h"
#include "platform/effect/EffectDesc.h"
#include "platform/effect/EffectPool.h"
#include "platform/effect/ParamValue.h"
#include "platform/effect/Preprocessor.h"
#include "platform/gfx/Program.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cstdlib>
#include <regex>

namespace fx {

namespace {

// Compilers do not name the source string in every message, so the file travels in the line
// number: line l of file i reads as (i + 1) x kFileStride + l; the runtime's own text is file 0.
constexpr int kGeneratedSource = 0;
constexpr int kFileStride = 100000;

const char* kFragmentPrologue = "layout(location = 0) out vec4 fx_Target0;\n"
                                "layout(location = 1) out vec4 fx_Target1;\n"
                                "layout(location = 2) out vec4 fx_Target2;\n"
                                "layout(location = 3) out vec4 fx_Target3;\n"
                                "uniform int fx_AlphaFunc;\n"
                                "uniform int fx_AlphaReference;\n";

// Lighting and shading as render states: both stages may read them.
const char* kCommonPrologue = "uniform int fx_Lighting;\n"
                              "uniform int fx_FlatShading;\n";

// The normal to light a fragment with. Flat shading takes the face's own normal from the
// derivatives of the position (any space the normal is in), turned to the normal's side, so a
// triangle lit by a direction gets one colour.
const char* kShadingNormal = "vec3 fx_ShadingNormal(vec3 normal, vec3 position)\n"
                             "{\n"
                             "    if (fx_FlatShading != 0) {\n"
                             "        vec3 face = cross(dFdx(position), dFdy(position));\n"
                             "        if (length(face) > 0.0) {\n"
                             "            face = normalize(face);\n"
                             "            return dot(face, normal) < 0.0 ? -face : face;\n"
                             "        }\n"
                             "    }\n"
                             "    return length(normal) > 0.0 ? normalize(normal) : vec3(0.0);\n"
                             "}\n";

const char* kFragmentEpilogue = "\n#undef main\n"
                                "void main() { fx_user_main(); }\n";

// Alpha test as the device did it: alpha x 255 compared with a 0..255 reference.
const char* kAlphaTestEpilogue = "\n#undef main\n"
                                 "void main()\n"
                                 "{\n"
                                 "    fx_user_main();\n"
                                 "    if (fx_AlphaFunc != 0) {\n"
                                 "        int a = int(clamp(fx_Target0.a, 0.0, 1.0) * 255.0 + 0.5);\n"
                                 "        int r = fx_AlphaReference;\n"
                                 "        bool keep = true;\n"
                                 "        switch (fx_AlphaFunc) {\n"
                                 "        case 1: keep = false; break;\n"
                                 "        case 2: keep = a < r; break;\n"
                                 "        case 3: keep = a == r; break;\n"
                                 "        case 4: keep = a <= r; break;\n"
                                 "        case 5: keep = a > r; break;\n"
                                 "        case 6: keep = a != r; break;\n"
                                 "        case 7: keep = a >= r; break;\n"
                                 "        default: break;\n"
                                 "        }\n"
                                 "        if (!keep) discard;\n"
                                 "    }\n"
                                 "}\n";

const char* GlslType(ParamType type) { return type == ParamType::Int ? "int" : ParamTypeName(type); }

int LineOfOffset(const std::string& text, size_t offset)
{
    return static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(offset), '\n'));
}

// A "#line" that makes the next line read as `line` of `source`.
std::string LineDirective(int line, int source)
{
    return "#line " + std::to_string(source * kFileStride + line) + " " + std::to_string(source) + "\n";
}

// Appends output lines [first, first + pieces) of the preprocessed text, with "#line" marks
// wherever the origin jumps.
void AppendMapped(std::string& out, const PreprocessedSource& source, size_t begin, size_t end)
{
    const std::string block = source.text.substr(begin, end - begin);
    int line = LineOfOffset(source.text, begin);
    SourceLine previous{-1, -1};
    size_t start = 0;
    for (;;)
    {
        size_t stop = block.find('\n', start);
        if (stop == std::string::npos)
            stop = block.size();
        if (line >= 0 && static_cast<size_t>(line) < source.lines.size())
        {
            const SourceLine& at = source.lines[line];
            if (at.file != previous.file || at.line != previous.line + 1)
                out += LineDirective(at.line, at.file + 1);
            previous = at;
        }
        out.append(block, start, stop - start);
        out += '\n';
        if (stop >= block.size())
            break;
        start = stop + 1;
        ++line;
    }
}

// Compiler messages name "source:line(column)"; give them the effect's file names.
std::string TranslateLog(const std::string& log, const PreprocessedSource& source, const std::string& effect)
{
    static const std::regex where(R"((\d+):(\d+)\((\d+)\))");
    std::string out;
    auto it = std::sregex_iterator(log.begin(), log.end(), where);
    size_t last = 0;
    for (; it != std::sregex_iterator(); ++it)
    {
        const std::smatch& m = *it;
        // strtol saturates where stol would throw on a number too long for a long.
        const long number = std::strtol(m[2].str().c_str(), nullptr, 10);
        const long file = number / kFileStride - 1;
        out.append(log, last, static_cast<size_t>(m.position(0)) - last);
        const std::string name = file >= 0 && file < static_cast<long>(source.files.size())
                                     ? source.files[static_cast<size_t>(file)]
                                     : effect + " (generated)";
        out += name + "(" + std::to_string(number % kFileStride) + ")";
        last = static_cast<size_t>(m.position(0) + m.length(0));
    }
    out.append(log, last, std::string::npos);
    out.erase(std::remove(out.begin(), out.end(), '\0'), out.end());
    return out;
}

} // namespace

int Effect::BuildProgram(const EffectDesc& desc, const PreprocessedSource& source, const std::vector<Macro>& macros,
                         const std::string& vertex, const std::string& fragment, int line, std::string& errors)
{
    const auto key = std::make_pair(vertex, fragment);
    if (const auto it = _programIndex.find(key); it != _programIndex.end())
        return it->second;

    const CodeBlock* stages[2] = {nullptr, nullptr};
    const std::string* names[2] = {&vertex, &fragment};
    const CodeKind kinds[2] = {CodeKind::Vertex, CodeKind::Fragment};
    for (int s = 0; s < 2; ++s)
    {
        for (const CodeBlock& b : desc.code)
            if (b.kind == kinds[s] && b.name == *names[s])
                stages[s] = &b;
        if (!stages[s])
        {
            errors += source.Where(static_cast<size_t>(line)) + ": error: no " + (s ? "fragment" : "vertex") +
                      " code block named \"" + *names[s] + "\"\n";
            return -1;
        }
    }

    std::string common = LineDirective(1, kGeneratedSource);
    for (const Macro& m : macros)
        common += "#define " + m.name + " " + (m.value.empty() ? "1" : m.value) + "\n";
    for (size_t d : desc.directives)
    {
        const SourceLine& at = source.lines[d];
        size_t begin = 0;
        for (size_t i = 0; i < d; ++i)
            begin = source.text.find('\n', begin) + 1;
        const size_t end = std::min(source.text.find('\n', begin), source.text.size());
        common += LineDirective(at.line, at.file + 1) + source.text.substr(begin, end - begin) + "\n";
    }
    common += LineDirective(1, kGeneratedSource);
    for (const Param& p : _params)
    {
        if (p.desc.type == ParamType::Texture)
            continue;
        if (p.desc.elements)
            common += "layout(std140) uniform fxblock_" + p.desc.name + " { " + GlslType(p.desc.type) + " " +
                      p.desc.name + "[" + std::to_string(p.desc.elements) + "]; };\n";
        else
            common += std::string("uniform ") + GlslType(p.desc.type) + " " + p.desc.name + ";\n";
    }
    for (const std::string& s : _samplerNames)
        common += "uniform sampler2D " + s + ";\n";
    common += kCommonPrologue;
    for (const CodeBlock& b : desc.code)
        if (b.kind == CodeKind::Common)
            AppendMapped(common, source, b.begin, b.end);

    std::string vs = common;
    AppendMapped(vs, source, stages[0]->begin, stages[0]->end);
    std::string fs = common + LineDirective(1, kGeneratedSource) + kFragmentPrologue + kShadingNormal +
                     "#define main fx_user_main\n";
    AppendMapped(fs, source, stages[1]->begin, stages[1]->end);
    fs += LineDirective(1, kGeneratedSource);

    std::string log;
    Program program;
    program.program = gfx::Program::Create(_device, vs, fs + kFragmentEpilogue, &log);
    if (!program.program)
    {
        errors += TranslateLog(log, source, _name);
        if (!errors.empty() && errors.back() != '\n')
            errors += '\n';
        return -1;
    }
    Link(program);
    program.alphaVertex = std::move(vs);
    program.alphaFragment = fs + kAlphaTestEpilogue;
    _programs.push_back(std::move(program));
    const int index = static_cast<int>(_programs.size() - 1);
    _programIndex[key] = index;
    return index;
}

Effect::Program& Effect::CurrentProgram()
{
    Program& plain = _programs[_currentProgram];
    if (!_pool.GetAlphaTest().enable)
        return plain;
    if (!plain.alphaTested && !plain.alphaFragment.empty())
    {
        std::string log;
        auto tested = std::make_unique<Program>();
        tested->program = gfx::Program::Create(_device, plain.alphaVertex, plain.alphaFragment, &log);
        if (tested->program)
        {
            Link(*tested);
            plain.alphaTested = std::move(tested);
        }
        else
        {
            Dumper::Instance().Print(DUMP_ERROR, "Effect \"%s\": no alpha test: %s\n", _name.c_str(), log.c_str());
        }
        plain.alphaVertex.clear();
        plain.alphaFragment.clear();
    }
    return plain.alphaTested ? *plain.alphaTested : plain;
}

void Effect::Link(Program& p)
{
    const GLuint name = p.program->GetName();
    gfx::Program* previous = _device.GetProgram();
    _device.SetProgram(p.program.get());
    for (size_t i = 0; i < _params.size(); ++i)
    {
        const Param& param = _params[i];
        if (param.desc.type == ParamType::Texture)
            continue;
        if (param.desc.elements)
        {
            const std::string block = "fxblock_" + param.desc.name;
            const GLuint index = glGetUniformBlockIndex(name, block.c_str());
            if (index == GL_INVALID_INDEX)
                continue;
            glUniformBlockBinding(name, index, param.value->binding);
            p.buffers.push_back(static_cast<int>(i));
        }
        else
        {
            const GLint location = glGetUniformLocation(name, param.desc.name.c_str());
            if (location >= 0)
                p.uniforms.push_back({static_cast<int>(i), location, 0});
        }
    }
    for (size_t unit = 0; unit < _samplerNames.size(); ++unit)
    {
        const GLint location = glGetUniformLocation(name, _samplerNames[unit].c_str());
        if (location < 0)
            continue;
        glUniform1i(location, static_cast<GLint>(unit));
        p.samplers.push_back({_samplerStates[unit].first, static_cast<unsigned>(unit), location});
    }
    p.alphaFunc = glGetUniformLocation(name, "fx_AlphaFunc");
    p.alphaReference = glGetUniformLocation(name, "fx_AlphaReference");
    p.lighting = glGetUniformLocation(name, "fx_Lighting");
    p.flatShading = glGetUniformLocation(name, "fx_FlatShading");
    _device.SetProgram(previous);
}

} // namespace fx
