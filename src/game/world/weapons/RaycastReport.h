#pragma once
// What a bolt's ray meets: it skips the shooter, notes a crossed ship sensor as incoming fire,
// and on a hit sends the damage telegram, pushes world objects, plays the friendly-fire radio
// lines and marks the bolt dead.
#include "foundation/math/Vec3.h"
#include "services/physics/shim/NxReports.h"

class BurstPoint;

class RaycastReport : public NxUserRaycastReport
{
public:
    void setParent(BurstPoint* parent) { _parent = parent; }
    void SetDirection(const Vec3& direction) { _direction = direction; }
    // True to go on with the next hit.
    bool onHit(const NxRaycastHit& hit) override;

private:
    Vec3 _direction{0, 0, 1};
    BurstPoint* _parent = nullptr;
};
