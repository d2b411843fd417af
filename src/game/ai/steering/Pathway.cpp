#include "game/ai/steering/Pathway.h"

namespace Pelloris {

PolyPathway::PolyPathway(int count, const SteerVec3* given, float radius_, bool cyclic_, float speed_)
    : pointCount(count > 0 ? count : 0), radius(radius_), speed(speed_), cyclic(cyclic_)
{
    points.assign(given, given + pointCount);
    if (cyclic && pointCount > 0)
    {
        points.push_back(points[0]);
        ++pointCount;
    }
    lengths.assign(pointCount, 0.0f);
    normals.assign(pointCount, SteerVec3::zero);
    for (int i = 1; i < pointCount; ++i)
    {
        const SteerVec3 step = points[i] - points[i - 1];
        lengths[i] = step.Length();
        normals[i] = step.Normalize();
        totalPathLength += lengths[i];
    }
}

PolyPathway::SegmentHit PolyPathway::PointToSegment(const SteerVec3& point, int i) const
{
    const SteerVec3& p0 = points[i - 1];
    SegmentHit hit;
    hit.projection = normals[i].Dot(point - p0);
    if (hit.projection < 0)
    {
        hit.chosen = p0;
        hit.projection = 0;
    }
    else if (hit.projection > lengths[i])
    {
        hit.chosen = points[i];
        hit.projection = lengths[i];
    }
    else
        hit.chosen = p0 + normals[i] * hit.projection;
    hit.distance = Distance(point, hit.chosen);
    return hit;
}

int PolyPathway::NearestSegment(const SteerVec3& point, SegmentHit& hit) const
{
    int nearest = 0;
    for (int i = 1; i < pointCount; ++i)
    {
        const SegmentHit candidate = PointToSegment(point, i);
        if (nearest == 0 || candidate.distance < hit.distance)
        {
            hit = candidate;
            nearest = i;
        }
    }
    return nearest;
}

SteerVec3 PolyPathway::MapPointToPath(const SteerVec3& point, SteerVec3& tangent, float& outside) const
{
    SegmentHit hit{0, 0, pointCount ? points[0] : point};
    const int nearest = NearestSegment(point, hit);
    tangent = nearest ? normals[nearest] : SteerVec3::zero;
    outside = Distance(hit.chosen, point) - radius;
    return hit.chosen;
}

float PolyPathway::MapPointToPathDistance(const SteerVec3& point) const
{
    SegmentHit hit{0, 0, point};
    const int nearest = NearestSegment(point, hit);
    float distance = 0;
    for (int i = 1; i < nearest; ++i)
        distance += lengths[i];
    return nearest ? distance + hit.projection : 0;
}

SteerVec3 PolyPathway::MapPathDistanceToPoint(float d) const
{
    if (pointCount == 0)
        return SteerVec3::zero;
    if (totalPathLength <= 0)
        return points[0];
    if (cyclic)
    {
        d = std::fmod(d, totalPathLength);
        if (d < 0)
            d += totalPathLength;
    }
    else if (d < 0)
        return points[0];
    else if (d >= totalPathLength)
        return points[pointCount - 1];
    for (int i = 1; i < pointCount; ++i)
    {
        if (d <= lengths[i])
            return lengths[i] > 0 ? Interpolate(d / lengths[i], points[i - 1], points[i]) : points[i];
        d -= lengths[i];
    }
    // Rounding can leave a little of the distance past every segment.
    return points[pointCount - 1];
}

} // namespace Pelloris
