#include "game/world/weapons/BurstPoint.h"

#include "game/world/weapons/RaycastReport.h"

BurstPoint::BurstPoint(float lifetime, Actor* shooter, Weapon* weapon, Bone* bone)
    : _lifetime(lifetime), _shooter(shooter), _weapon(weapon), _bone(bone), _report(std::make_unique<RaycastReport>())
{
    _report->setParent(this);
}

BurstPoint::~BurstPoint() = default;

void BurstPoint::Initialize(const Vec3&, const Vec3&) {}

void BurstPoint::Proceed() {}

void BurstPoint::ShutDown() {}

void BurstPoint::OnRender(eSceneLayerType, Camera*, MaterialSystem*) {}

void BurstPoint::CreateFlare() {}

void BurstPoint::UpdateFlare() {}
