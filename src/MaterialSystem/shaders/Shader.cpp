#include "MaterialSystem/shaders/Shader.h"

#include "MaterialSystem/shaders/ShaderParams.h"
#include "platform/effect/Effect.h"

#include <cctype>
#include <cstring>

Shader::Shader(const ResourceInfo& info) : IResource(info), _type(ShaderTypeFromName(info.name)) {}

// The default parameters are recorded on the effect, so they go first.
Shader::~Shader()
{
    _defaultParams.reset();
    _effect.reset();
}

eShaderType Shader::ShaderTypeFromName(const char* name)
{
    if (!name || !*name)
        return SHADER_TYPE_PLAIN;
    if (name[0] == '$')
        return SHADER_TYPE_BUILTIN;
    const char* bar = std::strchr(name, '_');
    if (!bar)
        return SHADER_TYPE_PLAIN;
    std::string prefix(name, bar);
    for (char& c : prefix)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (prefix == "INC")
        return SHADER_TYPE_INCLUDE;
    if (prefix == "SYS")
        return SHADER_TYPE_SYSTEM;
    if (prefix == "MAT")
        return SHADER_TYPE_MATERIAL;
    if (prefix == "PP")
        return SHADER_TYPE_POSTPROCESS;
    return SHADER_TYPE_PLAIN;
}

void Shader::ShaderNameFromType(eShaderType type, const char* name, std::string& out)
{
    static const char* const prefixes[] = {"", "$", "INC_", "SYS_", "MAT_", "PP_"};
    if (type <= SHADER_TYPE_POSTPROCESS)
        out += prefixes[type];
    out += name ? name : "";
    if (!name || !std::strstr(name, ".fx"))
        out += ".fx";
}

void Shader::Initialize(std::unique_ptr<fx::Effect> effect)
{
    _effect = std::move(effect);
    if (!_effect)
        return;
    _deferredShading = _effect->GetParameterByName("usingDeferredShading") != fx::kNoHandle;
    _emissive = _effect->GetParameterByName("usingEmissive") != fx::kNoHandle;
    _clearWithBaseMap = _effect->GetParameterByName("clearWhereBaseMapClear") != fx::kNoHandle;
    if (_numValidTechniques == 0)
        SelectFirstValidTechnique(nullptr);
    if (_type == SHADER_TYPE_SYSTEM || _type == SHADER_TYPE_MATERIAL || _type == SHADER_TYPE_POSTPROCESS)
    {
        _defaultParams = std::make_unique<ShaderParams>();
        _defaultParams->BindShader(this, ShaderParams::BIND_COLLECT_DEFAULTS);
    }
}

unsigned Shader::ValidateAllTechniques()
{
    _numValidTechniques = 0;
    if (!_effect)
        return 0;
    for (fx::Handle t = _effect->FindNextValidTechnique(fx::kNoHandle); t != fx::kNoHandle;
         t = _effect->FindNextValidTechnique(t))
    {
        // More than the table holds are left out: the first ones are those ever selected.
        if (_numValidTechniques == MaxValidTechniques)
            break;
        _validTechniques[_numValidTechniques++] = t;
    }
    return _numValidTechniques;
}

bool Shader::SelectTechnique(unsigned index)
{
    if (!_effect || index >= _numValidTechniques)
        return false;
    _currentIndex = index;
    _technique = _validTechniques[index];
    _effect->SetTechnique(_technique);
    _numPasses = _effect->GetPassCount(_technique);
    _hasRestorePass = false;
    for (unsigned p = 0; p < _numPasses; ++p)
    {
        const char* pass = _effect->GetPassName(_technique, p);
        if (std::strcmp(pass, "Restore") == 0 || std::strcmp(pass, "restore") == 0)
            _hasRestorePass = true;
    }
    // The restore pass is the last one and runs only at End.
    if (_hasRestorePass)
        --_numPasses;
    return true;
}

bool Shader::SelectFirstValidTechnique(std::string* name)
{
    if (_numValidTechniques == 0)
        ValidateAllTechniques();
    if (_numValidTechniques == 0)
        return false;
    if (!name)
        return SelectTechnique(0);
    for (unsigned i = 0; i < _numValidTechniques; ++i)
    {
        const char* technique = _effect->GetTechniqueName(_validTechniques[i]);
        *name = technique;
        if (std::strcmp(technique, "Dummy") != 0)
            return SelectTechnique(i);
    }
    return false;
}

bool Shader::IsCurrentTechniqueValid() const
{
    return _effect && _technique != fx::kNoHandle && _effect->ValidateTechnique(_technique);
}

unsigned Shader::Begin(unsigned flags)
{
    if (!_effect || _technique == fx::kNoHandle)
        return 0;
    _effect->Begin(flags);
    return _numPasses;
}

void Shader::BeginPass(unsigned pass)
{
    if (_effect)
        _effect->BeginPass(pass);
}

void Shader::EndPass()
{
    if (_effect)
        _effect->EndPass();
}

void Shader::ApplyChanges()
{
    if (_effect)
        _effect->CommitChanges();
}

void Shader::End()
{
    if (!_effect)
        return;
    if (_hasRestorePass)
    {
        _effect->BeginPass(_numPasses);
        _effect->EndPass();
    }
    _effect->End();
}

void Shader::OnDeviceReset(gfx::Device*)
{
    if (_effect)
        _effect->OnLostDevice();
}

void Shader::OnDeviceRestore(gfx::Device*)
{
    if (!_effect)
        return;
    _effect->OnResetDevice();
    const fx::Handle current = _technique;
    ValidateAllTechniques();
    for (unsigned i = 0; i < _numValidTechniques; ++i)
        if (_validTechniques[i] == current)
        {
            SelectTechnique(i);
            return;
        }
    SelectTechnique(0);
}
