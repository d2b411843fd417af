#include "game/world/effects/Sprite.h"

#include "game/core/game/Game.h"
#include "game/world/effects/SpriteNode.h"
#include "scene/particles/ParticleSet.h"

namespace {
constexpr unsigned AtlasCells = 8; // per side
}

Sprite::Sprite(Material* material, const Vec3& position, float size, const Vec2& firstCell, unsigned frameCount,
               float frameTime)
    : _material(material), _position(position), _size(size), _firstCell(firstCell), _frameCount(frameCount),
      _frameTime(frameTime)
{}

void Sprite::UserInit()
{
    const SpriteNode node = CreateSpriteNode(_position, _size, _material);
    _node = node.bone;
    _set = node.set;
    _particle = node.particle;
    if (_set)
        _set->SetAtlasParams(AtlasCells, AtlasCells);
    if (_particle)
    {
        _particle->texU = static_cast<uint16_t>(_firstCell.x);
        _particle->texV = static_cast<uint16_t>(_firstCell.y);
    }
    SetLifetime(static_cast<float>(_frameCount) * _frameTime);
}

void Sprite::UserProceed()
{
    _frameTimer += game.GetSPF();
    if (_frameTimer < _frameTime)
        return;
    // One frame at most per engine frame: a slow frame holds the animation back.
    _frameTimer -= _frameTime;
    if (_frameCount > 0 && static_cast<unsigned>(++_frame) >= _frameCount)
        _frame = static_cast<int>(_frameCount) - 1;
    if (_particle && _set && _set->GetAtlasDivU() > 0)
    {
        const unsigned columns = _set->GetAtlasDivU();
        _particle->atlasColumn = static_cast<float>(static_cast<unsigned>(_frame) % columns);
        _particle->atlasRow = static_cast<float>(static_cast<unsigned>(_frame) / columns);
    }
}

void Sprite::UserShutDown()
{
    DestroySpriteNode(_node);
    _node = nullptr;
    _set = nullptr;
    _particle = nullptr;
}
