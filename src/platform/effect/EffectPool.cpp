#include "platform/effect/EffectPool.h"

#include "platform/effect/Effect.h"
#include "platform/effect/EffectDesc.h"
#include "platform/effect/ParamValue.h"

#include <epoxy/gl.h>

#include <algorithm>

namespace fx {

ParamValue::~ParamValue()
{
    if (buffer && !context.expired())
        glDeleteBuffers(1, &buffer);
}

EffectPool::EffectPool(gfx::Device& device) : _device(device), _link(device) { _device.AddTextureWatcher(this); }

EffectPool::~EffectPool()
{
    if (gfx::Device* device = _link.GetDevice())
        device->RemoveTextureWatcher(this);
}

void EffectPool::AddEffect(Effect* effect) { _effects.push_back(effect); }

void EffectPool::RemoveEffect(Effect* effect) { std::erase(_effects, effect); }

void EffectPool::OnTextureDestroyed(const gfx::Texture* texture)
{
    for (Effect* effect : _effects)
        effect->ForgetTexture(texture);
}

void EffectPool::SetAlphaTest(const AlphaTest& state)
{
    if (_alphaTest == state)
        return;
    _alphaTest = state;
    _alphaVersion = NextVersion();
}

void EffectPool::SetShading(const Shading& state)
{
    if (_shading == state)
        return;
    _shading = state;
    _shadingVersion = NextVersion();
}

std::shared_ptr<ParamValue> EffectPool::MakeValue(const ParamDecl& decl)
{
    auto value = std::make_shared<ParamValue>();
    value->type = decl.desc.type;
    value->elements = decl.desc.elements;
    value->words.assign(ParamWords(decl.desc.type) * std::max(decl.desc.elements, 1u), 0u);
    if (decl.defaults.size() == value->words.size())
        value->words = decl.defaults;
    value->version = NextVersion();
    if (decl.desc.elements > 0 && _link.HasContext())
    {
        GLint maxBindings = 36;
        glGetIntegerv(GL_MAX_UNIFORM_BUFFER_BINDINGS, &maxBindings);
        const unsigned usable = static_cast<unsigned>(std::max(maxBindings, 2)) - 1;
        value->binding = gfx::Device::kTargetBlockBinding + 1 + (_nextBinding++ - 1) % usable;
        glGenBuffers(1, &value->buffer);
        glBindBuffer(GL_UNIFORM_BUFFER, value->buffer);
        glBufferData(GL_UNIFORM_BUFFER, static_cast<GLsizeiptr>(value->words.size() * 4), value->words.data(),
                     GL_DYNAMIC_DRAW);
        value->uploaded = value->version;
        value->context = _device.GetContextToken();
    }
    return value;
}

std::shared_ptr<ParamValue> EffectPool::AcquireShared(const ParamDecl& decl, std::string& error)
{
    auto it = _shared.find(decl.desc.name);
    if (it == _shared.end())
        return _shared[decl.desc.name] = MakeValue(decl);
    const ParamValue& have = *it->second;
    if (have.type != decl.desc.type || have.elements != decl.desc.elements)
    {
        error = "shared parameter \"" + decl.desc.name + "\" was declared as " + ParamTypeName(have.type) +
                (have.elements ? "[" + std::to_string(have.elements) + "]" : std::string()) + " by another effect";
        return nullptr;
    }
    return it->second;
}

void EffectPool::BindBuffer(ParamValue& value)
{
    if (!value.buffer)
        return;
    if (value.uploaded != value.version)
    {
        glBindBuffer(GL_UNIFORM_BUFFER, value.buffer);
        const size_t bytes =
            std::min(value.dirtyBytes ? value.dirtyBytes : value.words.size() * 4, value.words.size() * 4);
        glBufferSubData(GL_UNIFORM_BUFFER, 0, static_cast<GLsizeiptr>(bytes), value.words.data());
        value.uploaded = value.version;
        value.dirtyBytes = 0;
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, value.binding, value.buffer);
}

} // namespace fx
