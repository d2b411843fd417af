#pragma once

#include "foundation/math/Vec3.h"

#include <gtest/gtest.h>

// Each component within the tolerance.
inline void ExpectNear(const Vec3& actual, const Vec3& expected, float tolerance = 1e-4f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}
