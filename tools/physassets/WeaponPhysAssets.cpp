#include "WeaponPhysAssets.h"

namespace WeaponPhysAssets {

namespace {

// The collision group of projectile triggers: it meets hulls and parts, nothing else.
constexpr uint8_t ProjectileGroup = 8;

PhysicsAssetData Projectile(const char* name, float radius)
{
    PhysicsShapeRecord sphere;
    sphere.type = 1;
    sphere.name = std::string(name) + "_0";
    sphere.group = ProjectileGroup;
    sphere.radius = radius;
    PhysicsAssetData asset;
    asset.name = name;
    // A rocket flies on without slowing down.
    asset.linearDamping = 0;
    asset.angularDamping = 0;
    asset.actorGroup = ProjectileGroup;
    asset.shapes = {sphere};
    return asset;
}

} // namespace

std::vector<Asset> All()
{
    return {{"rocket_00.mdl", Projectile("rocket_00", 4)}, {"torpeda_00.mdl", Projectile("torpeda_00", 8)}};
}

} // namespace WeaponPhysAssets
