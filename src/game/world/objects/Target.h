#pragma once
// A mix-in for what can be aimed at: the icons of its prototype and the bones attackers aim at.
#include <vector>

class Bone;
class TargetingSystem;
struct BaseType;

class Target
{
public:
    const char* GetTargetIcon() const;
    const char* GetStatIcon() const;
    // One bone, or a random one of several; null when none was set.
    Bone* GetAttackBone() const;
    void AddAttacker(TargetingSystem*) {}
    void RemoveAttacker(TargetingSystem*) {}

protected:
    void SetPrototype(BaseType* prototype) { _prototype = prototype; }
    void SetAttackBone(Bone* bone);

private:
    std::vector<TargetingSystem*> _attackers; // stays empty
    BaseType* _prototype = nullptr;
    int _severalBones = 0;
    Bone* _attackBone = nullptr;
    std::vector<Bone*> _attackBones;
};

// What an attacker holds: the chosen target and the bone it aims at.
class TargetingSystem
{
public:
    // Asks the target once for an attack bone.
    void SetTarget(Target* target);
    void RemoveTarget();
    Target* GetTarget() const { return _target; }
    Bone* GetAttackBone() const { return _attackBone; }

private:
    Target* _target = nullptr;
    Bone* _attackBone = nullptr;
};
