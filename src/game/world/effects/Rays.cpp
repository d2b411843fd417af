#include "game/world/effects/Rays.h"

#include <algorithm>

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/world/effects/SpriteNode.h"
#include "game/world/effects/WorldScene.h"
#include "scene/particles/ParticleSet.h"

Rays::Rays(const Vec3& position, float startSize, float endSize, float duration)
    : _position(position), _startSize(startSize), _duration(duration),
      _growth(duration > 0 ? (endSize - startSize) / duration : 0), _fade(duration > 0 ? 1 / duration : 0)
{}

void Rays::CreateSprite(const char* material, unsigned cells)
{
    _material = LoadWorldMaterial(material);
    const SpriteNode node = CreateSpriteNode(_position, _startSize, _material);
    _node = node.bone;
    _set = node.set;
    _particle = node.particle;
    if (_set && cells > 0)
        _set->SetAtlasParams(cells, cells);
    const int u = EngineRandom() % 2;
    const int v = EngineRandom() % 2;
    if (_particle)
    {
        _particle->texU = static_cast<uint16_t>(u);
        _particle->texV = static_cast<uint16_t>(v);
    }
    SetLifetime(_duration);
}

void Rays::UserInit() { CreateSprite("rays.mat", 2); }

void Rays::UserProceed()
{
    if (!_particle)
        return;
    const float spf = game.GetSPF();
    _particle->size += spf * _growth;
    _particle->color.a = std::max(0.0f, _particle->color.a - spf * _fade);
}

void Rays::UserShutDown()
{
    DestroySpriteNode(_node);
    _node = nullptr;
    _set = nullptr;
    _particle = nullptr;
}
