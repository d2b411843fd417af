#include "game/world/environment/DebrisField.h"

#include <algorithm>

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/effects/WorldScene.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/RenderMesh.h"

DebrisField::DebrisField(const Vec3& centre, float radius, eDebrisType kind, int number)
    : _kind(kind), _centre(centre), _radius(radius), _number(number)
{
    SetName("DebrisField");
    SetClassname("DebrisField");
    SetTagName("");
}

void DebrisField::UserInit()
{
    if (RenderScene* scene = GetWorldScene())
    {
        _group = scene->CreateGroup(SL_STAGE);
        _group->SetPosition(_centre);
    }
}

void DebrisField::UserProceed()
{
    const SingleLevel* level = game.GetLevel();
    if (!level)
        return;
    const float distanceSquared = level->DistanceToCameraSquared(_centre);
    const float reach = 8 * _radius;
    const float reachSquared = reach * reach;
    if (distanceSquared < reachSquared && !_populated)
        Populate();
    // The gap between the two tests keeps the field from flickering at its border.
    else if (distanceSquared > reachSquared + _radius * 0.5f && _populated)
        Clear();
}

void DebrisField::Populate()
{
    _populated = true;
    _visible = true;
    RenderScene* scene = GetWorldScene();
    if (!scene || !_group)
        return;
    // A radius below one half would leave nothing to draw offsets from.
    const int span = std::max(1, static_cast<int>(_radius * 2));
    auto offset = [this, span] { return _radius - static_cast<float>(EngineRandom() % span); };
    for (int i = 0; i < _number; ++i)
    {
        Vec3 position;
        position.z = offset();
        position.y = offset();
        position.x = offset();
        EngineRandom(); // a size that was never used: the chunks keep scale 1
        Bone* chunk = scene->CreateBone(SL_STAGE);
        _group->Attach(chunk);
        chunk->SetPosition(position);
        chunk->SetScale(1, 1, 1);
        chunk->Pitch(static_cast<float>(EngineRandom() % 360), CS_LOCAL);
        chunk->Yaw(static_cast<float>(EngineRandom() % 360), CS_LOCAL);
        chunk->Roll(static_cast<float>(EngineRandom() % 360), CS_LOCAL);
        RenderMesh* mesh = scene->CreateMesh(SL_STAGE);
        mesh->BindMesh(LoadWorldMesh(DebrisMeshFile(_kind, false).c_str()), false);
        chunk->Attach(mesh);
        _chunks.push_back(chunk);
    }
}

void DebrisField::Clear()
{
    _populated = false;
    _visible = false;
    if (RenderScene* scene = GetWorldScene())
    {
        for (Bone* chunk : _chunks)
            scene->DestroyNode(chunk);
    }
    _chunks.clear();
}

void DebrisField::UserShutDown()
{
    if (RenderScene* scene = GetWorldScene())
        scene->DestroyNode(_group);
    _group = nullptr;
    _chunks.clear();
    _populated = false;
    _visible = false;
}
