#pragma once
// Mapping between world space and screen pixels (y grows downwards) through a row-vector view-projection.
#include "foundation/math/Matrix.h"

struct Rect
{
    float left, top, width, height;
};

// Screen position of p (z = 1); off screen or behind the camera both x and y become the most negative float.
void ProjectVector(const Vec3& p, const Matrix& viewProj, float width, float height, Vec3& out);
// The same mapping without the on-screen test; behind tells whether the clip w is negative.
void ProjectVectorNoScissor(const Vec3& p, const Matrix& viewProj, float width, float height, Vec3& out, bool& behind);
// World point under a pixel at normalised depth 0.5.
void UnProjectVector(const Vec3& screen, const Matrix& viewProj, float width, float height, Vec3& out);
// Pixel rectangle covering a sphere, clamped to the screen.
void ComputeSphereRect(const Vec3& centre, float radius, const Matrix& viewProj, float width, float height, Rect& rect);
// Pixel rectangle covering the outline of a sphere seen through a view and a perspective
// projection (screen-space x and y from x / z and y / z alone), from the planes through the eye
// that touch it, and no larger than the screen; false, with rect untouched, when the sphere
// reaches the plane of the eye or the projection has another form.
bool ComputeSphereOutlineRect(const Vec3& centre, float radius, const Matrix& view, const Matrix& proj, float width,
                              float height, Rect& rect);
// Kept for callers of the separate view and projection form; it computes nothing and leaves rect as it was.
inline void ComputeSphereRect2(const Vec3&, float, const Matrix&, const Matrix&, float, float, Rect&) {}
