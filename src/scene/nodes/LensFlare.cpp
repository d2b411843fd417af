#include "scene/nodes/LensFlare.h"

#include "foundation/base/Dumper.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "scene/visitors/NodeVisitor.h"

#include <algorithm>

LensFlare::LensFlare(Group* root, RenderScene* scene) : ParticleSet(root, scene) { SetMaxParticles(MaxFlares + 2); }

bool LensFlare::AcceptVisitor(NodeVisitor& visitor) { return visitor.Visit(*this); }

bool LensFlare::PostAcceptVisitor(NodeVisitor& visitor) { return visitor.PostVisit(*this); }

// The first empty slot: a later element never takes the place of a live one.
bool LensFlare::AddFlare(float position, float size, unsigned texU, unsigned texV, const Color& color)
{
    Particle** slot = std::find(_flares, _flares + MaxFlares, nullptr);
    if (slot == _flares + MaxFlares)
    {
        Dumper::Instance().Print(DUMP_WARNING, "Lens flare \"%s\" has %u elements: no more are added\n",
                                 GetName().Str(), MaxFlares);
        return false;
    }
    Particle* particle = CreateParticle();
    particle->lengthAdjust = -position;
    particle->size = size;
    particle->texU = static_cast<uint16_t>(texU);
    particle->texV = static_cast<uint16_t>(texV);
    particle->color = color;
    *slot = particle;
    ++_flareCount;
    return true;
}

void LensFlare::RemoveFlare(unsigned index)
{
    if (index >= MaxFlares || !_flares[index])
        return;
    RemoveParticle(_flares[index]);
    _flares[index] = nullptr;
    --_flareCount;
}

Particle* LensFlare::ReplaceSprite(Particle* old, float size, unsigned texU, unsigned texV, const Color& color)
{
    if (old)
        RemoveParticle(old);
    Particle* particle = CreateParticle();
    particle->size = size;
    particle->texU = static_cast<uint16_t>(texU);
    particle->texV = static_cast<uint16_t>(texV);
    particle->color = color;
    return particle;
}

void LensFlare::SetGlow(float size, unsigned texU, unsigned texV, const Color& color)
{
    _glow = ReplaceSprite(_glow, size, texU, texV, color);
    _glowSize = size;
    _glowFollows = true;
}

void LensFlare::SetSource(float size, unsigned texU, unsigned texV, const Color& color)
{
    _source = ReplaceSprite(_source, size, texU, texV, color);
    _sourceFollows = true;
}

// A light behind the camera has no place on the view plane: it counts as hidden and the sprites
// stay where they were.
void LensFlare::UpdateCameraBasedParams(Camera* camera, unsigned)
{
    ParticleSet::UpdateCameraBasedParams(camera, 0);
    if (!camera)
        return;
    const Matrix& view = camera->GetWorldMatrix();
    const Vec3 forward = view.GetRow3(2), eye = view.GetRow3(3);
    const Vec3 toLight = GetParentPosition() - eye;
    if (RenderScene* scene = GetScene())
    {
        if (_checkPoint < 0)
        {
            _occluded = true;
            _checkPoint = scene->AddDepthCkeckPoint(toLight);
        }
        else
        {
            _occluded = scene->GetDepthCheckResult(_checkPoint);
            scene->UpdateDepthCheckPoint(_checkPoint, toLight);
        }
    }
    const float distance = toLight.Length();
    _beyondZFar = _zFar < distance;
    if (distance <= 0.0f)
        return;
    const Vec3 direction = toLight / distance;
    const float cosine = direction.Dot(forward);
    if (cosine <= 0.0f)
    {
        _occluded = true;
        return;
    }
    const Vec3 centre = eye + forward * distance;
    const Vec3 light = eye + direction * (distance / cosine);
    const Vec3 axis = light - centre;
    if (_sourceFollows && _source)
        _source->position = light;
    if (_glowFollows && _glow)
        _glow->position = light;
    for (Particle* flare : _flares)
        if (flare)
            flare->position = light + axis * flare->lengthAdjust;
}

void LensFlare::Update(float seconds)
{
    if (_occluded || _beyondZFar)
    {
        _hidden += _fadeSpeed * seconds;
        if (_hidden > 1.0f)
        {
            _hidden = 1.0f;
            _drawNeeded = false;
        }
        _shrink = std::min(_shrink + seconds * _scaleSpeed, 1.0f);
    }
    else
    {
        _drawNeeded = true;
        _hidden -= _fadeSpeed * seconds;
        if (_hidden < 0.0f)
            _hidden = 0.0f;
        _shrink = std::max(_shrink - seconds * _scaleSpeed, 0.0f);
    }
    _opacity = 1.0f - _hidden;
    if (_glow)
    {
        _glow->size = _glowSize * (1.0f - _shrink);
        _glow->intensity = _opacity;
    }
    for (Particle* flare : _flares)
        if (flare)
            flare->intensity = _opacity;
}
