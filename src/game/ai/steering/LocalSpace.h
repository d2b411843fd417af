#pragma once
// A local coordinate frame: side, up, forward and position. The mix-in implements the frame
// over any base that declares these operations (a plain local space, or the abstract entity).
#include "game/ai/steering/SteerVec3.h"

namespace Pelloris {

class AbstractLocalSpace
{
public:
    virtual ~AbstractLocalSpace() = default;

    virtual SteerVec3 GetSide() const = 0;
    virtual SteerVec3 SetSide(const SteerVec3& side) = 0;
    virtual SteerVec3 GetUp() const = 0;
    virtual SteerVec3 SetUp(const SteerVec3& up) = 0;
    virtual SteerVec3 GetForward() const = 0;
    virtual SteerVec3 SetForward(const SteerVec3& forward) = 0;
    virtual SteerVec3 GetPosition() const = 0;
    virtual SteerVec3 SetPosition(const SteerVec3& position) = 0;
    virtual bool IsRightHanded() const = 0;
    virtual void ResetLocalSpace() = 0;
    virtual SteerVec3 LocalizeDirection(const SteerVec3& globalDirection) const = 0;
    virtual SteerVec3 LocalizePosition(const SteerVec3& globalPosition) const = 0;
    virtual SteerVec3 GlobalizePosition(const SteerVec3& localPosition) const = 0;
    virtual SteerVec3 GlobalizeDirection(const SteerVec3& localDirection) const = 0;
    virtual void SetUnitSideFromForwardAndUp() = 0;
    virtual void RegenerateBasisFromUnitForward(const SteerVec3& forward) = 0;
    virtual void RegenerateBasisFromForwardAndUp(const SteerVec3& forward, const SteerVec3& up) = 0;
    virtual void RegenerateBasisFromForward(const SteerVec3& forward) = 0;
    virtual SteerVec3 LocalRotateForwardToSide(const SteerVec3& v) const = 0;
    virtual SteerVec3 GlobalRotateForwardToSide(const SteerVec3& globalForward) const = 0;
};

template <class Super>
class LocalSpaceMixin : public Super
{
public:
    LocalSpaceMixin() { LocalSpaceMixin::ResetLocalSpace(); }

    SteerVec3 GetSide() const override { return side; }
    SteerVec3 SetSide(const SteerVec3& s) override { return side = s; }
    SteerVec3 GetUp() const override { return up; }
    SteerVec3 SetUp(const SteerVec3& u) override { return up = u; }
    SteerVec3 GetForward() const override { return forward; }
    SteerVec3 SetForward(const SteerVec3& f) override { return forward = f; }
    SteerVec3 GetPosition() const override { return position; }
    SteerVec3 SetPosition(const SteerVec3& p) override { return position = p; }
    bool IsRightHanded() const override { return true; }

    void ResetLocalSpace() override
    {
        forward.Set(0, 0, 1);
        side = LocalRotateForwardToSide(forward);
        up.Set(0, 1, 0);
        position.SetZero();
    }

    SteerVec3 LocalizeDirection(const SteerVec3& v) const override { return {v.Dot(side), v.Dot(up), v.Dot(forward)}; }
    SteerVec3 LocalizePosition(const SteerVec3& p) const override { return LocalizeDirection(p - position); }
    SteerVec3 GlobalizePosition(const SteerVec3& p) const override { return position + GlobalizeDirection(p); }
    SteerVec3 GlobalizeDirection(const SteerVec3& v) const override { return side * v.x + up * v.y + forward * v.z; }

    // A forward along the up vector leaves no side to derive: the old side, which is then
    // already square to the forward, is kept rather than collapsing the frame.
    void SetUnitSideFromForwardAndUp() override
    {
        const SteerVec3 cross = IsRightHanded() ? forward.Cross(up) : up.Cross(forward);
        if (cross.LengthSquared() > 1e-12f)
            side = cross.Normalize();
    }
    void RegenerateBasisFromUnitForward(const SteerVec3& f) override
    {
        forward = f;
        SetUnitSideFromForwardAndUp();
        up = IsRightHanded() ? side.Cross(forward) : forward.Cross(side);
    }
    void RegenerateBasisFromForwardAndUp(const SteerVec3& f, const SteerVec3& u) override
    {
        up = u;
        RegenerateBasisFromForward(f);
    }
    void RegenerateBasisFromForward(const SteerVec3& f) override { RegenerateBasisFromUnitForward(f.Normalize()); }

    SteerVec3 LocalRotateForwardToSide(const SteerVec3& v) const override
    {
        return {IsRightHanded() ? -v.z : v.z, v.y, v.x};
    }
    SteerVec3 GlobalRotateForwardToSide(const SteerVec3& globalForward) const override
    {
        return GlobalizeDirection(LocalRotateForwardToSide(LocalizeDirection(globalForward)));
    }

protected:
    SteerVec3 side, up, forward, position;
};

} // namespace Pelloris
