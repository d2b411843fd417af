#pragma once
// A static cloud of debris chunks around a point, placed by level files. Its chunks exist only
// while the player's ship is near; a gap between the build and the tear-down distance keeps
// the field from flickering at its border.
#include <vector>

#include "game/world/actor/Actor.h"
#include "game/world/environment/DebrisType.h"

class Group;

class DebrisField : public Actor
{
public:
    DebrisField(const Vec3& centre, float radius, eDebrisType kind, int number);

    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;

    bool IsPopulated() const { return _populated; }
    eDebrisType GetKind() const { return _kind; }
    float GetRadius() const { return _radius; }
    int GetNumber() const { return _number; }
    unsigned GetChunkCount() const { return static_cast<unsigned>(_chunks.size()); }
    // The chunks hang under it; null without a scene.
    const Group* GetGroup() const { return _group; }
    const Bone* GetChunk(unsigned index) const { return _chunks[index]; }

private:
    void Populate();
    void Clear();

    bool _populated = false;
    eDebrisType _kind;
    Group* _group = nullptr; // layer 3, at the centre
    Vec3 _centre;
    float _radius;
    int _number; // chunks to build
    bool _visible = false;
    std::vector<Bone*> _chunks;
};
