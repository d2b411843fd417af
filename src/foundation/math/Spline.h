#pragma once
// Interpolating curves through control points: positions (cubic Hermite with Catmull-Rom tangents)
// and orientations (squad). Call RecalculateTangents after changing points, before interpolating.
#include <cstddef>
#include <vector>

#include "foundation/math/Quaternion.h"

class CatmullRomSpline
{
public:
    CatmullRomSpline();

    void AddPoint(const Vec3& p) { _points.push_back(p); }
    const Vec3& GetPoint(int i) const { return _points[size_t(i)]; }
    void SetPoint(int i, const Vec3& p) { _points[size_t(i)] = p; }
    const Vec3& GetTangent(int i) const { return _tangents[size_t(i)]; }
    int GetPointCount() const { return int(_points.size()); }
    bool IsClosed() const { return _closed; }
    void Clear()
    {
        _points.clear();
        _tangents.clear();
    }

    void RecalculateTangents();
    // Segment i from point i to point i + 1 at local t in [0, 1].
    void Interpolate(int i, float t, Vec3& out) const;
    // Whole curve at t in [0, 1].
    void Interpolate(float t, Vec3& out) const;

private:
    std::vector<Vec3> _points;
    std::vector<Vec3> _tangents;
    Matrix _coeffs;
    bool _closed = false;
};

class RotationSpline
{
public:
    void AddPoint(const Quaternion& p) { _points.push_back(p); }
    const Quaternion& GetPoint(int i) const { return _points[size_t(i)]; }
    void SetPoint(int i, const Quaternion& p) { _points[size_t(i)] = p; }
    const Quaternion& GetTangent(int i) const { return _tangents[size_t(i)]; }
    int GetPointCount() const { return int(_points.size()); }
    bool IsClosed() const { return _closed; }
    void Clear()
    {
        _points.clear();
        _tangents.clear();
    }

    void RecalculateTangents();
    void Interpolate(int i, float t, Quaternion& out) const;
    void Interpolate(float t, Quaternion& out) const;

private:
    std::vector<Quaternion> _points;
    std::vector<Quaternion> _tangents;
    bool _closed = false;
};
