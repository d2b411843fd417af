#include "scene/particles/Emitter.h"

#include "scene/particles/ParticleEmitter.h"
#include "scene/visitors/NodeVisitor.h"

#include <algorithm>

Emitter::Emitter(Group* root, RenderScene* scene) : Group(root, scene) {}

bool Emitter::AcceptVisitor(NodeVisitor& visitor) { return visitor.Visit(*this); }

bool Emitter::PostAcceptVisitor(NodeVisitor& visitor) { return visitor.PostVisit(*this); }

void Emitter::AddChild(Node* node)
{
    Group::AddChild(node);
    if (node && node->GetType() == NT_PARTICLEEMITTER)
        _emitters.push_back(static_cast<ParticleEmitter*>(node));
}

void Emitter::RemoveChild(Node* node)
{
    Group::RemoveChild(node);
    auto it = std::find(_emitters.begin(), _emitters.end(), node);
    if (it != _emitters.end())
        _emitters.erase(it);
}

void Emitter::RemoveChildren()
{
    _emitters.clear();
    Group::RemoveChildren();
}

void Emitter::DestroyChildren()
{
    _emitters.clear();
    Group::DestroyChildren();
}

void Emitter::Update(float seconds)
{
    if (_playing && !_skipUpdate)
    {
        const float d = seconds * _speedFactor;
        if (_rotation.x != 0.0f)
            Pitch(_rotation.x * d, CS_LOCAL);
        if (_rotation.y != 0.0f)
            Yaw(_rotation.y * d, CS_LOCAL);
        if (_rotation.z != 0.0f)
            Roll(_rotation.z * d, CS_LOCAL);
        unsigned live = 0;
        for (ParticleEmitter* emitter : _emitters)
        {
            if (!_stopping)
                emitter->UpdateEmitterState(d);
            emitter->Update(d);
            live += emitter->GetTotalParticles();
        }
        if (_stopping && live == 0)
            _stopping = _playing = false;
        NeedUpdate();
    }
    _skipUpdate = false;
}

void Emitter::Play(float speed)
{
    _playing = true;
    _stopping = false;
    _speedFactor = speed;
}

void Emitter::Stop()
{
    _stopping = true;
    for (ParticleEmitter* emitter : _emitters)
        emitter->EnableEmissions(false);
}

void Emitter::Ffwd(float time, float step)
{
    if (!(step > 0.0f))
        return;
    const bool playing = _playing, stopping = _stopping;
    const float speed = _speedFactor;
    _playing = true;
    _stopping = false;
    _speedFactor = 1.0f;
    // Counted in double: a float sum stops growing once the step is below its precision.
    for (double elapsed = 0.0; elapsed < time; elapsed += step)
        Update(step);
    _playing = playing;
    _stopping = stopping;
    _speedFactor = speed;
}

float Emitter::GetTotalDuration() const
{
    float duration = 0.0f, lifetime = 0.0f;
    for (ParticleEmitter* emitter : _emitters)
    {
        duration = std::max(duration, emitter->GetDuration());
        lifetime = std::max(lifetime, emitter->GetEmissionLifetime().GetMax());
    }
    const float total = duration + lifetime;
    return _speedFactor > 0.0f ? total / _speedFactor : total;
}

ParticleEmitter* Emitter::AddParticleEmitter()
{
    auto* emitter = new ParticleEmitter(GetRoot(), GetScene());
    AddChild(emitter);
    return emitter;
}

ParticleEmitter* Emitter::GetParticleEmitter(unsigned index) const
{
    return index < _emitters.size() ? _emitters[index] : nullptr;
}

void Emitter::RemoveParticleEmitter(ParticleEmitter* emitter)
{
    if (std::find(_emitters.begin(), _emitters.end(), emitter) != _emitters.end())
        DestroyChild(emitter);
}
