#pragma once
// Paths that entities follow: an abstract path mapping points to distances along it and back,
// and a polyline of points with a tube radius, optionally looped, with the speed it asks for.
#include <vector>

#include "game/ai/steering/SteerVec3.h"

namespace Pelloris {

class Pathway
{
public:
    virtual ~Pathway() = default;
    // The nearest point on the path, the path's direction there, and how far the point lies
    // outside the path's tube (negative inside).
    virtual SteerVec3 MapPointToPath(const SteerVec3& point, SteerVec3& tangent, float& outside) const = 0;
    virtual SteerVec3 MapPathDistanceToPoint(float pathDistance) const = 0;
    virtual float MapPointToPathDistance(const SteerVec3& point) const = 0;
};

class PolyPathway : public virtual Pathway
{
public:
    // A looped path gets one more point, equal to the first.
    PolyPathway(int pointCount, const SteerVec3* points, float radius, bool cyclic, float speed);

    SteerVec3 MapPointToPath(const SteerVec3& point, SteerVec3& tangent, float& outside) const override;
    // A looped path wraps any distance, negative ones too; an open one gives its first point
    // before the start and its last past the end.
    SteerVec3 MapPathDistanceToPoint(float pathDistance) const override;
    float MapPointToPathDistance(const SteerVec3& point) const override;

    int GetPointCount() const { return pointCount; }
    const SteerVec3& GetPoint(int i) const { return points[i]; }
    // Zero for an empty path.
    SteerVec3 GetLastPoint() const { return pointCount ? points[pointCount - 1] : SteerVec3::zero; }
    float GetRadius() const { return radius; }
    // Negative: the path asks for no speed.
    float GetSpeed() const { return speed; }
    bool IsCyclic() const { return cyclic; }
    float GetTotalPathLength() const { return totalPathLength; }

private:
    struct SegmentHit
    {
        float distance;   // from the point
        float projection; // along the segment
        SteerVec3 chosen; // the nearest point of the segment
    };
    // Segment i runs from point i - 1 to point i.
    SegmentHit PointToSegment(const SteerVec3& point, int i) const;
    // The nearest segment (the first on ties); 0 when the path has none.
    int NearestSegment(const SteerVec3& point, SegmentHit& hit) const;

    int pointCount;
    std::vector<SteerVec3> points;
    float radius;
    float speed;
    bool cyclic;
    std::vector<float> lengths;     // of the segment that ends at point i
    std::vector<SteerVec3> normals; // unit direction of the segment that ends at point i
    float totalPathLength = 0;
};

} // namespace Pelloris
