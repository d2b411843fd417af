#include "platform/effect/Effect.h"

#include "platform/effect/EffectDesc.h"
#include "platform/effect/EffectPool.h"
#include "platform/effect/ParamValue.h"
#include "platform/effect/PassStates.h"
#include "platform/effect/Preprocessor.h"
#include "platform/effect/StateNames.h"
#include "platform/gfx/Program.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cstring>

namespace fx {

struct Effect::Pass
{
    std::string name;
    int program = -1; // -1: the pass sets states only
    PassStates states;
};

struct Effect::Technique
{
    std::string name;
    std::vector<Pass> passes;
    bool valid = true;
};

// What End puts back when Begin was asked to save states.
struct Effect::Saved
{
    gfx::Program* program = nullptr;
    AlphaTest alphaTest;
    PassStates touched; // which states some pass sets
};

std::unique_ptr<Effect> Effect::Create(EffectPool& pool, const std::string& source, const std::string& name,
                                       const std::vector<Macro>& macros, IncludeHandler* includes, std::string* errors)
{
    std::string messages;
    PreprocessedSource text;
    EffectDesc desc;
    std::unique_ptr<Effect> effect;
    if (Preprocess(source, name, macros, includes, text, messages) && ParseEffect(text, desc, messages))
    {
        effect.reset(new Effect(pool, name));
        if (!effect->Build(desc, text, macros, messages))
            effect.reset();
    }
    if (errors)
        *errors = messages;
    return effect;
}

Effect::Effect(EffectPool& pool, std::string name) : _pool(pool), _device(pool.GetDevice()), _name(std::move(name))
{
    _pool.AddEffect(this);
}

// Programs leave the device's caches themselves.
Effect::~Effect() { _pool.RemoveEffect(this); }

bool Effect::Build(const EffectDesc& desc, const PreprocessedSource& source, const std::vector<Macro>& macros,
                   std::string& errors)
{
    auto fail = [&](int line, const std::string& message) {
        errors += source.Where(static_cast<size_t>(line)) + ": error: " + message + "\n";
        return false;
    };
    for (const ParamDecl& decl : desc.params)
    {
        std::shared_ptr<ParamValue> value;
        if (decl.desc.flags & ParamShared)
        {
            std::string error;
            value = _pool.AcquireShared(decl, error);
            if (!value)
                return fail(decl.line, error);
        }
        else
        {
            value = _pool.MakeValue(decl);
        }
        _params.push_back({decl.desc, std::move(value)});
    }
    for (const SamplerDecl& s : desc.samplers)
    {
        const Handle texture = GetParameterByName(s.texture.c_str());
        if (texture == kNoHandle || _params[texture].desc.type != ParamType::Texture)
            return fail(s.line,
                        "sampler \"" + s.name + "\" reads \"" + s.texture + "\", which is no texture parameter");
        if (_samplerStates.size() >= gfx::Device::kMaxTextureUnits)
            return fail(s.line, "too many samplers");
        _samplerStates.emplace_back(texture, s.state);
        _samplerNames.push_back(s.name);
    }
    for (const TechniqueDecl& t : desc.techniques)
    {
        if (GetTechniqueByName(t.name.c_str()) != kNoHandle)
            return fail(t.line, "technique \"" + t.name + "\" declared twice");
        auto technique = std::make_unique<Technique>();
        technique->name = t.name;
        for (const PassDecl& p : t.passes)
        {
            Pass pass;
            pass.name = p.name;
            std::string error;
            int errorLine = p.line;
            if (!ParsePassStates(p.states, pass.states, error, errorLine))
                return fail(errorLine, error);
            if (p.vertex.empty() != p.fragment.empty())
                return fail(p.line, "pass \"" + p.name + "\" needs both a VertexShader and a FragmentShader");
            if (!p.vertex.empty())
            {
                pass.program = BuildProgram(desc, source, macros, p.vertex, p.fragment, p.line, errors);
                if (pass.program < 0)
                    return false;
            }
            technique->passes.push_back(std::move(pass));
        }
        _techniques.push_back(std::move(technique));
    }
    SetTechnique(FindNextValidTechnique(kNoHandle));
    return true;
}

const ParamDesc* Effect::GetParameterDesc(Handle param) const
{
    return param >= 0 && param < static_cast<Handle>(_params.size()) ? &_params[param].desc : nullptr;
}

Handle Effect::GetParameterByName(const char* name) const
{
    if (!name)
        return kNoHandle;
    for (size_t i = 0; i < _params.size(); ++i)
        if (_params[i].desc.name == name)
            return static_cast<Handle>(i);
    return kNoHandle;
}

Handle Effect::GetParameterBySemantic(const char* semantic) const
{
    if (!semantic || !*semantic)
        return kNoHandle;
    for (size_t i = 0; i < _params.size(); ++i)
        if (EqualsNoCase(_params[i].desc.semantic, semantic))
            return static_cast<Handle>(i);
    return kNoHandle;
}

void Effect::Changed(int param, size_t bytes)
{
    ParamValue& value = *_params[param].value;
    value.version = _pool.NextVersion();
    value.dirtyBytes = std::max(value.dirtyBytes, bytes ? bytes : value.words.size() * 4);
    if (_recording)
        _recording->push_back({param, value.words, value.texture});
}

bool Effect::SetInt(Handle param, int value)
{
    if (!GetParameterDesc(param))
        return false;
    ParamValue& v = *_params[param].value;
    if (v.type != ParamType::Int && v.type != ParamType::Float)
        return false;
    if (v.type == ParamType::Float)
    {
        const float f = static_cast<float>(value);
        std::memcpy(v.words.data(), &f, 4);
    }
    else
    {
        std::memcpy(v.words.data(), &value, 4);
    }
    Changed(param);
    return true;
}

bool Effect::SetFloat(Handle param, float value)
{
    if (!GetParameterDesc(param))
        return false;
    ParamValue& v = *_params[param].value;
    if (v.type != ParamType::Int && v.type != ParamType::Float)
        return false;
    if (v.type == ParamType::Int)
    {
        const int32_t i = SaturateToInt(value);
        std::memcpy(v.words.data(), &i, 4);
    }
    else
    {
        std::memcpy(v.words.data(), &value, 4);
    }
    Changed(param);
    return true;
}

bool Effect::SetValue(Handle param, const void* data, unsigned bytes)
{
    if (!GetParameterDesc(param) || !data)
        return false;
    ParamValue& v = *_params[param].value;
    if (v.type == ParamType::Texture)
        return false;
    std::memcpy(v.words.data(), data, std::min<size_t>(bytes, v.words.size() * 4));
    Changed(param);
    return true;
}

bool Effect::SetVector(Handle param, const float* xyzw)
{
    const ParamDesc* desc = GetParameterDesc(param);
    if (!desc || desc->typeClass != ParamClass::Vector)
        return false;
    return SetValue(param, xyzw, 16);
}

bool Effect::SetMatrix(Handle param, const float* matrix)
{
    const ParamDesc* desc = GetParameterDesc(param);
    if (!desc || desc->type != ParamType::Mat4)
        return false;
    return SetValue(param, matrix, 64);
}

bool Effect::SetMatrixArray(Handle param, const float* matrices, unsigned count)
{
    const ParamDesc* desc = GetParameterDesc(param);
    if (!desc || desc->type != ParamType::Mat4 || !matrices)
        return false;
    const unsigned room = std::max(desc->elements, 1u);
    SetValue(param, matrices, std::min(count, room) * 64);
    return count <= room;
}

bool Effect::SetMatrixPointerArray(Handle param, const float* const* matrices, unsigned count)
{
    const ParamDesc* desc = GetParameterDesc(param);
    if (!desc || desc->type != ParamType::Mat4 || !matrices)
        return false;
    ParamValue& v = *_params[param].value;
    const unsigned room = std::max(desc->elements, 1u);
    const unsigned n = std::min(count, room);
    for (unsigned i = 0; i < n; ++i)
        if (matrices[i])
            std::memcpy(v.words.data() + i * 16, matrices[i], 64);
    Changed(param, n * 64);
    return count <= room;
}

bool Effect::SetTexture(Handle param, gfx::Texture* texture)
{
    const ParamDesc* desc = GetParameterDesc(param);
    if (!desc || desc->type != ParamType::Texture)
        return false;
    _params[param].value->texture = texture;
    Changed(param);
    return true;
}

bool Effect::GetValue(Handle param, void* out, unsigned bytes) const
{
    if (!GetParameterDesc(param) || !out)
        return false;
    const ParamValue& v = *_params[param].value;
    if (v.type == ParamType::Texture)
        return false;
    std::memcpy(out, v.words.data(), std::min<size_t>(bytes, v.words.size() * 4));
    return true;
}

gfx::Texture* Effect::GetTexture(Handle param) const
{
    const ParamDesc* desc = GetParameterDesc(param);
    return desc && desc->type == ParamType::Texture ? _params[param].value->texture : nullptr;
}

void Effect::ForgetTexture(const gfx::Texture* texture)
{
    for (Param& p : _params)
    {
        if (p.value->texture == texture)
        {
            p.value->texture = nullptr;
            p.value->version = _pool.NextVersion();
        }
    }
    const auto forget = [texture](std::vector<BlockEntry>& entries) {
        for (BlockEntry& e : entries)
            if (e.texture == texture)
                e.texture = nullptr;
    };
    for (auto& [handle, entries] : _blocks)
        forget(entries);
    if (_recording)
        forget(*_recording);
}

void Effect::BeginParameterBlock() { _recording.emplace(); }

Handle Effect::EndParameterBlock()
{
    if (!_recording)
        return kNoHandle;
    const Handle block = _nextBlock++;
    _blocks[block] = std::move(*_recording);
    _recording.reset();
    return block;
}

bool Effect::ApplyParameterBlock(Handle block)
{
    const auto it = _blocks.find(block);
    if (it == _blocks.end())
        return false;
    for (const BlockEntry& e : it->second)
    {
        ParamValue& v = *_params[e.param].value;
        v.words = e.words;
        v.texture = e.texture;
        Changed(e.param);
    }
    return true;
}

void Effect::DeleteParameterBlock(Handle block) { _blocks.erase(block); }

Handle Effect::GetTechniqueByName(const char* name) const
{
    if (!name)
        return kNoHandle;
    for (size_t i = 0; i < _techniques.size(); ++i)
        if (_techniques[i]->name == name)
            return static_cast<Handle>(i);
    return kNoHandle;
}

const char* Effect::GetTechniqueName(Handle technique) const
{
    return technique >= 0 && technique < static_cast<Handle>(_techniques.size()) ? _techniques[technique]->name.c_str()
                                                                                 : nullptr;
}

bool Effect::ValidateTechnique(Handle technique) const
{
    return technique >= 0 && technique < static_cast<Handle>(_techniques.size()) && _techniques[technique]->valid;
}

Handle Effect::FindNextValidTechnique(Handle previous) const
{
    for (Handle t = std::max(previous + 1, 0); t < static_cast<Handle>(_techniques.size()); ++t)
        if (ValidateTechnique(t))
            return t;
    return kNoHandle;
}

bool Effect::SetTechnique(Handle technique)
{
    if (technique != kNoHandle && (technique < 0 || technique >= static_cast<Handle>(_techniques.size())))
        return false;
    _technique = technique;
    return true;
}

unsigned Effect::GetPassCount(Handle technique) const
{
    return GetTechniqueName(technique) ? static_cast<unsigned>(_techniques[technique]->passes.size()) : 0;
}

const char* Effect::GetPassName(Handle technique, unsigned pass) const
{
    if (pass >= GetPassCount(technique))
        return nullptr;
    return _techniques[technique]->passes[pass].name.c_str();
}

unsigned Effect::Begin(unsigned flags)
{
    if (!ValidateTechnique(_technique))
        return 0;
    _begun = true;
    _saved.reset();
    if (!(flags & DoNotSaveState))
    {
        _saved = std::make_unique<Saved>();
        _saved->program = _device.GetProgram();
        _saved->alphaTest = _pool.GetAlphaTest();
        PassStates& t = _saved->touched;
        for (const Pass& p : _techniques[_technique]->passes)
        {
            const PassStates& s = p.states;
            if (s.depthTest)
                t.depthTest = true;
            if (s.depthWrite)
                t.depthWrite = true;
            if (s.depthFunc)
                t.depthFunc = gfx::CmpFunc::LessEqual;
            if (s.blend)
                t.blend = gfx::BlendState{};
            if (s.cull)
                t.cull = gfx::CullMode::Ccw;
            if (s.fill)
                t.fill = gfx::FillMode::Solid;
            if (s.colorWrite)
                t.colorWrite = gfx::WriteAll;
            if (s.stencil)
                t.stencil = gfx::StencilState{};
        }
    }
    return GetPassCount(_technique);
}

void Effect::ApplyStates(const PassStates& s)
{
    if (s.depthTest)
        _device.SetDepthTest(*s.depthTest);
    if (s.depthWrite)
        _device.SetDepthWrite(*s.depthWrite);
    if (s.depthFunc)
        _device.SetDepthFunc(*s.depthFunc);
    if (s.blend)
        _device.SetBlend(*s.blend);
    if (s.cull)
        _device.SetCullMode(*s.cull);
    if (s.fill)
        _device.SetFillMode(*s.fill);
    if (s.colorWrite)
        _device.SetColorWrite(*s.colorWrite);
    if (s.stencil)
        _device.SetStencil(*s.stencil);
    if (s.alphaTest || s.alphaFunc || s.alphaReference)
    {
        AlphaTest alpha = _pool.GetAlphaTest();
        if (s.alphaTest)
            alpha.enable = *s.alphaTest;
        if (s.alphaFunc)
            alpha.func = *s.alphaFunc;
        if (s.alphaReference)
            alpha.reference = *s.alphaReference;
        _pool.SetAlphaTest(alpha);
    }
}

bool Effect::BeginPass(unsigned pass)
{
    if (!_begun || pass >= GetPassCount(_technique))
        return false;
    const Pass& p = _techniques[_technique]->passes[pass];
    ApplyStates(p.states);
    _currentProgram = p.program;
    if (_currentProgram >= 0)
    {
        Program& program = CurrentProgram();
        _device.SetProgram(program.program.get());
        Upload(program);
    }
    return true;
}

void Effect::CommitChanges()
{
    if (!_begun || _currentProgram < 0)
        return;
    Program& program = CurrentProgram();
    _device.SetProgram(program.program.get());
    Upload(program);
}

void Effect::EndPass() {}

void Effect::End()
{
    if (!_begun)
        return;
    _begun = false;
    _currentProgram = -1;
    if (!_saved)
        return;
    // The device keeps no record of earlier values: states a pass changed go back to the
    // device defaults, the program and the alpha test to what they were.
    ApplyStates(_saved->touched);
    _device.SetProgram(_saved->program);
    _pool.SetAlphaTest(_saved->alphaTest);
    _saved.reset();
}

void Effect::Upload(Program& p)
{
    for (Uniform& u : p.uniforms)
    {
        ParamValue& v = *_params[u.param].value;
        if (v.version == u.uploaded)
            continue;
        u.uploaded = v.version;
        const float* f = reinterpret_cast<const float*>(v.words.data());
        switch (v.type)
        {
        case ParamType::Int: glUniform1i(u.location, static_cast<GLint>(v.words[0])); break;
        case ParamType::Float: glUniform1fv(u.location, 1, f); break;
        case ParamType::Vec2: glUniform2fv(u.location, 1, f); break;
        case ParamType::Vec3: glUniform3fv(u.location, 1, f); break;
        case ParamType::Vec4: glUniform4fv(u.location, 1, f); break;
        case ParamType::Mat4: glUniformMatrix4fv(u.location, 1, GL_FALSE, f); break;
        case ParamType::Texture: break;
        }
    }
    for (int b : p.buffers)
        _pool.BindBuffer(*_params[b].value);
    for (const Sampler& s : p.samplers)
    {
        _device.SetTexture(s.unit, _params[s.param].value->texture);
        _device.SetSamplerState(s.unit, _samplerStates[s.unit].second);
    }
    if (p.alphaUploaded != _pool.GetAlphaTestVersion())
    {
        p.alphaUploaded = _pool.GetAlphaTestVersion();
        const AlphaTest& a = _pool.GetAlphaTest();
        glUniform1i(p.alphaFunc, a.enable ? static_cast<GLint>(a.func) + 1 : 0);
        glUniform1i(p.alphaReference, static_cast<GLint>(a.reference));
    }
    if (p.shadingUploaded != _pool.GetShadingVersion())
    {
        p.shadingUploaded = _pool.GetShadingVersion();
        const Shading& s = _pool.GetShading();
        glUniform1i(p.lighting, s.lighting ? 1 : 0);
        glUniform1i(p.flatShading, s.flat ? 1 : 0);
    }
}

} // namespace fx
