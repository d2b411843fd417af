#include "game/world/effects/DynamicLight.h"

#include <algorithm>

#include "game/world/effects/WorldScene.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/Omni.h"

DynamicLight::DynamicLight(const Vec3& position, const Color& color, float range, float intensity, float lifetime)
    : _position(position), _color(color), _range(range), _intensity(intensity), _startLifetime(lifetime)
{
    SetName("DynamicLight");
    SetClassname("DynamicLight");
}

void DynamicLight::UserInit()
{
    SetLifetime(_startLifetime);
    RenderScene* scene = GetWorldScene();
    if (!scene)
        return;
    _node = scene->CreateGroup(SL_STAGE);
    _node->SetPosition(_position);
    if (!IsDynLighting())
        return;
    _light = scene->CreateOmni(SL_STAGE);
    _node->Attach(_light);
    _light->SetDiffuse(_color);
    _light->SetRange(_range);
    _light->SetIntensity(_intensity);
}

void DynamicLight::UserProceed()
{
    // The light shrinks linearly to nothing.
    if (_light && _startLifetime > 0)
        _light->SetRange(std::max(0.0f, GetLifetime() / _startLifetime * _range));
}

void DynamicLight::UserShutDown()
{
    if (RenderScene* scene = GetWorldScene())
        scene->DestroyNode(_node);
    _node = nullptr;
    _light = nullptr;
}
