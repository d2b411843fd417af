#include "game/world/objects/Target.h"

const char* Target::GetTargetIcon() const { return ""; }

const char* Target::GetStatIcon() const { return ""; }

Bone* Target::GetAttackBone() const { return nullptr; }

void Target::SetAttackBone(Bone*) {}

void TargetingSystem::SetTarget(Target*) {}

void TargetingSystem::RemoveTarget() {}
