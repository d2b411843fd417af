#include "MaterialSystem/shaders/ShaderParams.h"

#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderLib.h"
#include "MaterialSystem/shaders/ShaderTexture.h"
#include "foundation/base/Assert.h"
#include "foundation/math/Color.h"
#include "foundation/math/Matrix.h"
#include "foundation/math/Vec3.h"
#include "platform/effect/Effect.h"

#include <algorithm>
#include <cstring>

ShaderParams::ShaderParams() = default;

ShaderParams::~ShaderParams() { DeleteBlock(); }

void ShaderParams::DeleteBlock()
{
    if (_block != fx::kNoHandle && _effect)
        _effect->DeleteParameterBlock(_block);
    _block = fx::kNoHandle;
}

void ShaderParams::ClearParams()
{
    _values.clear();
    _valueList.clear();
    _references.clear();
    _referenceIndex.clear();
    DeleteBlock();
    _changes = 0;
}

ShaderVar* ShaderParams::AddValue(const char* name, ShaderVar::eType type)
{
    if (!name)
        return nullptr;
    Remove(name);
    auto var = std::make_unique<ShaderVar>();
    var->type = type;
    ShaderVar* raw = var.get();
    _values[name] = std::move(var);
    _valueList.push_back(raw);
    _changes |= CHANGED_VALUES;
    return raw;
}

ShaderVar* ShaderParams::FindValue(const char* name, ShaderVar::eType type)
{
    const auto it = name ? _values.find(name) : _values.end();
    return it != _values.end() && it->second->type == type ? it->second.get() : nullptr;
}

const ShaderVar* ShaderParams::FindValue(const char* name) const
{
    const auto it = name ? _values.find(name) : _values.end();
    return it != _values.end() ? it->second.get() : nullptr;
}

ShaderVar* ShaderParams::AddInt(const char* name, int value)
{
    ShaderVar* var = AddValue(name, ShaderVar::TYPE_INT);
    if (var)
        var->intValue = value;
    return var;
}

ShaderVar* ShaderParams::AddFloat(const char* name, float value)
{
    ShaderVar* var = AddValue(name, ShaderVar::TYPE_FLOAT);
    if (var)
        var->value[0] = value;
    return var;
}

ShaderVar* ShaderParams::AddVector(const char* name, const Vec3& value)
{
    ShaderVar* var = AddValue(name, ShaderVar::TYPE_VECTOR);
    if (var)
        std::memcpy(var->value, &value, sizeof(float) * 3);
    return var;
}

ShaderVar* ShaderParams::AddColor(const char* name, const Color& value)
{
    ShaderVar* var = AddValue(name, ShaderVar::TYPE_COLOR);
    if (var)
        std::memcpy(var->value, &value, sizeof(float) * 4);
    return var;
}

ShaderVar* ShaderParams::AddMatrix(const char* name, const Matrix& value)
{
    ShaderVar* var = AddValue(name, ShaderVar::TYPE_MATRIX);
    if (var)
        std::memcpy(var->value, value.m, sizeof(float) * 16);
    return var;
}

ShaderVar* ShaderParams::AddTexture(const char* name, Texture* value)
{
    ShaderVar* var = AddValue(name, ShaderVar::TYPE_TEXTURE);
    if (!var)
        return nullptr;
    var->texture = value;
    _textures.push_back(value);
    return var;
}

void ShaderParams::SetInt(const char* name, int value)
{
    if (ShaderVar* var = FindValue(name, ShaderVar::TYPE_INT))
    {
        var->intValue = value;
        _changes |= CHANGED_VALUE;
    }
}

void ShaderParams::SetFloat(const char* name, float value)
{
    if (ShaderVar* var = FindValue(name, ShaderVar::TYPE_FLOAT))
    {
        var->value[0] = value;
        _changes |= CHANGED_VALUE;
    }
}

void ShaderParams::SetVector(const char* name, const Vec3& value)
{
    if (ShaderVar* var = FindValue(name, ShaderVar::TYPE_VECTOR))
    {
        std::memcpy(var->value, &value, sizeof(float) * 3);
        _changes |= CHANGED_VALUE;
    }
}

