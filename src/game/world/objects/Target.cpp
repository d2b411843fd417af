#include "game/world/objects/Target.h"

#include "foundation/base/Random.h"
#include "game/core/gamedata/TypeRecords.h"

const char* Target::GetTargetIcon() const { return _prototype ? _prototype->icon : ""; }

const char* Target::GetStatIcon() const { return _prototype ? _prototype->statIcon : ""; }

Bone* Target::GetAttackBone() const
{
    if (_severalBones)
        return _attackBones.empty() ? nullptr : _attackBones[EngineRandom() % _attackBones.size()];
    return _attackBone;
}

void Target::SetAttackBone(Bone* bone)
{
    if (_severalBones)
        _attackBones.push_back(bone);
    else if (_attackBone)
    {
        _severalBones = 1;
        _attackBones.push_back(_attackBone);
        _attackBones.push_back(bone);
        _attackBone = nullptr;
    }
    else
        _attackBone = bone;
}

void TargetingSystem::SetTarget(Target* target)
{
    _target = target;
    _attackBone = target ? target->GetAttackBone() : nullptr;
}

void TargetingSystem::RemoveTarget()
{
    _target = nullptr;
    _attackBone = nullptr;
}
