#include "foundation/math/Projection.h"

namespace {
constexpr float kOffScreen = -3.4028235e38f;

// Clip coordinates of (p, 1) * m, summed in double.
void Clip(const Vec3& p, const Matrix& m, double c[4])
{
    for (int k = 0; k < 4; ++k)
        c[k] = double(p.x) * m(0, k) + double(p.y) * m(1, k) + double(p.z) * m(2, k) + m(3, k);
}
} // namespace

void ProjectVectorNoScissor(const Vec3& p, const Matrix& viewProj, float width, float height, Vec3& out, bool& behind)
{
    double c[4];
    Clip(p, viewProj, c);
    out.x = float((c[0] / c[3] + 1.0) * width * 0.5);
    out.y = float((1.0 - c[1] / c[3]) * height * 0.5);
    out.z = 1.0f;
    behind = c[3] < 0.0;
}

void ProjectVector(const Vec3& p, const Matrix& viewProj, float width, float height, Vec3& out)
{
    bool behind;
    ProjectVectorNoScissor(p, viewProj, width, height, out, behind);
    // Written as negations so that NaN coordinates count as off screen too.
    const bool onScreen = out.x >= 0.0f && out.x <= width && out.y >= 0.0f && out.y <= height;
    if (!onScreen || behind)
    {
        out.x = kOffScreen;
        out.y = kOffScreen;
    }
}

void UnProjectVector(const Vec3& screen, const Matrix& viewProj, float width, float height, Vec3& out)
{
    const float x = float(double(screen.x) / (width * 0.5) - 1.0);
    const float y = float(-(double(screen.y) / (height * 0.5) - 1.0));
    viewProj.Inversed().Transform(Vec3(x, y, 0.5f), out);
}

void ComputeSphereRect(const Vec3& centre, float radius, const Matrix& viewProj, float width, float height, Rect& rect)
{
    static const float signs[8][3] = {{-1, 1, -1}, {1, 1, -1}, {-1, -1, -1}, {1, -1, -1},
                                      {-1, 1, 1},  {1, 1, 1},  {-1, -1, 1},  {1, -1, 1}};
    unsigned minX = 0, minY = 0, maxX = 0, maxY = 0;
    for (int i = 0; i < 8; ++i)
    {
        const Vec3 corner = centre + Vec3(signs[i][0], signs[i][1], signs[i][2]) * radius;
        double c[4];
        Clip(corner, viewProj, c);
        double x = c[0] / c[3], y = c[1] / c[3];
        // Clamping also turns NaN from a zero w into a screen edge.
        x = x > -1.0 ? (x < 1.0 ? x : 1.0) : -1.0;
        y = y > -1.0 ? (y < 1.0 ? y : 1.0) : -1.0;
        const unsigned px = unsigned((x + 1.0) * width * 0.5);
        const unsigned py = unsigned((1.0 - y) * height * 0.5);
        if (i == 0 || px < minX)
            minX = px;
        if (i == 0 || px > maxX)
            maxX = px;
        if (i == 0 || py < minY)
            minY = py;
        if (i == 0 || py > maxY)
            maxY = py;
    }
    rect.left = float(minX);
    rect.top = float(minY);
    rect.width = float(maxX - minX);
    rect.height = float(maxY - minY);
}