void ShaderParams::SetColor(const char* name, const Color& value)
{
    if (ShaderVar* var = FindValue(name, ShaderVar::TYPE_COLOR))
    {
        std::memcpy(var->value, &value, sizeof(float) * 4);
        _changes |= CHANGED_VALUE;
    }
}

void ShaderParams::SetMatrix(const char* name, const Matrix& value)
{
    if (ShaderVar* var = FindValue(name, ShaderVar::TYPE_MATRIX))
    {
        std::memcpy(var->value, value.m, sizeof(float) * 16);
        _changes |= CHANGED_VALUE;
    }
}

void ShaderParams::SetTexture(const char* name, Texture* value)
{
    if (ShaderVar* var = FindValue(name, ShaderVar::TYPE_TEXTURE))
    {
        var->texture = value;
        _changes |= CHANGED_VALUE;
    }
}

void ShaderParams::Remove(const char* name)
{
    const auto it = name ? _values.find(name) : _values.end();
    if (it == _values.end())
        return;
    _valueList.erase(std::find(_valueList.begin(), _valueList.end(), it->second.get()));
    _values.erase(it);
    _changes |= CHANGED_VALUES;
}

ShaderVar* ShaderParams::AddReference(const char* name, ShaderVar::eType type, const void* value)
{
    if (!name)
        return nullptr;
    auto var = std::make_unique<ShaderVar>();
    var->type = type;
    var->byReference = true;
    var->reference = value;
    ShaderVar* raw = var.get();
    _references.push_back(std::move(var));
    _referenceIndex.emplace(name, _references.size() - 1);
    _changes |= CHANGED_REFERENCES;
    return raw;
}

ShaderVar* ShaderParams::AddIntRef(const char* name, const int* value)
{
    return AddReference(name, ShaderVar::TYPE_INT, value);
}

ShaderVar* ShaderParams::AddFloatRef(const char* name, const float* value)
{
    return AddReference(name, ShaderVar::TYPE_FLOAT, value);
}

ShaderVar* ShaderParams::AddVectorRef(const char* name, const Vec3* value)
{
    return AddReference(name, ShaderVar::TYPE_VECTOR, value);
}

ShaderVar* ShaderParams::AddColorRef(const char* name, const Color* value)
{
    return AddReference(name, ShaderVar::TYPE_COLOR, value);
}

ShaderVar* ShaderParams::AddMatrixRef(const char* name, const Matrix* value)
{
    return AddReference(name, ShaderVar::TYPE_MATRIX, value);
}

void ShaderParams::RemoveRef(const char* name)
{
    const auto it = name ? _referenceIndex.find(name) : _referenceIndex.end();
    if (it == _referenceIndex.end())
        return;
    const size_t position = it->second;
    _references.erase(_references.begin() + static_cast<long>(position));
    _referenceIndex.erase(it);
    for (auto& [n, index] : _referenceIndex)
        if (index > position)
            --index;
    _changes |= CHANGED_REFERENCES;
}

void ShaderParams::BindDefaultShader() { BindShader(ShaderLib::GetInstance()->GetProxyShader(), BIND_RESOLVE); }

void ShaderParams::BindShader(Shader* shader, unsigned long flags)
{
    DeleteBlock();
    if (shader == reinterpret_cast<Shader*>(INVALID_RES_HANDLE))
        shader = nullptr;
    _shader = shader;
    _effect = shader ? shader->GetD3DEffect() : nullptr;
    if (flags & (BIND_COLLECT_DEFAULTS | BIND_DEFAULT_TEXTURES))
        CollectDefaults(flags);
    if (flags & BIND_RESOLVE)
        Update(CHANGED_VALUES | RESOLVE_REFERENCES);
}

