#pragma once
// A rock that drifts past the cockpit, put back ahead of the ship when it falls behind.
#include <vector>

#include "foundation/math/Vec3.h"
#include "game/world/environment/DebrisType.h"

class Bone;
class RenderMesh;

class CameraGarbage
{
public:
    CameraGarbage() = default;

    void Initialize(const Vec3& position, eDebrisType debrisType);
    void Proceed(const Vec3& position);
    void ShutDown();

    unsigned GetPointCount() const { return static_cast<unsigned>(_points.size()); }
    // The caller keeps i below GetPointCount().
    Bone* GetBone(unsigned i) const { return _points[i].bone; }
    RenderMesh* GetMesh(unsigned i) const { return _points[i].mesh; }

private:
    struct Point
    {
        Bone* bone = nullptr;
        RenderMesh* mesh = nullptr;
    };

    std::vector<Point> _points;
};
