#pragma once
// View volume: an ordered list of planes whose normals point inwards (right, left, bottom, top, far, near).
#include <cstddef>
#include <vector>

#include "foundation/math/Bounds.h"

class Frustum
{
public:
    explicit Frustum(int planeCount = 6) : _planes(size_t(planeCount < 0 ? 0 : planeCount)) {}

    int GetPlaneCount() const { return int(_planes.size()); }
    void SetPlaneCount(int n)
    {
        if (n >= 0 && size_t(n) != _planes.size())
            _planes.resize(size_t(n));
    }
    Plane& GetPlane(int i) { return _planes[size_t(i)]; }
    const Plane& GetPlane(int i) const { return _planes[size_t(i)]; }
    void GetPlane(int i, Plane& out) const { out = _planes[size_t(i)]; }
    void SetPlane(int i, const Plane& p) { _planes[size_t(i)] = p; }
    void AddPlane(const Plane& p) { _planes.push_back(p); }
    void ClearPlanes() { _planes.clear(); }

    // Planes from the columns of a view-projection matrix, normalised; needs at least six planes.
    void FromMatrix(const Matrix& m);
    void Identity() { FromMatrix(Matrix::Ident()); }

    // OUTSIDE as soon as a plane has the point on or behind it.
    eIntersection Intersects(const Vec3& p) const
    {
        for (const Plane& pl : _planes)
            if (pl.Dot(p) <= 0.0f)
                return OUTSIDE;
        return INSIDE;
    }
    // Never INSIDE: a sphere that is not culled is PARTIAL.
    eIntersection Intersects(const Sphere& s) const
    {
        const Vec3 c = s.center;
        const float r = -s.radius;
        for (const Plane& pl : _planes)
            if (pl.a * c.x + pl.b * c.y + pl.c * c.z + pl.d <= r)
                return OUTSIDE;
        return PARTIAL;
    }
    // INSIDE only when some plane was tested and every one had the whole box in front.
    eIntersection Intersects(const Bounds& b) const
    {
        bool inside = !_planes.empty();
        for (const Plane& pl : _planes)
        {
            const eIntersection r = b.Intersects(pl);
            if (r == OUTSIDE)
                return OUTSIDE;
            inside = inside && r == INSIDE;
        }
        return inside ? INSIDE : PARTIAL;
    }

    // The volume interface that boxes and spheres share; a frustum answers it with fixed results
    // and is neither moved nor grown by it.
    eIntersection Intersects(const Frustum&) const { return OUTSIDE; }
    ePlaneSide PlaneSide(const Plane&, float) const { return FRONT; }
    float PlaneDistance(const Plane&) const { return 0.0f; }
    void Expand(float) {}
    void Translate(const Vec3&) {}
    void Transform(const Matrix&) {}

    bool operator==(const Frustum& f) const { return _planes == f._planes; }
    bool operator!=(const Frustum& f) const { return !(*this == f); }

private:
    std::vector<Plane> _planes;
};
