#include "foundation/math/Vec3.h"

#include "foundation/base/Random.h"

#include "foundation/math/Quaternion.h"

const Vec3& Vec3::UnitX()
{
    static const Vec3 unit(1.0f, 0.0f, 0.0f);
    return unit;
}

const Vec3& Vec3::UnitY()
{
    static const Vec3 unit(0.0f, 1.0f, 0.0f);
    return unit;
}

const Vec3& Vec3::UnitZ()
{
    static const Vec3 unit(0.0f, 0.0f, 1.0f);
    return unit;
}

void Vec3::Rotate(const Vec3& axis, float angle) { Rotate(axis, angle, *this); }

void Vec3::Rotate(const Vec3& axis, float angle, Vec3& out) const
{
    Quaternion(axis, angle).MultiplyVector(*this, out);
}

void Vec3::RandomDeviant(float angle, const Vec3& up)
{
    const float spin = float(EngineRandom() % 100) * 0.01f * 6.283185f;
    Vec3 axis;
    up.Rotate(*this, spin, axis);
    Rotate(axis, angle);
}
