#pragma once
// Double-precision references written from the mathematical definitions, to check the float code against.
#include <array>
#include <cmath>

#include <gtest/gtest.h>

#include "foundation/math/Matrix.h"

using Dmat = std::array<double, 16>;

inline Dmat DIdentity()
{
    Dmat r{};
    r[0] = r[5] = r[10] = r[15] = 1.0;
    return r;
}

inline Dmat DMul(const Dmat& a, const Dmat& b)
{
    Dmat r{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            for (int k = 0; k < 4; ++k)
                r[i * 4 + j] += a[i * 4 + k] * b[k * 4 + j];
    return r;
}

inline Dmat DFrom(const Matrix& m)
{
    Dmat r;
    for (int i = 0; i < 16; ++i)
        r[i] = m.m[i];
    return r;
}

// Row-vector rotation about a unit axis (left-handed: positive about +Y turns +Z to +X).
inline Dmat DRotation(double x, double y, double z, double a)
{
    const double len = std::sqrt(x * x + y * y + z * z);
    x /= len;
    y /= len;
    z /= len;
    const double c = std::cos(a), s = std::sin(a), t = 1 - c;
    // The textbook matrix for column vectors; its transpose turns row vectors the same way.
    const double col[9] = {t * x * x + c,     t * x * y - s * z, t * x * z + s * y, t * x * y + s * z, t * y * y + c,
                           t * y * z - s * x, t * x * z - s * y, t * y * z + s * x, t * z * z + c};
    Dmat r = DIdentity();
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r[i * 4 + j] = col[j * 3 + i];
    return r;
}

inline void ExpectMatrixNear(const Matrix& m, const Dmat& ref, double tol)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(m.m[i], ref[i], tol) << "element (" << i / 4 << ", " << i % 4 << ")";
}

#define EXPECT_VEC3_NEAR(v, ex, ey, ez, tol)                                                                           \
    do                                                                                                                 \
    {                                                                                                                  \
        const Vec3 v_ = (v);                                                                                           \
        EXPECT_NEAR(v_.x, (ex), (tol));                                                                                \
        EXPECT_NEAR(v_.y, (ey), (tol));                                                                                \
        EXPECT_NEAR(v_.z, (ez), (tol));                                                                                \
    } while (0)