void ShaderParams::CollectDefaults(unsigned long flags)
{
    DeleteBlock();
    if (!_effect)
        return;
    _effect->BeginParameterBlock();
    for (unsigned i = 0; i < _effect->GetParameterCount(); ++i)
    {
        const fx::ParamDesc& desc = *_effect->GetParameterDesc(static_cast<fx::Handle>(i));
        if (desc.flags == fx::ParamShared || desc.flags == fx::ParamLiteral || desc.semantic.empty())
            continue;
        if (flags & BIND_DEFAULT_TEXTURES)
            ExecRuntimeAssert("false", nullptr, "..\\MaterialSystem\\ShaderParams", 562,
                              "Default textures not implemented");
        const char* name = desc.semantic.c_str();
        ShaderVar* var = nullptr;
        if (desc.elements == 0)
        {
            switch (desc.type)
            {
            case fx::ParamType::Int: var = AddValue(name, ShaderVar::TYPE_INT); break;
            case fx::ParamType::Float: var = AddValue(name, ShaderVar::TYPE_FLOAT); break;
            case fx::ParamType::Vec3: var = AddValue(name, ShaderVar::TYPE_VECTOR); break;
            case fx::ParamType::Vec4: var = AddValue(name, ShaderVar::TYPE_COLOR); break;
            case fx::ParamType::Mat4: var = AddValue(name, ShaderVar::TYPE_MATRIX); break;
            default: break;
            }
        }
        if (!var)
            continue;
        if (var->type == ShaderVar::TYPE_INT)
            _effect->GetValue(static_cast<fx::Handle>(i), &var->intValue, 4);
        else
            _effect->GetValue(static_cast<fx::Handle>(i), var->value, sizeof(var->value));
        var->handle = static_cast<fx::Handle>(i);
        SetOnEffect(*var);
    }
    _block = _effect->EndParameterBlock();
    _changes = 0;
}

void ShaderParams::SetOnEffect(const ShaderVar& var)
{
    if (!_effect || var.handle == fx::kNoHandle)
        return;
    const void* data = var.byReference
                           ? var.reference
                           : (var.type == ShaderVar::TYPE_INT ? static_cast<const void*>(&var.intValue) : var.value);
    if (var.type == ShaderVar::TYPE_TEXTURE)
    {
        _effect->SetTexture(var.handle, DeviceTexture(var.byReference ? nullptr : var.texture));
        return;
    }
    if (!data)
        return;
    switch (var.type)
    {
    case ShaderVar::TYPE_INT: _effect->SetInt(var.handle, *static_cast<const int*>(data)); break;
    case ShaderVar::TYPE_FLOAT: _effect->SetFloat(var.handle, *static_cast<const float*>(data)); break;
    case ShaderVar::TYPE_VECTOR: _effect->SetValue(var.handle, data, 12); break;
    case ShaderVar::TYPE_COLOR:
        if (var.byReference)
            _effect->SetValue(var.handle, data, 16);
        else
            _effect->SetVector(var.handle, static_cast<const float*>(data));
        break;
    case ShaderVar::TYPE_MATRIX: _effect->SetMatrix(var.handle, static_cast<const float*>(data)); break;
    case ShaderVar::TYPE_TEXTURE: break;
    }
}

void ShaderParams::Update(unsigned long flags)
{
    if (flags)
        _changes = flags;
    if (_changes & (CHANGED_VALUE | CHANGED_VALUES))
    {
        DeleteBlock();
        if (!_values.empty() && _effect)
        {
            _effect->BeginParameterBlock();
            for (auto& [name, var] : _values)
            {
                if (_changes & CHANGED_VALUES)
                    var->handle = _effect->GetParameterBySemantic(name.c_str());
                SetOnEffect(*var);
            }
            _block = _effect->EndParameterBlock();
        }
    }
    if (_changes & (CHANGED_REFERENCES | RESOLVE_REFERENCES))
    {
        for (auto& [name, index] : _referenceIndex)
        {
            ShaderVar& var = *_references[index];
            if ((_changes & RESOLVE_REFERENCES) || var.handle == fx::kNoHandle)
                var.handle = _effect ? _effect->GetParameterBySemantic(name.c_str()) : fx::kNoHandle;
        }
    }
    _changes = 0;
}

void ShaderParams::ApplyToShader(void*)
{
    if (_changes)
        Update(0);
    if (!_effect)
        return;
    if (_block != fx::kNoHandle)
        _effect->ApplyParameterBlock(_block);
    for (const auto& var : _references)
        if (var->handle != fx::kNoHandle)
            SetOnEffect(*var);
}
