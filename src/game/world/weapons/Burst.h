#pragma once
// The live bolts of one bolt weapon: fires them, advances them and deletes the spent ones.
#include <vector>

class Actor;
class Bone;
class BurstPoint;
class Weapon;

class Burst
{
public:
    Burst(Actor* shooter, Weapon* weapon);
    ~Burst();
    Burst(const Burst&) = delete;
    Burst& operator=(const Burst&) = delete;

    void Initialize() {}
    // One bolt from the bone.
    void Fire(Bone* bone);
    void Proceed();
    // Shuts down and deletes every live bolt.
    void ShutDown();
    unsigned GetBoltCount() const { return static_cast<unsigned>(_bolts.size()); }
    const std::vector<BurstPoint*>& GetBolts() const { return _bolts; }

private:
    Actor* _shooter;
    Weapon* _weapon;
    std::vector<BurstPoint*> _bolts; // owned
    std::vector<BurstPoint*> _spent; // emptied every frame
};
