#include "foundation/math/Projection.h"

#include <algorithm>
#include <cmath>

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

namespace {

// The slopes (along the axis over depth) of the two planes through the eye and the axis at right
// angles that touch a circle at (a, z) of the radius, z > radius.
void TangentSlopes(double a, double z, double radius, double& low, double& high)
{
    const double root = radius * std::sqrt(a * a + z * z - radius * radius);
    const double denominator = z * z - radius * radius;
    low = (a * z - root) / denominator;
    high = (a * z + root) / denominator;
}

} // namespace

bool ComputeSphereOutlineRect(const Vec3& centre, float radius, const Matrix& view, const Matrix& proj, float width,
                              float height, Rect& rect)
{
    const bool perspective = proj(0, 1) == 0.0f && proj(0, 3) == 0.0f && proj(1, 0) == 0.0f && proj(1, 3) == 0.0f &&
                             proj(3, 0) == 0.0f && proj(3, 1) == 0.0f && proj(3, 3) == 0.0f && proj(2, 3) > 0.0f;
    double c[4];
    Clip(centre, view, c);
    const double r = radius;
    if (!perspective || !(c[2] > r * 1.0001) || !(r >= 0.0))
        return false;
    double xLow, xHigh, yLow, yHigh;
    TangentSlopes(c[0], c[2], r, xLow, xHigh);
    TangentSlopes(c[1], c[2], r, yLow, yHigh);
    // Normalised device x and y of a point with x / z = m: (m * p00 + p20) / p23.
    const double w = proj(2, 3);
    const double ndcLeft = (xLow * proj(0, 0) + proj(2, 0)) / w, ndcRight = (xHigh * proj(0, 0) + proj(2, 0)) / w;
    const double ndcBottom = (yLow * proj(1, 1) + proj(2, 1)) / w, ndcTop = (yHigh * proj(1, 1) + proj(2, 1)) / w;
    const auto clampPixel = [](double value, double limit) {
        return value < 0.0 ? 0.0 : value > limit ? limit : value;
    };
    // A pixel more on every side for rounding.
    const double left = clampPixel(std::floor((std::min(ndcLeft, ndcRight) + 1.0) * width * 0.5) - 1.0, width);
    const double right = clampPixel(std::ceil((std::max(ndcLeft, ndcRight) + 1.0) * width * 0.5) + 1.0, width);
    const double top = clampPixel(std::floor((1.0 - std::max(ndcBottom, ndcTop)) * height * 0.5) - 1.0, height);
    const double bottom = clampPixel(std::ceil((1.0 - std::min(ndcBottom, ndcTop)) * height * 0.5) + 1.0, height);
    rect.left = float(left);
    rect.top = float(top);
    rect.width = float(right - left);
    rect.height = float(bottom - top);
    return true;
}
